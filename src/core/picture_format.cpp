#include "core/picture_format.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

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

void appendPictureExact(std::string& out, double value, Picture picture, NumberFormat format) {
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

namespace {

constexpr std::array<double, 16> kPowersOfTen = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
// Scaled values below this keep at most 13 digits, well inside the 15 the
// exact path works with.
constexpr double kFastLimit = 1e13;
// Bound on how far the 15-digit form, and the product by a power of ten,
// move a scaled value, relative to it: 5e-15 and 2^-53, with room to spare.
constexpr double kRoundingNoise = 1e-14;

// Widest text of the shortcut: a sign, 13 digits or the picture's leading
// zeros, the mark and 15 decimals.
constexpr int kMaxIntegerPlaces = 32;

// "00" to "99".
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (int n = 0; n < 100; ++n) {
    pairs[static_cast<std::size_t>(2 * n)] = static_cast<char>('0' + n / 10);
    pairs[static_cast<std::size_t>(2 * n + 1)] = static_cast<char>('0' + n % 10);
  }
  return pairs;
}();

// Writes the last `count` decimal digits of n backwards, ending before
// `end`; returns where they start.
char* writeDigits(char* end, std::uint64_t n, int count) {
  for (; count >= 2; count -= 2, n /= 100) {
    const std::size_t pair = 2 * static_cast<std::size_t>(n % 100);
    *--end = kDigitPairs[pair + 1];
    *--end = kDigitPairs[pair];
  }
  if (count == 1) *--end = static_cast<char>('0' + n % 10);
  return end;
}

// The usual case done with one multiplication: |value| x 10^decimals is
// small, and far enough from a half that neither the 15-digit form nor the
// product's own rounding can move it across one, so rounding it to the
// nearest integer gives the digits the exact path would.
bool appendPictureFast(std::string& out, double value, Picture picture, NumberFormat format) {
  if (picture.decimals < 0 || picture.decimals >= static_cast<int>(kPowersOfTen.size())) return false;
  if (picture.minIntegerDigits > kMaxIntegerPlaces) return false;
  const double power = kPowersOfTen[static_cast<std::size_t>(picture.decimals)];
  const double scaled = std::fabs(value) * power;
  if (!(scaled < kFastLimit)) return false;  // also refuses NaN
  const auto whole = static_cast<std::uint64_t>(scaled);  // the integer part: scaled is not negative
  const double fraction = scaled - static_cast<double>(whole);
  if (std::fabs(fraction - 0.5) <= scaled * kRoundingNoise) return false;
  const std::uint64_t rounded = whole + (fraction > 0.5 ? 1 : 0);
  const auto unit = static_cast<std::uint64_t>(power);

  // Written from the last digit backwards.
  std::array<char, 1 + kMaxIntegerPlaces + 1 + kPowersOfTen.size()> text;
  char* const end = text.data() + text.size();
  char* first = end;
  if (picture.decimals > 0) {
    first = writeDigits(first, rounded % unit, picture.decimals);
    *--first = format.decimalMark;
  }
  std::uint64_t integer = rounded / unit;
  int places = 0;
  while (integer >= 100) {
    first = writeDigits(first, integer % 100, 2);
    integer /= 100;
    places += 2;
  }
  if (integer > 0) {
    const int count = integer >= 10 ? 2 : 1;
    first = writeDigits(first, integer, count);
    places += count;
  }
  for (; places < picture.minIntegerDigits; ++places) *--first = '0';
  if (value < 0 && rounded != 0) *--first = '-';
  out.append(first, end);
  return true;
}

}  // namespace

void appendPicture(std::string& out, double value, Picture picture, NumberFormat format) {
  if (!appendPictureFast(out, value, picture, format)) appendPictureExact(out, value, picture, format);
}

bool appendDecimalPicture(std::string& out, std::string_view text, char textMark, Picture picture,
                          NumberFormat format) {
  if (picture.decimals < 0 || picture.decimals > kSignificantDigits || picture.minIntegerDigits > kMaxIntegerPlaces)
    return false;
  const auto isDigitAt = [&](std::size_t k) { return k < text.size() && text[k] >= '0' && text[k] <= '9'; };
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++i;
  std::size_t integerBegin = i;
  while (isDigitAt(i)) ++i;
  const std::size_t integerEnd = i;
  std::size_t fractionBegin = i;
  std::size_t fractionEnd = i;
  if (i < text.size() && text[i] == textMark) {
    fractionBegin = ++i;
    while (isDigitAt(i)) ++i;
    fractionEnd = i;
  }
  if (i != text.size() || (integerEnd == integerBegin && fractionEnd == fractionBegin)) return false;
  while (integerBegin < integerEnd && text[integerBegin] == '0') ++integerBegin;
  const std::size_t integerLength = integerEnd - integerBegin;
  const std::size_t fractionLength = fractionEnd - fractionBegin;
  std::size_t significant = integerLength + fractionLength;
  if (integerLength == 0)
    for (std::size_t k = fractionBegin; k < fractionEnd && text[k] == '0'; ++k) --significant;
  // A text of at most 15 significant digits is the 15-digit form of the
  // double it reads as, so rounding its own digits is what the exact path
  // does.
  if (significant > static_cast<std::size_t>(kSignificantDigits)) return false;

  // Written as a sign place, a carry place, the picture's leading zeros, the
  // integer digits, the mark and the picture's decimals; then rounded half
  // away from zero on the first dropped digit.
  const auto decimals = static_cast<std::size_t>(picture.decimals);
  const std::size_t padding =
      integerLength < static_cast<std::size_t>(std::max(picture.minIntegerDigits, 0))
          ? static_cast<std::size_t>(picture.minIntegerDigits) - integerLength
          : 0;
  // Zeros are laid down in fixed widths, which compile to a few stores, and
  // the digits copied over them.
  std::array<char, 2 + kMaxIntegerPlaces + kSignificantDigits + 1 + kSignificantDigits> result;
  std::size_t end = 2;
  result[1] = '0';
  std::memset(result.data() + end, '0', kMaxIntegerPlaces);
  end += padding;
  std::memcpy(result.data() + end, text.data() + integerBegin, integerLength);
  end += integerLength;
  const std::size_t markAt = decimals > 0 ? end : 0;
  if (decimals > 0) {
    result[end++] = format.decimalMark;
    std::memset(result.data() + end, '0', kSignificantDigits);
    std::memcpy(result.data() + end, text.data() + fractionBegin, std::min(fractionLength, decimals));
    end += decimals;
  }
  if (fractionLength > decimals && text[fractionBegin + decimals] >= '5') {
    std::size_t k = end - 1;
    for (; result[k] == '9' || k == markAt; --k)
      if (k != markAt) result[k] = '0';
    ++result[k];
  }
  std::size_t begin = result[1] == '0' ? 2 : 1;  // the carry place, when the carry did not reach it
  if (negative) {
    bool zero = true;
    for (std::size_t k = begin; k < end && zero; ++k) zero = result[k] == '0' || result[k] == format.decimalMark;
    if (!zero) result[--begin] = '-';
  }
  out.append(result.data() + begin, end - begin);
  return true;
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
