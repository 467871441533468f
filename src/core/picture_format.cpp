#include "core/picture_format.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

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
// Every power of ten a 64-bit unsigned number holds.
constexpr std::array<std::uint64_t, 20> kWholePowersOfTen = [] {
  std::array<std::uint64_t, 20> powers{1};
  for (std::size_t k = 1; k < powers.size(); ++k) powers[k] = powers[k - 1] * 10;
  return powers;
}();
// Scaled values below this keep at most 13 digits, well inside the 15 the
// exact path works with.
constexpr double kFastLimit = 1e13;
// Bound on how far the 15-digit form, and the product by a power of ten,
// move a scaled value, relative to it: 5e-15 and 2^-53, with room to spare.
constexpr double kRoundingNoise = 1e-14;

// Widest integer part of the shortcuts: 20 digits of a 64-bit number or the
// picture's leading zeros.
constexpr int kMaxIntegerPlaces = 32;
// Most decimals the shortcuts write (and kept digits of a decimal text).
constexpr int kMaxFastDecimals = kSignificantDigits;

// "00" to "99".
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (int n = 0; n < 100; ++n) {
    pairs[static_cast<std::size_t>(2 * n)] = static_cast<char>('0' + n / 10);
    pairs[static_cast<std::size_t>(2 * n + 1)] = static_cast<char>('0' + n % 10);
  }
  return pairs;
}();

// Writes the decimal digits of n backwards, ending before `end`, two at a
// time, with zeros in front up to `places` digits (n = 0 and no places
// write nothing); returns where they start.
inline char* writeDigits(char* end, std::uint64_t n, int places) {
  char* first = end;
  for (; n >= 10; n /= 100) {
    const std::size_t pair = 2 * static_cast<std::size_t>(n % 100);
    *--first = kDigitPairs[pair + 1];
    *--first = kDigitPairs[pair];
  }
  if (n > 0) *--first = static_cast<char>('0' + n);  // the first of an odd count of digits
  while (end - first < places) *--first = '0';
  return first;
}

bool fitsTheShortcuts(Picture picture) {
  return picture.decimals >= 0 && picture.decimals <= kMaxFastDecimals && picture.minIntegerDigits <= kMaxIntegerPlaces;
}

// Appends a number already rounded to the picture's decimals, given as its
// integer part and its decimals as a whole number below 10^decimals: the
// picture's leading zeros, the digits, the format's mark and the decimals,
// and a minus sign for a negative number that did not round to zero.
void appendRounded(std::string& out, bool negative, std::uint64_t integer, std::uint64_t decimals, Picture picture,
                   NumberFormat format) {
  std::array<char, 1 + kMaxIntegerPlaces + 1 + kMaxFastDecimals> text;
  char* const end = text.data() + text.size();
  char* first = end;
  if (picture.decimals > 0) {
    first = writeDigits(first, decimals, picture.decimals);
    *--first = format.decimalMark;
  }
  first = writeDigits(first, integer, picture.minIntegerDigits);
  if (negative && (integer != 0 || decimals != 0)) *--first = '-';
  out.append(first, static_cast<std::size_t>(end - first));
}

