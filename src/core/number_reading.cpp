#include "core/number_reading.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace brelosta {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Collects a number into the plain form std::from_chars reads ("-123.45e6"),
// in a small buffer that only grows for unusually long texts.
class PlainText {
 public:
  void push(char c) {
    if (size_ < inline_.size()) {
      inline_[size_++] = c;
      return;
    }
    if (overflow_.empty()) overflow_.assign(inline_.data(), size_);
    overflow_.push_back(c);
    ++size_;
  }
  std::string_view view() const {
    return overflow_.empty() ? std::string_view(inline_.data(), size_) : std::string_view(overflow_);
  }

 private:
  std::array<char, 64> inline_{};
  std::size_t size_ = 0;
  std::string overflow_;
};

// Decimal order of magnitude of a plain unsigned number: the power of ten of
// its first significant digit (0 for "5", 2 for "123", -3 for "0.001e0").
// Only needed to tell overflow from underflow, so a huge exponent saturates.
long orderOfMagnitude(std::string_view plain) {
  const auto e = plain.find_first_of("eE");
  const std::string_view mantissa = plain.substr(0, e);
  long exponent = 0;
  if (e != std::string_view::npos) {
    std::string_view digits = plain.substr(e + 1);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) digits.remove_prefix(1);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
    // Far beyond any double either way; kept small enough that adding the
    // position of the first digit cannot overflow.
    constexpr long kSaturated = std::numeric_limits<long>::max() / 4;
    if (error == std::errc::result_out_of_range || exponent > kSaturated) exponent = kSaturated;
    if (negative) exponent = -exponent;
  }
  const auto point = std::min(mantissa.find('.'), mantissa.size());
  const auto first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return std::numeric_limits<long>::min() / 2;
  const long position = first < point ? static_cast<long>(point - first) - 1
                                      : -static_cast<long>(first - point);
  return exponent + position;
}

// Reads a plain number ("-123.45e6"). A magnitude beyond the double range is
// reported as not ok with an infinite value; one below it reads as zero.
struct PlainResult {
  bool ok = false;
  double value = 0.0;
};

// Exact powers of ten: every one up to 1e22 is a double.
constexpr std::array<double, 23> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The digits of a number as they are scanned, for Clinger's fast path: a
// decimal without exponent and with at most 15 significant digits is an
// exact integer divided by an exact power of ten, and the division rounds
// that quotient correctly, as std::from_chars does. The usual texts of
// coordinates take this path; any other text goes the long way.
struct ShortDecimal {
  // Up to 19 digits fit in 64 bits; leading zeros leave the mantissa 0, so
  // it stays below 10^15 exactly when there are at most 15 significant
  // digits.
  static constexpr std::size_t kMaxDigits = 19;
  static constexpr std::uint64_t kSignificantLimit = 1'000'000'000'000'000;

  std::uint64_t mantissa = 0;
  std::size_t digitCount = 0;
  std::size_t fractionDigits = 0;

  // Scans digits with at most one decimal mark (`mark` or `otherMark`) from
  // text[i]; returns where it stopped.
  std::size_t scan(std::string_view text, std::size_t i, char mark, char otherMark) {
    const std::size_t integerEnd = digits(text, i);
    digitCount = integerEnd - i;
    i = integerEnd;
    if (i < text.size() && (text[i] == mark || text[i] == otherMark)) {
      const std::size_t fractionEnd = digits(text, i + 1);
      fractionDigits = fractionEnd - (i + 1);
      digitCount += fractionDigits;
      i = fractionEnd;
    }
    return i;
  }

  std::size_t digits(std::string_view text, std::size_t i) {
    for (; i < text.size(); ++i) {
      const auto d = static_cast<unsigned>(text[i] - '0');
      if (d > 9) break;
      mantissa = mantissa * 10 + d;  // wraps past 19 digits, which value() refuses
    }
    return i;
  }

  bool anyDigit() const { return digitCount > 0; }

  std::optional<double> value(bool negative) const {
    if (digitCount > kMaxDigits || mantissa >= kSignificantLimit || fractionDigits >= kPowersOfTen.size())
      return std::nullopt;
    const double magnitude = static_cast<double>(mantissa) / kPowersOfTen[fractionDigits];
    return negative ? -magnitude : magnitude;
  }
};

std::size_t skipSign(std::string_view text, std::size_t i, bool& negative) {
  negative = i < text.size() && text[i] == '-';
  return i < text.size() && (text[i] == '+' || text[i] == '-') ? i + 1 : i;
}

std::optional<double> fastLenient(std::string_view text, NumberFormat format) {
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  bool negative = false;
  i = skipSign(text, i, negative);
  ShortDecimal decimal;
  i = decimal.scan(text, i, '.', format.decimalMark);
  if (!decimal.anyDigit()) return 0.0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) return std::nullopt;
  return decimal.value(negative);
}

std::optional<double> fastWhole(std::string_view text, char mark) {
  const DecimalPrefix prefix = shortDecimalPrefix(text, mark);
  if (prefix.end != text.size()) return std::nullopt;
  return prefix.value;
}

