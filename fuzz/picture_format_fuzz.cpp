// The picture formatter on any double (huge, tiny, negative zero, not
// finite) and every picture the program uses: the text reads back, in the
// same number format, as the value to the picture's precision.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/number_reading.hpp"
#include "core/picture_format.hpp"

using namespace brelosta;

namespace {

constexpr const char* kPictures[] = {"##0.000000000", "######0.0000", "######0.000", "####0.000",
                                     "####0.0000",    "##0.0000",     "#0000000.0000", "#00000000.0000",
                                     "#0000.0000",    "#00.000000000", "##00.00",    "00",
                                     "#00",           "00.0000",      "##0.00000",  "0"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 9) return 0;
  double value = 0;
  std::memcpy(&value, data + 1, sizeof value);
  const Picture picture = parsePicture(kPictures[data[0] % std::size(kPictures)]);
  const NumberFormat format = data[0] & 0x80 ? NumberFormat::comma() : NumberFormat::point();
  const std::string text = formatPicture(value, picture, format);
  if (!std::isfinite(value)) return 0;
  const auto back = strictValue(text, format);
  // Only the largest doubles round, at 15 digits, past the double range.
  if (!back) {
    if (std::fabs(value) < 1.79769313486231e308) std::abort();
    return 0;
  }
  const double unit = std::pow(10.0, -picture.decimals);
  // Rounding on the 15-digit form may move the last digit by one unit.
  if (std::fabs(*back - value) > unit * 1.0000001 + std::fabs(value) * 1e-14) std::abort();
  if (text.starts_with('-') && *back == 0.0) std::abort();  // no "-0.000"
  if (picture.decimals == 0 ? text.find(format.decimalMark) != std::string::npos
                            : text.size() - text.find(format.decimalMark) - 1 != static_cast<std::size_t>(picture.decimals))
    std::abort();
  return 0;
}
