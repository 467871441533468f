#pragma once

#include "geodesy/ellipsoid_shape.hpp"

namespace brelosta {

// The ellipsoidal Transverse Mercator of Snyder (1987, "Map Projections - A
// Working Manual", USGS PP 1395, pp. 60-64), with its series truncated as
// there; UTM and the local grid "Loma Quintana (Ven)" are sets of its
// parameters.
struct TransverseMercatorParameters {
  double k0 = 1.0;             // scale factor on the central meridian
  double phi0 = 0.0;           // latitude of origin, degrees
  double lambda0 = 0.0;        // central meridian, degrees east
  double falseEasting = 0.0;   // metres
  double falseNorthing = 0.0;  // metres

  bool operator==(const TransverseMercatorParameters&) const = default;
};

// Length of the meridian from the equator to latitude phi (radians), in
// metres; series truncated at e^6 (Snyder eq. 3-21).
double meridianArc(double phi, const EllipsoidShape& ellipsoid);

// The projection for one ellipsoid and one set of parameters. What does not
// depend on the point (the meridian arc to the latitude of origin, the
// footpoint series' coefficients) is worked out once, with the same
// operations as per point, so a file of points gives the same digits as
// each point on its own. Up to 3 degrees from the central meridian and 80
// degrees from the equator the forward is within a millimetre, and the
// inverse within 1e-8 degrees, of the exact projection.
class TransverseMercator {
 public:
  TransverseMercator(const EllipsoidShape& ellipsoid, const TransverseMercatorParameters& parameters);

  // Snyder eqs. 8-9 to 8-10.
  GridPoint forward(LatLon position) const;
  // Snyder eqs. 8-12 to 8-18, through the footpoint latitude (eq. 3-26).
  LatLon inverse(GridPoint point) const;

  const TransverseMercatorParameters& parameters() const { return p_; }

 private:
  EllipsoidShape ellipsoid_;
  TransverseMercatorParameters p_;
  double ep2_;      // second eccentricity squared
  double lambda0_;  // central meridian, radians
  double M0_;       // meridian arc to the latitude of origin, metres
  double muUnit_;   // metres of meridian arc per radian of rectifying latitude mu
  // Coefficients of sin 2mu, sin 4mu, sin 6mu and sin 8mu in the footpoint
  // latitude (eq. 3-26).
  double J2_;
  double J4_;
  double J6_;
  double J8_;
};

// The UTM zone of a longitude in degrees: floor(lambda / 6 + 31), so -66
// gives 20, -180 gives 1 and 180 gives 61 (a whole number, kept as a double).
double automaticUtmZone(double longitude);

// Central meridian of a UTM zone, in degrees: 6 x zone - 183.
inline double utmCentralMeridian(double zone) { return 6.0 * zone - 183.0; }

inline constexpr double kUtmScaleFactor = 0.9996;
inline constexpr double kUtmFalseEasting = 500000.0;              // metres
inline constexpr double kUtmSouthernFalseNorthing = 10000000.0;   // metres

}  // namespace brelosta
