#include "app/conversion_setup.hpp"

#include "app/field_reading.hpp"

namespace brelosta {
namespace {

EllipsoidShape sideEllipsoid(const MainWindowState& state, const SystemPanel& panel) {
  if (panel.onReferenceDatum())
    return EllipsoidShape::fromInverseFlattening(state.Wgs84Ellipsoid.semiMajorAxis,
                                                 state.Wgs84Ellipsoid.inverseFlattening);
  return EllipsoidShape::fromInverseFlattening(strictOf(state.elipsoide_a, state.numberFormat),
                                               strictOf(state.elipsoide_f, state.numberFormat));
}

RecordFamily familyOf(const SystemPanel& panel) {
  return recordFamily(panel.kind().value_or(CoordinateSystemKind::Utm), panel.angleFormat());
}

PanelProjection readProjection(App& app, const SystemPanel& panel, PanelRole role) {
  PanelProjection projection;
  switch (panel.kind().value_or(CoordinateSystemKind::Geographic)) {
    case CoordinateSystemKind::Geographic:
      break;
    case CoordinateSystemKind::Utm:
      // A target's UTM zone follows each point (see UtmTargetZone).
      if (role == PanelRole::Source) projection.transverseMercator = utmSourceParameters(app, panel);
      break;
    case CoordinateSystemKind::TransverseMercator:
      projection.transverseMercator = transverseMercatorParameters(app, panel, role);
      break;
    case CoordinateSystemKind::LomaQuintana:
      projection.transverseMercator = lomaQuintanaParameters(role);
      break;
    case CoordinateSystemKind::Mercator:
      projection.mercator = mercatorParameters(app, panel, role);
      break;
    case CoordinateSystemKind::LambertConic:
      projection.lambert = lambertParameters(app, panel, role);
      break;
  }
  return projection;
}

}  // namespace

ConversionSetup::ConversionSetup(App& app, ConversionDirection direction)
    : app(app),
      direction(direction),
      format(app.state.numberFormat),
      fileMode(app.state.M_Archivo.checked()),
      source(systemPanel(app.state, sourceSide(direction))),
      target(systemPanel(app.state, otherSide(source.side))),
      sourceKind(source.kind()),
      targetKind(target.kind()),
      sourceFamily(familyOf(source)),
      targetFamily(familyOf(target)),
      targetEllipsoid(sideEllipsoid(app.state, target)),
      sourceEllipsoid(sideEllipsoid(app.state, source)),
      datum(source.DATUM.text, target.DATUM.text, sourceEllipsoid, targetEllipsoid) {}

const PanelProjection& ConversionSetup::sourceProjection() {
  if (!sourceProjection_) sourceProjection_ = readProjection(app, source, PanelRole::Source);
  return *sourceProjection_;
}

const PanelProjection& ConversionSetup::targetProjection() {
  if (!targetProjection_) targetProjection_ = readProjection(app, target, PanelRole::Target);
  return *targetProjection_;
}

UtmTargetZone& ConversionSetup::targetZone() {
  if (!targetZone_) targetZone_.emplace(target, format);
  return *targetZone_;
}

}  // namespace brelosta
