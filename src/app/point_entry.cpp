#include "app/point_entry.hpp"

#include <cmath>

#include "app/messages.hpp"
#include "app/reaction_errors.hpp"
#include "core/number_reading.hpp"

namespace brelosta {
namespace {

constexpr double kLatitudeLimit = 88.0;          // degrees
constexpr double kLongitudeLimit = 180.0;        // degrees
constexpr double kUtmNorthLimit = 10000000.0;    // metres
constexpr double kUtmEastMinimum = 100000.0;     // metres
constexpr double kUtmEastMaximum = 900000.0;     // metres

void zeroIfEmpty(Field& entry) {
  if (isEmptyEntry(entry)) entry = Field{Field::Type::Text, "0", 0.0};
}

bool within(double value, double low, double high) { return value >= low && value <= high; }

double signOf(double value) { return value > 0.0 ? 1.0 : (value < 0.0 ? -1.0 : 0.0); }

// A number is written out with the digits that read back as itself, so its
// text is "-0" exactly for a negative zero.
double degreesSign(const Field& degrees, NumberFormat format) {
  if (degrees.isNumber()) return std::signbit(degrees.number) ? -1.0 : 1.0;
  return degreesTextSign(degrees.text, format);
}

// |D| + |M| / 60 + |S| / 3600 with the sign of the degrees.
double angleFromParts(const Field& degrees, const Field& minutes, const Field& seconds, NumberFormat format) {
  const double magnitude = std::fabs(strictEntry(degrees, format)) + std::fabs(strictEntry(minutes, format)) / 60.0 +
                           std::fabs(strictEntry(seconds, format)) / 3600.0;
  return degreesSign(degrees, format) * magnitude;
}

}  // namespace

bool isEmptyEntry(const Field& entry) { return !entry.isNumber() && entry.text.empty(); }

// A text whose only group separator may be a decimal mark is a data error
// too: a quoted field of a point file, which writes its decimals with a
// point, reaches here as it is (typed boxes were refused before).
double strictEntry(const Field& entry, NumberFormat format) {
  if (entry.isNumber()) return entry.number;
  const auto value = strictValue(entry.text, format);
  if (!value || ambiguousGrouping(entry.text, format)) throw DataError{};
  return *value;
}

double lenientEntry(const Field& entry, NumberFormat format) {
  return entry.isNumber() ? entry.number : lenientValue(entry.text, format);
}

double degreesTextSign(std::string_view degreesText, NumberFormat format) {
  if (degreesText == "-0") return -1.0;
  if (degreesText == "0") return 1.0;
  return signOf(lenientValue(degreesText, format));
}

double takeSourceHeight(PointEntry& entry, RecordFamily family, NumberFormat format) {
  if (isEmptyEntry(entry[kFirstEntrySlot]) || isEmptyEntry(entry[secondSlot(family)])) throw CommandEnded{};
  Field& height = entry[heightEntrySlot(family)];
  zeroIfEmpty(height);
  return strictEntry(height, format);
}

void checkSourceRange(App& app, const PointEntry& entry, RecordFamily family, CoordinateSystemKind kind) {
  const NumberFormat format = app.state.numberFormat;
  const double first = lenientEntry(entry[kFirstEntrySlot], format);
  const double second = lenientEntry(entry[secondSlot(family)], format);
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

LatLon readGeographicEntry(PointEntry& entry, RecordFamily family, NumberFormat format) {
  for (int k = 0; k < slotCount(family); ++k) zeroIfEmpty(entry[static_cast<std::size_t>(k)]);
  if (family != RecordFamily::GeographicDms) return {strictEntry(entry[0], format), strictEntry(entry[1], format)};
  const double latitude = angleFromParts(entry[0], entry[1], entry[2], format);
  const double longitude = angleFromParts(entry[3], entry[4], entry[5], format);
  return {latitude, longitude};
}

}  // namespace brelosta
