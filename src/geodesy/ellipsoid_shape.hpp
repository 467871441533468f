#pragma once

#include <cmath>
#include <numbers>

#include "geodesy/positions.hpp"

namespace brelosta {

// pi, as 4 x atan(1): the same double as std::numbers::pi.
inline constexpr double pi = std::numbers::pi;

// An ellipsoid's shape as the formulas use it, from its semi-major axis a
// (metres) and inverse flattening: f = 1 / inverse flattening, e2 = 2f - f^2.
struct EllipsoidShape {
  double a = 0.0;
  double f = 0.0;
  double e2 = 0.0;

  static EllipsoidShape fromInverseFlattening(double semiMajorAxis, double inverseFlattening) {
    const double flattening = 1.0 / inverseFlattening;
    return {semiMajorAxis, flattening, 2.0 * flattening - flattening * flattening};
  }
  double e() const { return std::sqrt(e2); }
  // Second eccentricity squared e'^2 = e^2 / (1 - e^2).
  double secondEccentricitySquared() const { return e2 / (1.0 - e2); }
};

// The projections turn degrees into radians as degrees x pi / 180 and back
// as radians x 180 / pi.
inline double toRadians(double degrees) { return degrees * pi / 180.0; }
inline double toDegrees(double radians) { return radians * 180.0 / pi; }

}  // namespace brelosta
