#pragma once

#include <optional>

#include "app/app.hpp"
#include "app/datum_stage.hpp"
#include "app/projection_parameters.hpp"
#include "app/system_panel.hpp"
#include "formats/record_layout.hpp"
#include "geodesy/coordinate_system.hpp"
#include "geodesy/ellipsoid_shape.hpp"
#include "geodesy/lambert.hpp"
#include "geodesy/mercator.hpp"
#include "geodesy/transverse_mercator.hpp"

namespace brelosta {

// The projection parameters of one panel, for its kind (geographic panels
// have none).
struct PanelProjection {
  TransverseMercatorParameters transverseMercator;  // UTM, Transverse Mercator, local grid
  MercatorParameters mercator;
  LambertParameters lambert;
};

// A panel's projection for its parameters, made when the first point needs
// it (and again when a UTM target's zone changes from point to point).
struct MadeProjections {
  std::optional<TransverseMercator> transverseMercator;
  std::optional<Mercator> mercator;
  std::optional<LambertConic> lambert;
};

// What one convert command reads from the window, once. The kinds, record
// families and ellipsoids are read when the command starts; the projection
// parameters of each side, the datum shift and the target's UTM zone when
// the first point reaches their stage, so that a point refused or stopped
// earlier is reported as such and the refusals keep the order of a point's
// stages. Reading a side's parameters writes their defaults into its boxes
// or refuses a missing one, as the panel always has.
class ConversionSetup {
 public:
  ConversionSetup(App& app, ConversionDirection direction);

  App& app;
  ConversionDirection direction;
  NumberFormat format;
  bool fileMode;
  SystemPanel source;
  SystemPanel target;
  std::optional<CoordinateSystemKind> sourceKind;
  std::optional<CoordinateSystemKind> targetKind;
  // A kind the lists do not hold reads its entries as a grid; the
  // conversion refuses it at the first point.
  RecordFamily sourceFamily;
  RecordFamily targetFamily;
  EllipsoidShape targetEllipsoid;  // read before the source's, as the window always has
  EllipsoidShape sourceEllipsoid;
  DatumStage datum;
  MadeProjections sourceMade;
  MadeProjections targetMade;

  const PanelProjection& sourceProjection();
  const PanelProjection& targetProjection();
  UtmTargetZone& targetZone();
  // The target's UTM zone once a point has reached it.
  const std::optional<UtmTargetZone>& targetZoneIfRead() const { return targetZone_; }

 private:
  std::optional<PanelProjection> sourceProjection_;
  std::optional<PanelProjection> targetProjection_;
  std::optional<UtmTargetZone> targetZone_;
};

}  // namespace brelosta
