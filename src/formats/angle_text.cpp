#include "formats/angle_text.hpp"

#include <array>
#include <charconv>
#include <cmath>

#include "core/picture_format.hpp"

namespace brelosta {
namespace {

constexpr Picture kSecondsPicture = parsePicture("##0.00000");
constexpr Picture kDecimalAnglePicture = parsePicture("##0.000000000");

constexpr Picture kWholeNumber = parsePicture("0");
constexpr double kExactWholeLimit = 1e15;  // whole numbers below it convert to long long exactly

// A whole number of degrees or minutes, as the picture "0" writes it.
void writeWhole(std::string& text, double whole, NumberFormat format) {
  if (!(std::fabs(whole) < kExactWholeLimit)) {
    text.clear();
    appendPicture(text, whole, kWholeNumber, format);
    return;
  }
  std::array<char, 24> digits;
  const auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), static_cast<long long>(whole));
  (void)error;  // 24 characters hold every long long
  text.clear();
  text.append(digits.data(), static_cast<std::size_t>(end - digits.data()));
}

}  // namespace

void splitAngle(double angle, NumberFormat format, std::string& degrees, std::string& minutes,
                std::string& seconds) {
  const double magnitude = std::fabs(angle);
  double D = std::trunc(magnitude);
  const double minutesExact = 60.0 * (magnitude - D);
  double M = std::trunc(minutesExact);
  double S = 60.0 * std::fabs(minutesExact - M);

  seconds.clear();
  appendPicture(seconds, S, kSecondsPicture, format);
  // S is below 60, so its text only reaches "60.00000" by rounding.
  if (seconds.starts_with("60")) {
    M += 1.0;
    S = 0.0;
    seconds.clear();
    appendPicture(seconds, S, kSecondsPicture, format);
  }
  if (M >= 60.0) {
    D += 1.0;
    M = 0.0;
  }

  if (angle < 0.0 && D == 0.0)
    degrees = "-0";
  else
    writeWhole(degrees, angle < 0.0 ? -D : D, format);
  writeWhole(minutes, M, format);
}

void writeDecimalAngle(std::string& text, double angle, NumberFormat format) {
  text.clear();
  appendPicture(text, angle, kDecimalAnglePicture, format);
}

}  // namespace brelosta
