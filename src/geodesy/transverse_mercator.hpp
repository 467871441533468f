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
};

// Length of the meridian from the equator to latitude phi (radians), in
// metres; series truncated at e^6 (Snyder eq. 3-21).
double meridianArc(double phi, const EllipsoidShape& ellipsoid);

// Snyder eqs. 8-9 to 8-10.
GridPoint tmForward(LatLon position, const EllipsoidShape& ellipsoid, const TransverseMercatorParameters& p);

// Snyder eqs. 8-12 to 8-18, through the footpoint latitude (eq. 3-26).
LatLon tmInverse(GridPoint point, const EllipsoidShape& ellipsoid, const TransverseMercatorParameters& p);

// The UTM zone of a longitude in degrees: floor(lambda / 6 + 31), so -66
// gives 20, -180 gives 1 and 180 gives 61 (a whole number, kept as a double).
double automaticUtmZone(double longitude);

// Central meridian of a UTM zone, in degrees: 6 x zone - 183.
inline double utmCentralMeridian(double zone) { return 6.0 * zone - 183.0; }

inline constexpr double kUtmScaleFactor = 0.9996;
inline constexpr double kUtmFalseEasting = 500000.0;              // metres
inline constexpr double kUtmSouthernFalseNorthing = 10000000.0;   // metres

}  // namespace brelosta
