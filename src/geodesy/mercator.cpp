#include "geodesy/mercator.hpp"

#include <cmath>

namespace brelosta {
namespace {

constexpr int kInverseIterations = 20;

// Scale factor of the parallel of true scale: k1 = cos phi1 / sqrt(1 - e^2 sin^2 phi1).
double trueScaleFactor(const EllipsoidShape& ellipsoid, double phi1Degrees) {
  const double phi1 = toRadians(phi1Degrees);
  const double sinPhi1 = std::sin(phi1);
  return std::cos(phi1) / std::sqrt(1.0 - ellipsoid.e2 * sinPhi1 * sinPhi1);
}

}  // namespace

Mercator::Mercator(const EllipsoidShape& ellipsoid, const MercatorParameters& parameters)
    : p_(parameters), a_(ellipsoid.a), e_(ellipsoid.e()), k1_(trueScaleFactor(ellipsoid, parameters.phi1)) {}

GridPoint Mercator::forward(LatLon position) const {
  const double a = a_;
  const double e = e_;
  const double k1 = k1_;
  const double phi = toRadians(position.latitude - p_.phi0);
  const double deltaLambda = toRadians(position.longitude - p_.lambda0);

  const double x = a * k1 * deltaLambda;
  const double eSinPhi = e * std::sin(phi);
  const double y = a * k1 * std::log(std::tan(pi / 4.0 + phi / 2.0) * std::pow((1.0 - eSinPhi) / (1.0 + eSinPhi), e / 2.0));
  return {x + p_.falseEasting, y + p_.falseNorthing};
}

LatLon Mercator::inverse(GridPoint point) const {
  const double a = a_;
  const double e = e_;
  const double k1 = k1_;
  const double y = point.north - p_.falseNorthing;
  const double x = point.east - p_.falseEasting;

  const double t = std::exp(-y / (a * k1));
  double phi = 90.0 - 2.0 * std::atan(t) * 180.0 / pi;  // degrees
  for (int step = 0; step < kInverseIterations; ++step) {
    const double eSinPhi = e * std::sin(toRadians(phi));
    phi = 90.0 - 2.0 * (180.0 / pi) * std::atan(t * std::pow((1.0 - eSinPhi) / (1.0 + eSinPhi), e / 2.0));
  }
  return {phi + p_.phi0, x / (a * k1) * 180.0 / pi + p_.lambda0};
}

}  // namespace brelosta
