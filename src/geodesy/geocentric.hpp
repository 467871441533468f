#pragma once

#include "geodesy/ellipsoid_shape.hpp"

namespace brelosta {

// Earth-centred, earth-fixed Cartesian coordinates in metres.
struct Geocentric {
  double X = 0.0;
  double Y = 0.0;
  double Z = 0.0;
};

// Geodetic to geocentric on one ellipsoid; angles in degrees, turned into
// radians as degrees / 180 x pi.
Geocentric toGeocentric(GeodeticPosition position, const EllipsoidShape& ellipsoid);

// Geocentric to geodetic in closed form, without iteration (Bowring 1985,
// "The accuracy of geodetic latitude and height equations", Survey Review
// 28(218)); the longitude over the full circle.
GeodeticPosition fromGeocentric(Geocentric point, const EllipsoidShape& ellipsoid);

}  // namespace brelosta
