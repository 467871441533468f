#include "core/number_reading.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
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
    if (error == std::errc::result_out_of_range) exponent = std::numeric_limits<long>::max() / 2;
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

double lenientValue(std::string_view text, NumberFormat format) {
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

std::optional<double> plainNumber(std::string_view text) {
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
