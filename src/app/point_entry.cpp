#include "app/point_entry.hpp"

#include <cmath>

#include "app/field_reading.hpp"
#include "app/messages.hpp"

namespace brelosta {
namespace {

constexpr double kLatitudeLimit = 88.0;          // degrees
constexpr double kLongitudeLimit = 180.0;        // degrees
constexpr double kUtmNorthLimit = 10000000.0;    // metres
constexpr double kUtmEastMinimum = 100000.0;     // metres
constexpr double kUtmEastMaximum = 900000.0;     // metres

void zeroIfEmpty(Control& box) {
  if (box.text.empty()) box.text = "0";
}

bool within(double value, double low, double high) { return value >= low && value <= high; }

double signOf(double value) { return value > 0.0 ? 1.0 : (value < 0.0 ? -1.0 : 0.0); }

// |D| + |M| / 60 + |S| / 3600 with the sign of the degrees text.
double angleFromParts(const Control& degrees, const Control& minutes, const Control& seconds,
                      NumberFormat format) {
  const double magnitude = std::fabs(strictOf(degrees, format)) + std::fabs(strictOf(minutes, format)) / 60.0 +
                           std::fabs(strictOf(seconds, format)) / 3600.0;
  return degreesTextSign(degrees.text, format) * magnitude;
}

}  // namespace

double degreesTextSign(std::string_view degreesText, NumberFormat format) {
  if (degreesText == "-0") return -1.0;
  if (degreesText == "0") return 1.0;
  return signOf(lenientValue(degreesText, format));
}

double takeSourceHeight(const SystemPanel& source, NumberFormat format) {
  if (source.LAT_D.text.empty() || source.LON_D.text.empty()) throw CommandEnded{};
  zeroIfEmpty(source.ALT_M);
  return strictOf(source.ALT_M, format);
}

void checkSourceRange(App& app, const SystemPanel& source, CoordinateSystemKind kind) {
  const NumberFormat format = app.state.numberFormat;
  const double first = lenientOf(source.LAT_D, format);
  const double second = lenientOf(source.LON_D, format);
  if (kind == CoordinateSystemKind::Geographic) {
    if (!within(first, -kLatitudeLimit, kLatitudeLimit))
      refuse(app, "La Latitud debe estar entre -88 y 88 grados");
    if (!within(second, -kLongitudeLimit, kLongitudeLimit))
      refuse(app, "La Longitud debe estar entre -180 y 180 grados");
  } else if (kind == CoordinateSystemKind::Utm) {
    if (!within(first, -kUtmNorthLimit, kUtmNorthLimit))
      refuse(app, "La Coordenada Norte debe estar entre -10.000.000 y 10.000.000 metros");
    if (!within(second, kUtmEastMinimum, kUtmEastMaximum))
      refuse(app, "La Coordenada Este debe estar entre 100.000 y 900.000 metros");
  }
}

LatLon readGeographicEntry(const SystemPanel& source, NumberFormat format) {
  if (source.angleFormat() == AngleFormat::DecimalDegrees) {
    for (Control* box : {&source.LAT_D, &source.LON_D, &source.ALT_M}) zeroIfEmpty(*box);
    return {strictOf(source.LAT_D, format), strictOf(source.LON_D, format)};
  }
  for (Control* box : {&source.LAT_D, &source.LAT_M, &source.LAT_S, &source.LON_D, &source.LON_M,
                       &source.LON_S, &source.ALT_M})
    zeroIfEmpty(*box);
  const double latitude = angleFromParts(source.LAT_D, source.LAT_M, source.LAT_S, format);
  const double longitude = angleFromParts(source.LON_D, source.LON_M, source.LON_S, format);
  return {latitude, longitude};
}

}  // namespace brelosta
