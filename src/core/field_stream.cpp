#include "core/field_stream.hpp"

#include <algorithm>
#include <optional>

#include "core/number_reading.hpp"

namespace brelosta {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

void splitFields(std::string_view line, std::vector<Field>& fields) {
  fields.clear();
  if (std::all_of(line.begin(), line.end(), isBlank)) return;
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && isBlank(line[i])) ++i;
    Field field;
    if (i < line.size() && line[i] == '"') {
      const std::size_t close = line.find('"', i + 1);
      const std::size_t end = close == std::string_view::npos ? line.size() : close;
      field.type = Field::Type::Text;
      field.text = line.substr(i + 1, end - i - 1);
      i = std::min(line.find(',', end), line.size());
    } else {
      // The usual field, a short decimal, is read in the same pass that
      // finds its end: the number then stops at the comma.
      const DecimalPrefix prefix = shortDecimalPrefix(line.substr(i), '.');
      std::size_t comma = i + prefix.end;
      if (comma < line.size() && line[comma] != ',') comma = std::min(line.find(',', comma), line.size());
      // Blanks before the field are passed already; those before the comma
      // are dropped here.
      std::size_t end = comma;
      while (end > i && isBlank(line[end - 1])) --end;
      field.text = line.substr(i, end - i);
      if (!field.text.empty()) {
        // Only a sign, a digit or a point can start a number: an Id such
        // as "P1" is a text without another look.
        const char first = field.text.front();
        const bool mayBeNumber = first == '+' || first == '-' || first == '.' || (first >= '0' && first <= '9');
        std::optional<double> number;
        if (prefix.end == field.text.size() && prefix.value)
          number = prefix.value;
        else if (mayBeNumber)
          number = plainNumber(field.text);
        field.type = number ? Field::Type::Number : Field::Type::Text;
        field.number = number.value_or(0.0);
      }
      i = comma;
    }
    fields.push_back(field);
    if (i >= line.size()) return;
    ++i;  // past the comma
  }
}

}  // namespace brelosta