PlainResult readPlain(std::string_view plain) {
  const bool negative = !plain.empty() && plain.front() == '-';
  if (!plain.empty() && (plain.front() == '+' || plain.front() == '-')) plain.remove_prefix(1);
  double magnitude = 0.0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), magnitude,
                                            std::chars_format::general);
  PlainResult result;
  if (error == std::errc::result_out_of_range) {
    const bool tooLarge = orderOfMagnitude(plain) > 0;
    result.ok = !tooLarge;
    result.value = tooLarge ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (error == std::errc() && end == plain.data() + plain.size()) {
    result.ok = true;
    result.value = magnitude;
  }
  if (negative) result.value = -result.value;
  return result;
}

// Scans an exponent "e[+-]digits" starting at text[i]; returns the position
// after it, or i when there is no complete exponent.
std::size_t scanExponent(std::string_view text, std::size_t i, PlainText& out) {
  if (i >= text.size() || (text[i] != 'e' && text[i] != 'E')) return i;
  std::size_t j = i + 1;
  const bool hasSign = j < text.size() && (text[j] == '+' || text[j] == '-');
  if (hasSign) ++j;
  if (j >= text.size() || !isDigit(text[j])) return i;
  out.push('e');
  if (hasSign) out.push(text[i + 1]);
  while (j < text.size() && isDigit(text[j])) out.push(text[j++]);
  return j;
}

}  // namespace

DecimalPrefix shortDecimalPrefix(std::string_view text, char mark) {
  bool negative = false;
  ShortDecimal decimal;
  DecimalPrefix prefix;
  prefix.end = decimal.scan(text, skipSign(text, 0, negative), mark, mark);
  if (decimal.anyDigit()) prefix.value = decimal.value(negative);
  return prefix;
}

double lenientValue(std::string_view text, NumberFormat format) {
  if (const auto fast = fastLenient(text, format)) return *fast;
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  PlainText plain;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain.push(text[i++]);
  bool anyDigit = false;
  while (i < text.size() && isDigit(text[i])) {
    plain.push(text[i++]);
    anyDigit = true;
  }
  if (i < text.size() && (text[i] == '.' || text[i] == format.decimalMark)) {
    ++i;
    plain.push('.');
    while (i < text.size() && isDigit(text[i])) {
      plain.push(text[i++]);
      anyDigit = true;
    }
  }
  if (!anyDigit) return 0.0;
  scanExponent(text, i, plain);
  return readPlain(plain.view()).value;
}

std::optional<double> strictValue(std::string_view text, NumberFormat format) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  if (const auto fast = fastWhole(text, format.decimalMark)) return fast;
  std::size_t i = 0;
  PlainText plain;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain.push(text[i++]);

  // Integer part: plain digits, or groups of three after a first group of one
  // to three digits.
  std::size_t integerDigits = 0;
  std::size_t groupLength = 0;
  bool grouped = false;
  while (i < text.size()) {
    if (isDigit(text[i])) {
      plain.push(text[i++]);
      ++integerDigits;
      ++groupLength;
    } else if (text[i] == format.groupSeparator && format.groupSeparator != format.decimalMark) {
      const bool firstGroupOk = !grouped && groupLength >= 1 && groupLength <= 3;
      const bool laterGroupOk = grouped && groupLength == 3;
      if (!firstGroupOk && !laterGroupOk) return std::nullopt;
      grouped = true;
      groupLength = 0;
      ++i;
    } else {
      break;
    }
  }
  if (grouped && groupLength != 3) return std::nullopt;

  std::size_t fractionDigits = 0;
  if (i < text.size() && text[i] == format.decimalMark) {
    ++i;
    plain.push('.');
    while (i < text.size() && isDigit(text[i])) {
      plain.push(text[i++]);
      ++fractionDigits;
    }
  }
  if (integerDigits + fractionDigits == 0) return std::nullopt;
  const std::size_t afterExponent = scanExponent(text, i, plain);
  if (afterExponent != text.size()) return std::nullopt;
  const PlainResult result = readPlain(plain.view());
  if (!result.ok) return std::nullopt;
  return result.value;
}

bool ambiguousGrouping(std::string_view text, NumberFormat format) {
  if (format.groupSeparator == format.decimalMark) return false;
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
  const auto separator = text.find(format.groupSeparator);
  if (separator == std::string_view::npos || separator < 1 || separator > 3) return false;
  const auto digits = [](std::string_view part) { return std::all_of(part.begin(), part.end(), isDigit); };
  if (!digits(text.substr(0, separator))) return false;
  const std::string_view rest = text.substr(separator + 1);
  const std::string_view group = rest.substr(0, 3);
  if (group.size() != 3 || !digits(group)) return false;
  const std::string_view tail = rest.substr(3);
  if (tail.empty()) return true;
  PlainText ignored;
  return scanExponent(tail, 0, ignored) == tail.size();
}

std::optional<double> plainNumber(std::string_view text) {
  if (const auto fast = fastWhole(text, '.')) return fast;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t exponentDigits = 0;
    while (i < text.size() && isDigit(text[i])) ++i, ++exponentDigits;
    if (exponentDigits == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  const PlainResult result = readPlain(text);
  if (!result.ok) return std::nullopt;
  return result.value;
}

}  // namespace brelosta
