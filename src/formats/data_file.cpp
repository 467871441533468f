#include "formats/data_file.hpp"

#include <cmath>

#include "formats/field_text.hpp"

namespace brelosta {
namespace {

bool needsQuotes(std::string_view text) {
  return text.starts_with(' ') || text.ends_with(' ') || text.find(',') != std::string_view::npos;
}

}  // namespace

void appendOutputField(std::string& out, const Field& field, NumberFormat format) {
  if (field.isNumber()) {
    const std::size_t start = out.size();
    if (!(field.number < 0.0 || (field.number == 0.0 && std::signbit(field.number)))) out += ' ';
    appendFieldText(out, field, format);
    out += ' ';
    if (format.decimalMark == ',' && std::string_view(out).substr(start).find(',') != std::string_view::npos) {
      out.insert(start, 1, '"');
      out += '"';
    }
    return;
  }
  if (!needsQuotes(field.text)) {
    out += field.text;
    return;
  }
  out += '"';
  out += field.text;
  out += '"';
}

void appendDataLine(std::string& out, const RecordPlan& targetPlan, std::string_view id,
                    const std::array<Field, kMaxSlots>& output, NumberFormat format) {
  bool first = true;
  for (const int slot : targetPlan.fieldSlots) {
    if (!first) out += ',';
    first = false;
    if (slot == kIdField)
      appendOutputField(out, Field{Field::Type::Text, id, 0.0}, format);
    else
      appendOutputField(out, output[static_cast<std::size_t>(slot)], format);
  }
}

}  // namespace brelosta
