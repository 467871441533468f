#include "geodesy/lambert.hpp"

#include <cmath>

namespace brelosta {
namespace {

// The cone of a parameter set: cone constant n, F and the radius rho0 of the
// parallel of origin (Snyder eqs. 15-3, 15-8, 15-10, 15-1a).
struct Cone {
  double e = 0.0;
  double n = 0.0;
  double F = 0.0;
  double rho0 = 0.0;
};

// m(phi) = cos phi / sqrt(1 - e^2 sin^2 phi), phi in radians (eq. 14-15).
double m(double phi, const EllipsoidShape& ellipsoid) {
  const double sinPhi = std::sin(phi);
  return std::cos(phi) / std::sqrt(1.0 - ellipsoid.e2 * sinPhi * sinPhi);
}

// t(phi) = tan(pi/4 - phi/2) / ((1 - e sin phi) / (1 + e sin phi))^(e/2) (eq. 15-9).
double t(double phi, double e) {
  const double eSinPhi = e * std::sin(phi);
  return std::tan(pi / 4.0 - phi / 2.0) / std::pow((1.0 - eSinPhi) / (1.0 + eSinPhi), e / 2.0);
}

Cone cone(const EllipsoidShape& ellipsoid, const LambertParameters& p) {
  const double phi1 = toRadians(p.phi1);
  const double phi2 = toRadians(p.phi2);
  const double phi0 = toRadians(p.phi0);
  Cone c;
  c.e = ellipsoid.e();
  const double m1 = m(phi1, ellipsoid);
  const double m2 = m(phi2, ellipsoid);
  const double t0 = t(phi0, c.e);
  const double t1 = t(phi1, c.e);
  const double t2 = t(phi2, c.e);
  // Equal parallels make the secant formula 0/0: a tangent cone, whose
  // constant is the sine of the latitude of origin (eq. 15-4 with phi0 on the
  // parallel).
  c.n = t1 != t2 ? (std::log(m1) - std::log(m2)) / (std::log(t1) - std::log(t2)) : std::sin(phi0);
  c.F = m1 / (c.n * std::pow(t1, c.n));
  c.rho0 = ellipsoid.a * c.F * std::pow(t0, c.n);
  return c;
}

}  // namespace

GridPoint lambertForward(LatLon position, const EllipsoidShape& ellipsoid, const LambertParameters& p) {
  const Cone c = cone(ellipsoid, p);
  const double rho = ellipsoid.a * c.F * std::pow(t(toRadians(position.latitude), c.e), c.n);
  const double theta = toRadians(c.n * (position.longitude - p.lambda0));
  return {p.falseEasting + rho * std::sin(theta), p.falseNorthing + c.rho0 - rho * std::cos(theta)};
}

LatLon lambertInverse(GridPoint point, const EllipsoidShape& ellipsoid, const LambertParameters& p) {
  const Cone c = cone(ellipsoid, p);
  const double x = point.east - p.falseEasting;
  const double y = point.north - p.falseNorthing;
  const double signN = c.n > 0.0 ? 1.0 : (c.n < 0.0 ? -1.0 : 0.0);
  const double rho = signN * std::sqrt(x * x + (c.rho0 - y) * (c.rho0 - y));
  const double theta = std::atan(x / (c.rho0 - y)) * 180.0 / pi;  // degrees
  const double tValue = std::pow(rho / (ellipsoid.a * c.F), 1.0 / c.n);
  const double chiDegrees = 90.0 - 2.0 * std::atan(tValue) * 180.0 / pi;  // conformal latitude

  const double e2 = ellipsoid.e2;
  const double e4 = e2 * e2;
  const double e6 = e4 * e2;
  const double e8 = e6 * e2;
  const double chi = toRadians(chiDegrees);
  const double phi =
      chiDegrees + ((e2 / 2.0 + 5.0 * e4 / 24.0 + e6 / 12.0 + 13.0 * e8 / 360.0) * std::sin(2.0 * chi) +
                    (7.0 * e4 / 48.0 + 29.0 * e6 / 240.0 + 811.0 * e8 / 11520.0) * std::sin(4.0 * chi) +
                    (7.0 * e6 / 120.0 + 81.0 * e8 / 1120.0) * std::sin(6.0 * chi) +
                    (4279.0 * e8 / 161280.0) * std::sin(8.0 * chi)) *
                       180.0 / pi;
  return {phi, p.lambda0 + theta / c.n};
}

}  // namespace brelosta
