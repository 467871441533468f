// The lenient and strict number readers on any text, in both number formats.
// A strict read that succeeds gives a finite value that the shortest text
// gives back exactly; without grouping the lenient read agrees with it. A
// text of ambiguous grouping without exponent is one the strict reader takes.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/number_reading.hpp"
#include "core/picture_format.hpp"

using namespace brelosta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const NumberFormat format : {NumberFormat::point(), NumberFormat::comma()}) {
    const double lenient = lenientValue(text, format);
    const auto strict = strictValue(text, format);
    // Without an exponent such a text has at most seven digits.
    if (ambiguousGrouping(text, format) && !strict && text.find_first_of("eE") == std::string_view::npos)
      std::abort();
    if (!strict) continue;
    if (!std::isfinite(*strict)) std::abort();
    if (strictValue(shortestText(*strict, format), format) != *strict) std::abort();
    const bool grouped = text.find(format.groupSeparator) != std::string_view::npos;
    const bool otherMark = format.decimalMark == ',' && text.find('.') != std::string_view::npos;
    if (!grouped && !otherMark && lenient != *strict && !(lenient == 0 && *strict == 0)) std::abort();
  }
  return 0;
}
