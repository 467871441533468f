#pragma once

#include "geodesy/ellipsoid_shape.hpp"

namespace brelosta {

// The ellipsoidal normal Mercator with a latitude of true scale (Snyder 1987,
// eqs. 7-7, 7-9 and 7-12 with k1 of eq. 7-11), plus a latitude shift:
// the projection is applied to the latitude minus phi0.
struct MercatorParameters {
  double phi1 = 0.0;           // latitude of true scale, degrees (0 = the equator)
  double phi0 = 0.0;           // latitude shift, degrees
  double lambda0 = 0.0;        // central meridian, degrees east
  double falseEasting = 0.0;   // metres
  double falseNorthing = 0.0;  // metres

  bool operator==(const MercatorParameters&) const = default;
};

// The projection for one ellipsoid and one set of parameters; the
// eccentricity and the scale factor k1 of the parallel of true scale are
// worked out once, with the same operations as per point.
class Mercator {
 public:
  Mercator(const EllipsoidShape& ellipsoid, const MercatorParameters& parameters);

  GridPoint forward(LatLon position) const;
  // The latitude from the isometric latitude by exactly 20 fixed-point steps.
  LatLon inverse(GridPoint point) const;

  const MercatorParameters& parameters() const { return p_; }

 private:
  MercatorParameters p_;
  double a_;   // semi-major axis, metres
  double e_;   // eccentricity
  double k1_;  // scale factor of the parallel of true scale
};

}  // namespace brelosta
