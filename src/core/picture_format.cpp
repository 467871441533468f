#include "core/picture_format.hpp"

#include <array>
#include <charconv>
#include <cmath>

namespace brelosta {
namespace {

constexpr int kSignificantDigits = 15;

// The value's magnitude as 15 significant decimal digits and the power of ten
// of the first one: |value| = 0.d1d2...d15 x 10^(exponent + 1).
struct DecimalForm {
  std::array<char, kSignificantDigits> digits{};
  int exponent = 0;
};

DecimalForm decimalForm(double magnitude) {
  std::array<char, 32> buffer{};
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                          std::chars_format::scientific, kSignificantDigits - 1);
  (void)error;  // 32 characters always hold "d.dddddddddddddde+ddd".
  DecimalForm form;
  form.digits[0] = buffer[0];
  for (int k = 1; k < kSignificantDigits; ++k) form.digits[k] = buffer[k + 1];
  const char* exponentText = buffer.data() + kSignificantDigits + 2;  // after "e"
  if (*exponentText == '+') ++exponentText;
  std::from_chars(exponentText, end, form.exponent);
  return form;
}

}  // namespace

void appendPicture(std::string& out, double value, Picture picture, NumberFormat format) {
  if (!std::isfinite(value)) {
    out += std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    return;
  }
  // Digits of round(|value| x 10^decimals), most significant first.
  std::array<char, 400> digits{};
  int count = 0;
  if (value != 0.0) {
    const DecimalForm form = decimalForm(std::fabs(value));
    const int kept = form.exponent + 1 + picture.decimals;  // digits left after rounding
    if (kept >= kSignificantDigits) {
      for (char d : form.digits) digits[count++] = d;
      for (int k = kSignificantDigits; k < kept && count < static_cast<int>(digits.size()); ++k)
        digits[count++] = '0';
    } else if (kept >= 0) {
      for (int k = 0; k < kept; ++k) digits[count++] = form.digits[k];
      if (form.digits[kept] >= '5') {  // half away from zero
        int k = count - 1;
        while (k >= 0 && digits[k] == '9') digits[k--] = '0';
        if (k >= 0) {
          ++digits[k];
        } else {
          for (int m = count; m > 0; --m) digits[m] = digits[m - 1];
          digits[0] = '1';
          ++count;
        }
      }
    }
  }
  int first = 0;
  while (first < count && digits[first] == '0') ++first;
  const bool negative = value < 0 && first < count;
  if (negative) out += '-';

  const int integerCount = count - picture.decimals;
  const int shownInteger = std::max(integerCount, 0);
  const int significantInteger = std::max(shownInteger - first, 0);
  for (int k = significantInteger; k < picture.minIntegerDigits; ++k) out += '0';
  for (int k = std::max(first, 0); k < shownInteger; ++k) out += digits[k];
  if (picture.decimals > 0) {
    out += format.decimalMark;
    for (int k = 0; k < picture.decimals; ++k) {
      const int index = integerCount + k;
      out += index >= 0 ? digits[index] : '0';
    }
  }
}

std::string formatPicture(double value, Picture picture, NumberFormat format) {
  std::string out;
  appendPicture(out, value, picture, format);
  return out;
}

std::size_t characterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (unsigned char c : utf8)
    if ((c & 0xC0) != 0x80) ++count;
  return count;
}

std::string formatTextPicture(std::string_view text, std::string_view picture) {
  const std::size_t width = picture.size();
  const std::size_t length = characterCount(text);
  std::string out;
  if (length < width) out.assign(width - length, ' ');
  out += text;
  return out;
}

std::string shortestText(double value, NumberFormat format) {
  std::array<char, 32> buffer{};
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  (void)error;
  std::string out(buffer.data(), end);
  for (char& c : out)
    if (c == '.') c = format.decimalMark;
  return out;
}

}  // namespace brelosta
