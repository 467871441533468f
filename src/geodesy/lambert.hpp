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

  bool operator==(const LambertParameters&) const = default;
};

// The projection for one ellipsoid and one set of parameters; the cone (its
// constant n, F and the radius rho0 of the parallel of origin, eqs. 15-3,
// 15-8, 15-10, 15-1a) is worked out once, with the same operations as per
// point.
class LambertConic {
 public:
  LambertConic(const EllipsoidShape& ellipsoid, const LambertParameters& parameters);

  GridPoint forward(LatLon position) const;
  LatLon inverse(GridPoint point) const;

  const LambertParameters& parameters() const { return p_; }

 private:
  EllipsoidShape ellipsoid_;
  LambertParameters p_;
  double e_;  // eccentricity
  double n_;
  double F_;
  double rho0_;  // metres
};

}  // namespace brelosta
