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
};

GridPoint mercatorForward(LatLon position, const EllipsoidShape& ellipsoid, const MercatorParameters& p);

// The latitude from the isometric latitude by exactly 20 fixed-point steps.
LatLon mercatorInverse(GridPoint point, const EllipsoidShape& ellipsoid, const MercatorParameters& p);

}  // namespace brelosta
