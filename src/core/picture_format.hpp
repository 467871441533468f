#pragma once

#include <string>
#include <string_view>

#include "core/number_format.hpp"

namespace brelosta {

// A number picture such as "##0.000000000" or "#0000000.0000": each "0" before
// the decimal point forces a digit, each "#" shows one only when needed, and
// the places after the point fix the number of decimals.
struct Picture {
  int minIntegerDigits = 0;
  int decimals = 0;
};

constexpr Picture parsePicture(std::string_view picture) {
  Picture result;
  const auto point = picture.find('.');
  const std::string_view integerPart = picture.substr(0, point);
  for (char c : integerPart)
    if (c == '0') ++result.minIntegerDigits;
  if (point != std::string_view::npos) result.decimals = static_cast<int>(picture.size() - point - 1);
  return result;
}

// Appends the value written with the picture: rounded half away from zero on
// its 15-significant-digit decimal form (so 1.005 with two decimals shows
// 1.01, as a person reading the number expects), the format's decimal mark, a
// leading minus sign for a negative value, and no minus sign when the value
// rounds to zero.
void appendPicture(std::string& out, double value, Picture picture, NumberFormat format);

// The same, always through the 15-digit decimal form (appendPicture takes a
// shortcut that gives the same text for the usual values).
void appendPictureExact(std::string& out, double value, Picture picture, NumberFormat format);

// Re-writes a number text with a picture without reading it into a double:
// for a plain decimal (optional sign, digits, at most one `textMark`, no
// grouping and no exponent) of at most 15 significant digits, appends what
// appendPicture writes for the value the text reads as, and returns true.
// Any other text appends nothing and returns false.
bool appendDecimalPicture(std::string& out, std::string_view text, char textMark, Picture picture,
                          NumberFormat format);

// The same written at `at`, which has room for decimalPictureBound bytes;
// returns the end of what it wrote, or nullptr for a text it does not take.
// With `keepMinus` a negative text keeps its sign even where it shows as
// zero ("-0" degrees carry a negative angle under one degree).
char* writeDecimalPicture(char* at, std::string_view text, char textMark, Picture picture, NumberFormat format,
                          bool keepMinus = false);
inline std::size_t decimalPictureBound(std::size_t textSize, Picture picture) {
  const auto places = static_cast<std::size_t>(picture.minIntegerDigits > 0 ? picture.minIntegerDigits : 0);
  const auto decimals = static_cast<std::size_t>(picture.decimals > 0 ? picture.decimals : 0);
  return 2 + (textSize > places ? textSize : places) + 1 + decimals;  // a sign and a carry, the mark
}

std::string formatPicture(double value, Picture picture, NumberFormat format);
inline std::string formatPicture(double value, std::string_view picture, NumberFormat format) {
  return formatPicture(value, parsePicture(picture), format);
}

// A text picture of "@" placeholders: the text right-aligned in as many
// columns as the picture has placeholders (a longer text is left whole).
std::string formatTextPicture(std::string_view text, std::string_view picture);

// The shortest decimal text that reads back as the same double, with the
// format's decimal mark ("2464351.594", "-5.266", "1e-05").
std::string shortestText(double value, NumberFormat format);

// Number of characters (Unicode code points) of a UTF-8 text.
std::size_t characterCount(std::string_view utf8);

}  // namespace brelosta
