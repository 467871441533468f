#include "app/projection_parameters.hpp"

#include <cmath>

#include "app/field_reading.hpp"
#include "app/message_places.hpp"
#include "app/messages.hpp"
#include "core/picture_format.hpp"

namespace brelosta {
namespace {

constexpr std::string_view kMissingOriginLongitude = "Introduzca la Longitud Origen";
constexpr std::string_view kMissingFirstParallel = "Introduzca el primer paralelo standard";
constexpr std::string_view kMissingSecondParallel = "Introduzca el segundo paralelo standard";
constexpr std::string_view kMissingUtmZone = "Introduzca la Zona UTM ó Huso Geográfico";
constexpr std::string_view kUtmZoneNotWhole = "La Zona UTM debe ser un número entero entre 1 y 60";
constexpr double kLastUtmZone = 60.0;
constexpr std::string_view kTrueScaleAtPole = "La Latitud de escala verdadera debe estar entre -90 y 90 grados";
constexpr double kPoleLatitude = 90.0;  // degrees

bool missing(const Control& box, NumberFormat format) { return lenientOf(box, format) == 0.0; }

void defaultIfMissing(Control& box, std::string_view text, NumberFormat format) {
  if (missing(box, format)) box.text = text;
}

void refuseIfMissing(App& app, const Control& box, std::string_view message) {
  if (missing(box, app.state.numberFormat)) refuse(app, message);
}

// The false origin and latitude of origin, shared by the three projections
// after their own first parameter(s).
void normaliseOrigin(App& app, const SystemPanel& panel) {
  const NumberFormat format = app.state.numberFormat;
  defaultIfMissing(panel.Lat_origen, "0", format);
  refuseIfMissing(app, panel.Lon_origen, kMissingOriginLongitude);
  defaultIfMissing(panel.Feste, "0", format);
  defaultIfMissing(panel.Fnorte, "0", format);
}

double strictOrLenient(const Control& box, NumberFormat format, bool strict) {
  return strict ? strictOf(box, format) : lenientOf(box, format);
}

}  // namespace

TransverseMercatorParameters transverseMercatorParameters(App& app, const SystemPanel& panel, PanelRole role) {
  const NumberFormat format = app.state.numberFormat;
  defaultIfMissing(panel.scaleFactor(), "1", format);
  normaliseOrigin(app, panel);
  const bool strictOffsets = role == PanelRole::Target;
  return {strictOf(panel.scaleFactor(), format), strictOf(panel.Lat_origen, format), strictOf(panel.Lon_origen, format),
          strictOrLenient(panel.Feste, format, strictOffsets), strictOrLenient(panel.Fnorte, format, strictOffsets)};
}

MercatorParameters mercatorParameters(App& app, const SystemPanel& panel, PanelRole role) {
  const NumberFormat format = app.state.numberFormat;
  defaultIfMissing(panel.trueScaleLatitude(), "0", format);
  normaliseOrigin(app, panel);
  const bool source = role == PanelRole::Source;
  const MercatorParameters parameters{strictOf(panel.trueScaleLatitude(), format),
                                      strictOrLenient(panel.Lat_origen, format, source),
                                      strictOf(panel.Lon_origen, format), lenientOf(panel.Feste, format),
                                      lenientOf(panel.Fnorte, format)};
  // At a pole the parallel of true scale has no length: every point would
  // project onto the origin.
  if (!(std::fabs(parameters.phi1) < kPoleLatitude)) refuse(app, kTrueScaleAtPole);
  return parameters;
}

LambertParameters lambertParameters(App& app, const SystemPanel& panel, PanelRole role) {
  const NumberFormat format = app.state.numberFormat;
  refuseIfMissing(app, panel.firstParallel(), kMissingFirstParallel);
  refuseIfMissing(app, panel.Para_2, kMissingSecondParallel);
  normaliseOrigin(app, panel);
  const bool strictOffsets = role == PanelRole::Source;
  return {strictOf(panel.firstParallel(), format),
          strictOf(panel.Para_2, format),
          strictOf(panel.Lat_origen, format),
          strictOf(panel.Lon_origen, format),
          strictOrLenient(panel.Feste, format, strictOffsets),
          strictOrLenient(panel.Fnorte, format, strictOffsets)};
}

TransverseMercatorParameters utmSourceParameters(App& app, const SystemPanel& panel) {
  const NumberFormat format = app.state.numberFormat;
  if (lenientOf(panel.utmZone(), format) == 0.0) refuse(app, kMissingUtmZone);
  // "19,5" would put the central meridian between two zones, and 61 or -19
  // a whole turn or a hemisphere away.
  const auto typed = strictValue(panel.utmZone().text, format);
  if (!typed || *typed != std::floor(*typed) || *typed < 1.0 || *typed > kLastUtmZone)
    refuse(app, kUtmZoneNotWhole,
           "Zona, " + std::string(sideName(panel.side)) + ": " + quotedText(panel.utmZone().text));
  const double zone = *typed;
  const bool south = panel.Hemisferio.text == kSouthernHemisphere;
  return {kUtmScaleFactor, 0.0, utmCentralMeridian(zone), kUtmFalseEasting,
          south ? kUtmSouthernFalseNorthing : 0.0};
}

UtmTargetZone::UtmTargetZone(const SystemPanel& panel, NumberFormat format)
    : automaticBox_(panel.Fijar),
      format_(format),
      automatic_(panel.Fijar.checked()),
      typed_(automatic_ ? 0.0 : lenientOf(panel.utmZone(), format)),
      text_(automatic_ ? std::string() : panel.utmZone().text),
      south_(panel.Hemisferio.text == kSouthernHemisphere) {}

TransverseMercatorParameters UtmTargetZone::parameters(double longitude, bool pointMode) {
  const double zone = automaticUtmZone(longitude);
  double usedZone = zone;
  // An empty box (0) is never the neighbour "zone 0" of zone 1.
  if (typed_ != 0.0 && (typed_ == zone + 1.0 || typed_ == zone - 1.0)) {
    usedZone = typed_;
  } else if (typed_ != 0.0 && typed_ != zone) {
    throw ZonesTooFarApart{zone, typed_};
  } else {
    text_ = shortestText(zone, format_);
    if (!automatic_) typed_ = zone;
    if (pointMode) automaticBox_.value = 1;
  }
  used_ = usedZone;
  return {kUtmScaleFactor, 0.0, utmCentralMeridian(usedZone), kUtmFalseEasting, 0.0};
}

TransverseMercatorParameters lomaQuintanaParameters(PanelRole role) {
  const double phi0 =
      role == PanelRole::Source ? kLomaQuintanaLatitudeInverse : kLomaQuintanaLatitudeForward;
  return {1.0, phi0, kLomaQuintanaMeridian, 0.0, 0.0};
}

}  // namespace brelosta
