#include "batch/field_text.hpp"

#include <array>
#include <charconv>

namespace brelosta {

void appendFieldText(std::string& out, const Field& field, NumberFormat format) {
  if (!field.isNumber()) {
    out += field.text;
    return;
  }
  // Fixed notation of the largest double takes 309 digits.
  std::array<char, 400> buffer{};
  const auto [end, error] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), field.number, std::chars_format::fixed);
  (void)error;  // the buffer holds every double in fixed notation
  for (const char* c = buffer.data(); c != end; ++c) out += *c == '.' ? format.decimalMark : *c;
}

}  // namespace brelosta
