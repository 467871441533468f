#include "app/point_entry.hpp"

#include <cmath>

#include "app/field_reading.hpp"
#include "app/messages.hpp"
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

// |D| + |M| / 60 + |S| / 3600 with the sign of the degrees, from the
// degrees slot and the two after it, read in that order (the first text
// that is not a number is the one reported).
double angleFromParts(const PointEntry& entry, std::size_t degrees, NumberFormat format) {
  const double d = std::fabs(strictEntry(entry, degrees, format));
  const double m = std::fabs(strictEntry(entry, degrees + 1, format));
  const double s = std::fabs(strictEntry(entry, degrees + 2, format));
  return degreesSign(entry[degrees], format) * (d + m / 60.0 + s / 3600.0);
}

}  // namespace

bool isEmptyEntry(const Field& entry) { return !entry.isNumber() && entry.text.empty(); }

double strictEntry(const PointEntry& entry, std::size_t slot, NumberFormat format) {
  const Field& field = entry[slot];
  if (field.isNumber()) return field.number;
  const auto value = boxValue(field.text, format);
  if (!value) throw EntryError{slot, false};
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
  for (const std::size_t slot : {kFirstEntrySlot, secondSlot(family)})
    if (isEmptyEntry(entry[slot])) throw EntryError{slot, true};
  const std::size_t height = heightEntrySlot(family);
  zeroIfEmpty(entry[height]);
  return strictEntry(entry, height, format);
}

void checkSourceRange(NumberFormat format, const PointEntry& entry, RecordFamily family,
                      CoordinateSystemKind kind, const std::function<std::string(std::size_t slot)>& place) {
  const std::size_t second = secondSlot(family);
  const double firstValue = lenientEntry(entry[kFirstEntrySlot], format);
  const double secondValue = lenientEntry(entry[second], format);
  const auto refuseSlot = [&](std::string_view text, std::size_t slot) {
    throw PointFailure{MessageIcon::Warning, std::string(text), place(slot)};
  };
  if (kind == CoordinateSystemKind::Geographic) {
    if (!within(firstValue, -kLatitudeLimit, kLatitudeLimit))
      refuseSlot("La Latitud debe estar entre -88 y 88 grados", kFirstEntrySlot);
    if (!within(secondValue, -kLongitudeLimit, kLongitudeLimit))
      refuseSlot("La Longitud debe estar entre -180 y 180 grados", second);
  } else if (kind == CoordinateSystemKind::Utm) {
    if (!within(firstValue, -kUtmNorthLimit, kUtmNorthLimit))
      refuseSlot("La Coordenada Norte debe estar entre -10.000.000 y 10.000.000 metros", kFirstEntrySlot);
    if (!within(secondValue, kUtmEastMinimum, kUtmEastMaximum))
      refuseSlot("La Coordenada Este debe estar entre 100.000 y 900.000 metros", second);
  }
}

LatLon readGeographicEntry(PointEntry& entry, RecordFamily family, NumberFormat format) {
  for (int k = 0; k < slotCount(family); ++k) zeroIfEmpty(entry[static_cast<std::size_t>(k)]);
  if (family != RecordFamily::GeographicDms) return {strictEntry(entry, 0, format), strictEntry(entry, 1, format)};
  const double latitude = angleFromParts(entry, 0, format);
  const double longitude = angleFromParts(entry, 3, format);
  return {latitude, longitude};
}

}  // namespace brelosta
