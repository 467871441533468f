#include "geodesy/geocentric.hpp"

#include <cmath>

namespace brelosta {

Geocentric toGeocentric(GeodeticPosition position, const EllipsoidShape& ellipsoid) {
  const double phi = position.latitude / 180.0 * pi;
  const double lambda = position.longitude / 180.0 * pi;
  const double h = position.height;
  const double a = ellipsoid.a;
  const double e2 = ellipsoid.e2;
  const double sinPhi = std::sin(phi);
  const double N = a / std::sqrt(1.0 - e2 * sinPhi * sinPhi);
  return {(N + h) * std::cos(phi) * std::cos(lambda), (N + h) * std::cos(phi) * std::sin(lambda),
          ((1.0 - e2) * N + h) * sinPhi};
}

GeodeticPosition fromGeocentric(Geocentric point, const EllipsoidShape& ellipsoid) {
  const double a = ellipsoid.a;
  const double f = ellipsoid.f;
  const double e2 = ellipsoid.e2;
  const double X = point.X;
  const double Y = point.Y;
  const double Z = point.Z;

  const double p = std::sqrt(X * X + Y * Y);
  const double r = std::sqrt(p * p + Z * Z);
  const double mu = std::atan((Z / p) * ((1.0 - f) + e2 * a / r));
  const double lambda = std::atan2(Y, X);
  const double sinMu = std::sin(mu);
  const double cosMu = std::cos(mu);
  const double phi = std::atan((Z * (1.0 - f) + e2 * a * sinMu * sinMu * sinMu) /
                               ((1.0 - f) * (p - e2 * a * cosMu * cosMu * cosMu)));
  const double sinPhi = std::sin(phi);
  const double h = p * std::cos(phi) + Z * sinPhi - a * std::sqrt(1.0 - e2 * sinPhi * sinPhi);
  return {phi / pi * 180.0, lambda / pi * 180.0, h};
}

}  // namespace brelosta
