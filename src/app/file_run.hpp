#pragma once

#include <string>
#include <string_view>

#include "app/app.hpp"
#include "geodesy/coordinate_system.hpp"

namespace brelosta {

// A convert command in file mode: every record of the source panel's file
// through the same path as a typed point, then the output file.
void runFileConversion(App& app, ConversionDirection direction);

// Rows pasted from a spreadsheet (one record a line, fields as in a point
// file, tabs as a spreadsheet copies them) converted as a file run of the
// source panel's layout into `outputPath`, in point mode too: the progress
// window, the options and the output of a file run. A first row that is
// all words holds column titles and is not converted. Messages name the
// records "de los puntos pegados".
void runPastedConversion(App& app, ConversionDirection direction, std::string_view rows,
                         const std::string& outputPath);

}  // namespace brelosta
