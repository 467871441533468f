#include "app/message_places.hpp"

#include <array>
#include <filesystem>

#include "core/path_text.hpp"
#include "formats/first_record.hpp"

namespace brelosta {
namespace {

// A text as read is cut after this many characters (a binary file's line).
constexpr std::size_t kLongestQuotedText = 40;

constexpr std::array<std::string_view, 3> kAnglePartNames = {"grados", "minutos", "segundos"};

struct SlotName {
  std::string_view row;
  std::string_view part;  // empty unless the angle takes three boxes
};

// `layoutNames` chooses the layouts' short names ("LAT") or the window's
// long ones ("Latitud").
SlotName slotName(RecordFamily family, std::size_t slot, bool layoutNames) {
  const std::string_view latitude = layoutNames ? "LAT" : "Latitud";
  const std::string_view longitude = layoutNames ? "LON" : "Longitud";
  const std::string_view height = layoutNames ? "H" : "Altura";
  switch (family) {
    case RecordFamily::Grid:
      return {slot == 0 ? "Norte" : slot == 1 ? "Este" : height, {}};
    case RecordFamily::GeographicDecimal:
      return {slot == 0 ? latitude : slot == 1 ? longitude : height, {}};
    case RecordFamily::GeographicDms:
      if (slot >= 6) return {height, {}};
      return {slot < 3 ? latitude : longitude, kAnglePartNames[slot % 3]};
  }
  return {height, {}};
}

std::string joined(SlotName name) {
  std::string text(name.row);
  if (!name.part.empty()) {
    text += " (";
    text += name.part;
    text += ')';
  }
  return text;
}

}  // namespace

std::string fileSource(std::string_view filePath) {
  return "del archivo " + utf8FromPath(pathFromUtf8(filePath).filename());
}

std::string recordPlace(std::string_view source, std::size_t record) {
  const std::string number = std::to_string(record);
  return "Registro " + number + ", línea " + number + " " + std::string(source);
}

std::string stoppedAt(std::string_view source, std::size_t record) {
  std::string place = recordPlace(source, record);
  place[0] = 'r';
  return "La conversión se detuvo en el " + place;
}

std::string fileFieldName(RecordFamily family, std::size_t slot) { return joined(slotName(family, slot, true)); }

std::string fieldPlace(std::string_view source, std::size_t record, RecordFamily family, std::size_t slot) {
  return recordPlace(source, record) + ", campo " + fileFieldName(family, slot);
}

std::string entryBoxName(RecordFamily family, std::size_t slot, Side side) {
  return joined(slotName(family, slot, false)) + ", " + std::string(sideName(side));
}

std::string_view sideName(Side side) { return side == Side::Left ? "panel izquierdo" : "panel derecho"; }

std::string quotedText(std::string_view text) {
  std::string shown = "\"";
  std::size_t characters = 0;
  for (std::size_t k = 0; k < text.size(); ++k) {
    const auto byte = static_cast<unsigned char>(text[k]);
    const bool continuation = (byte & 0xC0) == 0x80;
    if (!continuation && ++characters > kLongestQuotedText) {
      shown += "…";
      break;
    }
    // A control character would break the message's line.
    shown += byte < 0x20 || byte == 0x7F ? '?' : text[k];
  }
  return shown + "\"";
}

std::string fileProblem(FileRole role, std::string_view path, std::string_view reason) {
  std::string text = role == FileRole::Input ? "El archivo de entrada " : "El archivo de salida ";
  text += path;
  text += ' ';
  text += reason;
  return text;
}

std::string cannotWriteProblem(std::string_view path) { return fileProblem(FileRole::Output, path, kCannotWrite); }

std::string inputFileProblem(const std::string& path) {
  if (path.empty()) return "No se indicó el archivo de entrada";
  std::error_code error;
  const std::filesystem::path file = pathFromUtf8(path);
  if (std::filesystem::is_directory(file, error)) return fileProblem(FileRole::Input, path, "es una carpeta");
  if (!std::filesystem::exists(file, error)) return fileProblem(FileRole::Input, path, "no existe");
  return fileProblem(FileRole::Input, path, "no se puede leer");
}

std::string wrongFieldCount(std::string_view source, std::size_t record, std::size_t fields, char separator,
                            std::string_view layout, std::size_t wanted) {
  std::string text = recordPlace(source, record) + ": tiene " + std::to_string(fields) +
                     (fields == 1 ? " campo" : " campos");
  if (separator != ',')
    text += std::string(fields == 1 ? " separado por " : " separados por ") + std::string(separatorName(separator));
  return text + " y el formato " + quotedText(layout) + " pide " + std::to_string(wanted);
}

std::string layoutProblem(const SystemPanel& source) {
  const std::string panel(sideName(source.side));
  if (source.Formato.text.empty()) return "No se eligió el formato de los registros del " + panel;
  return "El formato " + quotedText(source.Formato.text) + " no corresponde al sistema " +
         quotedText(source.Coord.text) + " del " + panel;
}

}  // namespace brelosta
