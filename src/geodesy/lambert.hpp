#pragma once

#include "geodesy/ellipsoid_shape.hpp"

namespace brelosta {

// The ellipsoidal Lambert conformal conic with two standard parallels
// (Snyder 1987, eqs. 15-1 to 15-11 and 14-15), with a closed-form inverse:
// the latitude from the conformal latitude by the series of eq. 3-5.
struct LambertParameters {
  double phi1 = 0.0;           // first standard parallel, degrees
  double phi2 = 0.0;           // second standard parallel, degrees
  double phi0 = 0.0;           // latitude of origin, degrees
  double lambda0 = 0.0;        // longitude of origin, degrees east
  double falseEasting = 0.0;   // metres
  double falseNorthing = 0.0;  // metres
};

GridPoint lambertForward(LatLon position, const EllipsoidShape& ellipsoid, const LambertParameters& p);
LatLon lambertInverse(GridPoint point, const EllipsoidShape& ellipsoid, const LambertParameters& p);

}  // namespace brelosta
