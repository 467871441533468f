#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "app/system_panel.hpp"
#include "formats/record_layout.hpp"

namespace brelosta {

// The second lines of messages: where a failure happened, in the words of
// the window and of the record layouts.

// How the messages of a file run name its input: "del archivo puntos.txt"
// (the file's name without its folder).
std::string fileSource(std::string_view filePath);
// Rows pasted from a spreadsheet: "de los puntos pegados".
inline constexpr std::string_view kPastedSource = "de los puntos pegados";

// "Registro 5, línea 5 del archivo puntos.txt", with the source as
// fileSource names it (a record is also its line, blank lines included).
std::string recordPlace(std::string_view source, std::size_t record);

// "La conversión se detuvo en el registro 5, línea 5 del archivo
// puntos.txt": a failure that is not the record's own (the arithmetic, a
// parameter box) says where the run stopped.
std::string stoppedAt(std::string_view source, std::size_t record);

// The name of a record slot as the layouts write it: "Norte", "Este",
// "LAT", "LON", "H"; degrees-minutes-seconds add the part, "LAT (minutos)".
std::string fileFieldName(RecordFamily family, std::size_t slot);

// "Registro 5, línea 5 del archivo puntos.txt, campo Norte".
std::string fieldPlace(std::string_view source, std::size_t record, RecordFamily family, std::size_t slot);

// An entry box as the window shows it, with its row and side:
// "Latitud, panel izquierdo", "Longitud (segundos), panel derecho".
std::string entryBoxName(RecordFamily family, std::size_t slot, Side side);

// "panel izquierdo" or "panel derecho".
std::string_view sideName(Side side);

// A text as read, in double quotes: control characters shown as "?", a
// text of more than 40 characters cut and ended with "…".
std::string quotedText(std::string_view text);

// What a file is to the run and what went wrong with it, a whole second line:
// "El archivo de entrada /datos/puntos.txt no existe".
enum class FileRole { Input, Output };
std::string fileProblem(FileRole role, std::string_view path, std::string_view reason);

// An output file the system would not take: "El archivo de salida
// ... no se puede escribir", with `why` after it when there is one.
inline constexpr std::string_view kCannotWrite = "no se puede escribir";
std::string cannotWriteProblem(std::string_view path);

// Why the input file `path` (as the panel's box names it) cannot be opened:
// none named, a folder, missing, or unreadable.
std::string inputFileProblem(const std::string& path);

// "Registro 3, línea 3 del archivo puntos.txt: tiene 2 campos y el formato
// "Id Norte Este H" pide 4"; in a file of another separator than the
// comma, which one: "tiene 1 campo separado por punto y coma". `source` is
// how messages name the file (fileSource).
std::string wrongFieldCount(std::string_view source, std::size_t record, std::size_t fields, char separator,
                            std::string_view layout, std::size_t wanted);

// A layout name the source panel's lists do not hold (from a configuration
// or a script): no field can be read.
std::string layoutProblem(const SystemPanel& source);

}  // namespace brelosta