// The usual case done with one multiplication: |value| x 10^decimals is
// small, and far enough from a half that neither the 15-digit form nor the
// product's own rounding can move it across one, so rounding it to the
// nearest integer gives the digits the exact path would.
bool appendPictureFast(std::string& out, double value, Picture picture, NumberFormat format) {
  if (!fitsTheShortcuts(picture)) return false;
  const double power = kPowersOfTen[static_cast<std::size_t>(picture.decimals)];
  const double scaled = std::fabs(value) * power;
  if (!(scaled < kFastLimit)) return false;  // also refuses NaN
  const auto whole = static_cast<std::uint64_t>(scaled);  // the integer part: scaled is not negative
  const double fraction = scaled - static_cast<double>(whole);
  if (std::fabs(fraction - 0.5) <= scaled * kRoundingNoise) return false;
  const std::uint64_t rounded = whole + (fraction > 0.5 ? 1 : 0);
  const std::uint64_t unit = kWholePowersOfTen[static_cast<std::size_t>(picture.decimals)];
  appendRounded(out, value < 0, rounded / unit, rounded % unit, picture, format);
  return true;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

void appendPicture(std::string& out, double value, Picture picture, NumberFormat format) {
  if (!appendPictureFast(out, value, picture, format)) appendPictureExact(out, value, picture, format);
}

char* writeDecimalPicture(char* at, std::string_view text, char textMark, Picture picture, NumberFormat format,
                          bool keepMinus) {
  if (!fitsTheShortcuts(picture)) return nullptr;
  const char* p = text.data();
  const char* const end = p + text.size();
  const bool negative = p != end && *p == '-';
  if (p != end && (*p == '-' || *p == '+')) ++p;
  const char* const digitsBegin = p;
  while (p != end && *p == '0') ++p;
  const char* const integerBegin = p;
  while (p != end && isDigit(*p)) ++p;
  const char* const integerEnd = p;
  const char* fractionBegin = p;
  if (p != end && *p == textMark) {
    fractionBegin = ++p;
    while (p != end && isDigit(*p)) ++p;
  }
  const char* const fractionEnd = p;
  if (p != end || (integerEnd == digitsBegin && fractionEnd == fractionBegin)) return nullptr;

  // A text of at most 15 significant digits is the 15-digit form of the
  // double it reads as, so rounding its own digits is what the exact path
  // does; any other text is left to the caller.
  const auto integerDigits = static_cast<int>(integerEnd - integerBegin);
  const auto fractionDigits = static_cast<int>(fractionEnd - fractionBegin);
  int fractionZeros = 0;  // leading zeros of a fraction without an integer part
  if (integerDigits == 0)
    while (fractionZeros < fractionDigits && fractionBegin[fractionZeros] == '0') ++fractionZeros;
  if (integerDigits + fractionDigits - fractionZeros > kSignificantDigits) return nullptr;

  const int decimals = picture.decimals;
  const int kept = std::min(fractionDigits, decimals);
  const int zeros = std::max(picture.minIntegerDigits - integerDigits, 0);
  const bool roundUp = fractionDigits > decimals && fractionBegin[decimals] >= '5';  // half away from zero
  // A carry out of the first digit takes a place of its own when no leading
  // zero takes it: every digit kept is a 9.
  const auto nine = [](char c) { return c == '9'; };
  const bool carryOut = roundUp && zeros == 0 && kept == decimals && std::all_of(integerBegin, integerEnd, nine) &&
                        std::all_of(fractionBegin, fractionBegin + kept, nine);
  // No minus sign for what shows as zero, unless it is kept.
  const bool zero = !roundUp && integerDigits == 0 && fractionZeros >= kept;

  // Laid out in place, not in a buffer of its own to be copied: the sign,
  // the place of a carry, the picture's leading zeros, the integer digits,
  // the mark and the picture's decimals, cut from the fraction or filled
  // with zeros. The digits are copied in one piece with the text's mark
  // between them, and the mark put right after.
  char* q = at;
  if (negative && (keepMinus || !zero)) *q++ = '-';
  char* const first = q;
  if (carryOut) *q++ = '0';
  if (zeros > 0) q = std::fill_n(q, zeros, '0');
  if (kept > 0) {
    q = std::copy(integerBegin, fractionBegin + kept, q);
    q[-kept - 1] = format.decimalMark;
  } else {
    q = std::copy(integerBegin, integerEnd, q);
    if (decimals > 0) *q++ = format.decimalMark;
  }
  if (kept < decimals) q = std::fill_n(q, decimals - kept, '0');
  if (roundUp) {
    char* d = q - 1;
    for (; d > first && (*d == '9' || *d == format.decimalMark); --d)
      if (*d == '9') *d = '0';
    ++*d;  // a leading zero, or the place of the carry, at the latest
  }
  return q;
}

bool appendDecimalPicture(std::string& out, std::string_view text, char textMark, Picture picture,
                          NumberFormat format) {
  const std::size_t start = out.size();
  out.resize(start + decimalPictureBound(text.size(), picture));
  const char* const end = writeDecimalPicture(out.data() + start, text, textMark, picture, format);
  out.resize(end == nullptr ? start : static_cast<std::size_t>(end - out.data()));
  return end != nullptr;
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
