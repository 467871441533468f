#include "formats/angle_text.hpp"

#include <cmath>

#include "core/picture_format.hpp"

namespace brelosta {
namespace {

constexpr Picture kWholeNumber = parsePicture("0");
constexpr Picture kSecondsPicture = parsePicture("##0.00000");
constexpr Picture kDecimalAnglePicture = parsePicture("##0.000000000");

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

  degrees.clear();
  if (angle < 0.0 && D == 0.0)
    degrees = "-0";
  else
    appendPicture(degrees, angle < 0.0 ? -D : D, kWholeNumber, format);
  minutes.clear();
  appendPicture(minutes, M, kWholeNumber, format);
}

void writeDecimalAngle(std::string& text, double angle, NumberFormat format) {
  text.clear();
  appendPicture(text, angle, kDecimalAnglePicture, format);
}

}  // namespace brelosta
