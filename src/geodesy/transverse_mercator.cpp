#include "geodesy/transverse_mercator.hpp"

#include <cmath>

namespace brelosta {

double meridianArc(double phi, const EllipsoidShape& ellipsoid) {
  const double a = ellipsoid.a;
  const double e2 = ellipsoid.e2;
  const double e4 = e2 * e2;
  const double e6 = e4 * e2;
  return a * ((1.0 - e2 / 4.0 - 3.0 * e4 / 64.0 - 5.0 * e6 / 256.0) * phi -
              (3.0 * e2 / 8.0 + 3.0 * e4 / 32.0 + 45.0 * e6 / 1024.0) * std::sin(2.0 * phi) +
              (15.0 * e4 / 256.0 + 45.0 * e6 / 1024.0) * std::sin(4.0 * phi) -
              (35.0 * e6 / 3072.0) * std::sin(6.0 * phi));
}

TransverseMercator::TransverseMercator(const EllipsoidShape& ellipsoid, const TransverseMercatorParameters& parameters)
    : ellipsoid_(ellipsoid),
      p_(parameters),
      ep2_(ellipsoid.secondEccentricitySquared()),
      lambda0_(toRadians(parameters.lambda0)),
      M0_(meridianArc(toRadians(parameters.phi0), ellipsoid)) {
  const double e2 = ellipsoid.e2;
  const double e4 = e2 * e2;
  const double e6 = e4 * e2;
  muUnit_ = ellipsoid.a * (1.0 - e2 / 4.0 - 3.0 * e4 / 64.0 - 5.0 * e6 / 256.0);

  const double e1 = (1.0 - std::sqrt(1.0 - e2)) / (1.0 + std::sqrt(1.0 - e2));
  const double e1_2 = e1 * e1;
  const double e1_3 = e1_2 * e1;
  const double e1_4 = e1_3 * e1;
  J2_ = 3.0 * e1 / 2.0 - 27.0 * e1_3 / 32.0;
  J4_ = 21.0 * e1_2 / 16.0 - 55.0 * e1_4 / 32.0;
  J6_ = 151.0 * e1_3 / 96.0;
  J8_ = 1097.0 * e1_4 / 512.0;
}

GridPoint TransverseMercator::forward(LatLon position) const {
  const double phi = toRadians(position.latitude);
  const double lambda = toRadians(position.longitude);
  const double a = ellipsoid_.a;
  const double e2 = ellipsoid_.e2;
  const double ep2 = ep2_;

  const double sinPhi = std::sin(phi);
  const double cosPhi = std::cos(phi);
  const double tanPhi = std::tan(phi);
  const double N = a / std::sqrt(1.0 - e2 * sinPhi * sinPhi);
  const double T = tanPhi * tanPhi;
  const double C = ep2 * cosPhi * cosPhi;
  const double A = (lambda - lambda0_) * cosPhi;
  const double M = meridianArc(phi, ellipsoid_);

  const double A2 = A * A;
  const double A3 = A2 * A;
  const double A4 = A3 * A;
  const double A5 = A4 * A;
  const double A6 = A5 * A;
  const double x = p_.k0 * N *
                   (A + (1.0 - T + C) * A3 / 6.0 + (5.0 - 18.0 * T + T * T + 72.0 * C - 58.0 * ep2) * A5 / 120.0);
  const double y =
      p_.k0 * (M - M0_ +
               N * tanPhi *
                   (A2 / 2.0 + (5.0 - T + 9.0 * C + 4.0 * C * C) * A4 / 24.0 +
                    (61.0 - 58.0 * T + T * T + 600.0 * C - 330.0 * ep2) * A6 / 720.0));
  return {p_.falseEasting + x, p_.falseNorthing + y};
}

LatLon TransverseMercator::inverse(GridPoint point) const {
  const double a = ellipsoid_.a;
  const double e2 = ellipsoid_.e2;
  const double ep2 = ep2_;

  const double M = (point.north - p_.falseNorthing) / p_.k0 + M0_;
  const double mu = M / muUnit_;

  // Footpoint latitude (Snyder eq. 3-26).
  const double phi1 =
      mu + J2_ * std::sin(2.0 * mu) + J4_ * std::sin(4.0 * mu) + J6_ * std::sin(6.0 * mu) + J8_ * std::sin(8.0 * mu);

  const double sinPhi1 = std::sin(phi1);
  const double cosPhi1 = std::cos(phi1);
  const double tanPhi1 = std::tan(phi1);
  const double C1 = ep2 * cosPhi1 * cosPhi1;
  const double T1 = tanPhi1 * tanPhi1;
  const double N1 = a / std::sqrt(1.0 - e2 * sinPhi1 * sinPhi1);
  const double R1 = a * (1.0 - e2) / std::pow(1.0 - e2 * sinPhi1 * sinPhi1, 1.5);
  const double D = (point.east - p_.falseEasting) / (N1 * p_.k0);

  const double D2 = D * D;
  const double D3 = D2 * D;
  const double D4 = D3 * D;
  const double D5 = D4 * D;
  const double D6 = D5 * D;
  const double phi =
      phi1 - (N1 * tanPhi1 / R1) *
                 (D2 / 2.0 - (5.0 + 3.0 * T1 + 10.0 * C1 - 4.0 * C1 * C1 - 9.0 * ep2) * D4 / 24.0 +
                  (61.0 + 90.0 * T1 + 298.0 * C1 + 45.0 * T1 * T1 - 252.0 * ep2 - 3.0 * C1 * C1) * D6 / 720.0);
  const double lambda =
      lambda0_ +
      (D - (1.0 + 2.0 * T1 + C1) * D3 / 6.0 +
       (5.0 - 2.0 * C1 + 28.0 * T1 - 3.0 * C1 * C1 + 8.0 * ep2 + 24.0 * T1 * T1) * D5 / 120.0) /
          cosPhi1;
  return {toDegrees(phi), toDegrees(lambda)};
}

double automaticUtmZone(double longitude) { return std::floor(longitude / 6.0 + 31.0); }

}  // namespace brelosta
