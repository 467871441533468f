#include "geodesy/lambert.hpp"

#include <cmath>

namespace brelosta {
namespace {

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

}  // namespace

LambertConic::LambertConic(const EllipsoidShape& ellipsoid, const LambertParameters& parameters)
    : ellipsoid_(ellipsoid), p_(parameters), e_(ellipsoid.e()) {
  const double phi1 = toRadians(p_.phi1);
  const double phi2 = toRadians(p_.phi2);
  const double phi0 = toRadians(p_.phi0);
  const double m1 = m(phi1, ellipsoid);
  const double m2 = m(phi2, ellipsoid);
  const double t0 = t(phi0, e_);
  const double t1 = t(phi1, e_);
  const double t2 = t(phi2, e_);
  // Equal parallels make the secant formula 0/0: a tangent cone, whose
  // constant is the sine of the latitude of origin (eq. 15-4 with phi0 on the
  // parallel).
  n_ = t1 != t2 ? (std::log(m1) - std::log(m2)) / (std::log(t1) - std::log(t2)) : std::sin(phi0);
  F_ = m1 / (n_ * std::pow(t1, n_));
  rho0_ = ellipsoid.a * F_ * std::pow(t0, n_);
}

GridPoint LambertConic::forward(LatLon position) const {
  const double rho = ellipsoid_.a * F_ * std::pow(t(toRadians(position.latitude), e_), n_);
  const double theta = toRadians(n_ * (position.longitude - p_.lambda0));
  return {p_.falseEasting + rho * std::sin(theta), p_.falseNorthing + rho0_ - rho * std::cos(theta)};
}

LatLon LambertConic::inverse(GridPoint point) const {
  const double x = point.east - p_.falseEasting;
  const double y = point.north - p_.falseNorthing;
  const double signN = n_ > 0.0 ? 1.0 : (n_ < 0.0 ? -1.0 : 0.0);
  const double rho = signN * std::sqrt(x * x + (rho0_ - y) * (rho0_ - y));
  const double theta = std::atan(x / (rho0_ - y)) * 180.0 / pi;  // degrees
  const double tValue = std::pow(rho / (ellipsoid_.a * F_), 1.0 / n_);
  const double chiDegrees = 90.0 - 2.0 * std::atan(tValue) * 180.0 / pi;  // conformal latitude

  const double e2 = ellipsoid_.e2;
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
  return {phi, p_.lambda0 + theta / n_};
}

}  // namespace brelosta
