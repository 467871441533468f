#include "formats/field_text.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <string_view>

namespace brelosta {
namespace {

constexpr int kExactDigits = 15;

// The shortest text of a number written in a file with the decimal mark
// `mark`, when it can be told from the text alone: an optional minus, an
// integer part without leading zeros, an optional fraction (its trailing
// zeros dropped, and the mark with them when nothing is left), no exponent, at most 15 significant
// digits. Two decimals of at most 15 significant digits never read as the
// same double, so that text is the shortest that reads back as the value.
std::optional<std::string_view> shortestOf(std::string_view text, char mark) {
  std::size_t i = text.starts_with('-') ? 1 : 0;
  const std::size_t integerStart = i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
  const std::size_t integerLength = i - integerStart;
  if (integerLength == 0 || (integerLength > 1 && text[integerStart] == '0')) return std::nullopt;
  std::size_t end = i;
  if (i < text.size() && text[i] == mark) {
    ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    end = i;
    while (text[end - 1] == '0') --end;
    if (text[end - 1] == mark) --end;
  }
  if (i != text.size()) return std::nullopt;
  const std::string_view shortest = text.substr(0, end);
  const bool zeroInteger = integerLength == 1 && text[integerStart] == '0';
  const std::size_t firstSignificant =
      zeroInteger
          ? std::min(shortest.find_first_not_of(mark == '.' ? "0." : "0,", integerStart), shortest.size())
          : integerStart;
  std::size_t significant = shortest.size() - firstSignificant;
  if (!zeroInteger && end > integerStart + integerLength) --significant;  // the mark
  if (significant > kExactDigits) return std::nullopt;
  return shortest;
}

}  // namespace

void appendFieldText(std::string& out, const Field& field, NumberFormat format) {
  if (!field.isNumber()) {
    out += field.text;
    return;
  }
  if (const auto shortest = shortestOf(field.text, field.mark)) {
    const std::size_t start = out.size();
    out += *shortest;
    if (format.decimalMark != field.mark)
      std::replace(out.begin() + static_cast<std::ptrdiff_t>(start), out.end(), field.mark,
                   format.decimalMark);
    return;
  }
  // Fixed notation of the largest double takes 309 digits.
  std::array<char, 400> buffer;
  const auto [end, error] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), field.number, std::chars_format::fixed);
  (void)error;  // the buffer holds every double in fixed notation
  for (const char* c = buffer.data(); c != end; ++c) out += *c == '.' ? format.decimalMark : *c;
}

}  // namespace brelosta
