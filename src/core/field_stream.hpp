#pragma once

#include <string_view>
#include <vector>

namespace brelosta {

// One field of a comma-separated record as point, catalogue and
// configuration files write them.
struct Field {
  enum class Type { Empty, Number, Text };
  Type type = Type::Empty;
  std::string_view text;  // the field without its quotes and surrounding blanks
  double number = 0.0;    // the value when type is Number

  bool empty() const { return type == Type::Empty; }
  bool isNumber() const { return type == Type::Number; }
};

// Splits one line into its fields: a field ends at a comma or at the end of
// the line; blanks around a field are dropped; a field written in double
// quotes is taken without its quotes, may contain commas and blanks, and is
// always a text (anything between its closing quote and the next comma is
// ignored). An unquoted field that is a plain number (point as decimal mark,
// optional sign and exponent) is a number; nothing between two commas is an
// empty field. An empty line has no fields. The texts point into the line.
void splitFields(std::string_view line, std::vector<Field>& fields);

}  // namespace brelosta
