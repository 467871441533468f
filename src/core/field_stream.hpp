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
  char mark = '.';        // the decimal mark of a number's text

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

// The same for a line whose fields end at `separator` (";" or a tab, as
// spreadsheets save text), whose numbers take a comma or a point as their
// decimal mark ("1163200,562", "1163200.562"). Blanks around a field are
// dropped (a tab is a blank unless it separates). A number whose marks
// leave its value in doubt is a text: one with both a point and a comma
// ("1.163.200,562"), and one whose only point may group thousands as a
// decimal comma's spreadsheet writes them ("728.310"); see
// separatedNumberDoubt.
void splitSeparatedFields(std::string_view line, char separator, std::vector<Field>& fields);

// Why a text of a ";" or tab file that looks like a number is not read as
// one, or nothing: "both" for a point and a comma, "grouping" for the one
// point of "728.310".
enum class NumberDoubt { None, BothMarks, Grouping };
NumberDoubt separatedNumberDoubt(std::string_view text);

}  // namespace brelosta
