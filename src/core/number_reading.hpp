#pragma once

#include <optional>
#include <string_view>

#include "core/number_format.hpp"

namespace brelosta {

// The lenient value: the longest leading number of the text (blanks skipped,
// optional sign, digits with a point or the format's decimal mark, optional
// exponent), 0 when there is none. It never fails; a number too large for a
// double reads as an infinity of its sign. Presence, zero, range and sign tests
// use it.
double lenientValue(std::string_view text, NumberFormat format);

// The strict value: the whole text (surrounding blanks allowed) must be one
// finite number written in the format: optional sign, digits grouped by the
// format's separator in threes left of the decimal mark (or not grouped at all),
// the format's decimal mark, optional exponent. Anything else, including an
// empty text, "nan", "inf" and hexadecimal, is not a number. The values that
// enter the formulas use it.
std::optional<double> strictValue(std::string_view text, NumberFormat format);

// Whether the strict value of the text rests on a single group separator:
// an optional sign, one to three digits, the separator, exactly three digits,
// no decimal mark (an exponent may follow). With a decimal comma "100.250"
// may be 100,25 copied from a device that writes a point or 100 250 with
// its thousands marked; "1.150.000", "1.150,25" and "100,25" are clear.
bool ambiguousGrouping(std::string_view text, NumberFormat format);

// The strict value of a text as a box reads it: nothing for a text that is
// not a number, nor for one whose only group separator may be a decimal
// mark (a text field of a point file is read as a box would read it).
inline std::optional<double> boxValue(std::string_view text, NumberFormat format) {
  if (ambiguousGrouping(text, format)) return std::nullopt;
  return strictValue(text, format);
}

// The short decimal a text starts with: an optional sign, digits and at
// most one `mark` with digits after it, no exponent. `end` is where it
// stops; `value` is its value when it has a digit and at most 15
// significant digits. When `end` is the end of the text, that value is what
// plainNumber (mark '.') and strictValue give for the text: a field reader
// learns in one pass where a number field ends and what it holds.
struct DecimalPrefix {
  std::size_t end = 0;
  std::optional<double> value;
};
DecimalPrefix shortDecimalPrefix(std::string_view text, char mark);

// A number as file fields and catalogues write it: the whole text is an
// optional sign, digits with a point as decimal mark and an optional exponent.
std::optional<double> plainNumber(std::string_view text);

}  // namespace brelosta
