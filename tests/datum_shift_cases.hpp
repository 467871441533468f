#pragma once

// Ellipsoids, parameters and comparisons shared by the datum-shift tests and
// their oracle tests.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "geodesy/datum_shift.hpp"

namespace brelosta {

inline const EllipsoidShape kWgs84 = EllipsoidShape::fromInverseFlattening(6378137.0, 298.257223563);
inline const EllipsoidShape kInternational = EllipsoidShape::fromInverseFlattening(6378388.0, 297.0);

inline constexpr double kMetresPerDegree = 111'000.0;  // a bound on the length of a degree

// The Badekas-Molodensky set of PSAD 56 (La Canoa) to WGS84 for Venezuela.
inline const ShiftParameters kLaCanoa = ShiftParameters::fromDisplayUnits(
    {-270.933, 115.599, -360.226}, -5.266, -1.238, 2.381, -5.109, {2464351.594, -5783466.613, 974809.808});

inline DatumShift shiftOf(std::string source, std::string target, std::optional<DatumShiftMethod> method,
                          const ShiftParameters& parameters = kLaCanoa) {
  const auto ellipsoid = [](const std::string& datum) { return datum == "WGS84" ? kWgs84 : kInternational; };
  return {source, target, ellipsoid(source), ellipsoid(target), method, parameters};
}

inline void expectSamePosition(GeodeticPosition actual, GeodeticPosition expected, double degrees,
                               double metres) {
  EXPECT_NEAR(actual.latitude, expected.latitude, degrees);
  EXPECT_NEAR(actual.longitude, expected.longitude, degrees);
  EXPECT_NEAR(actual.height, expected.height, metres);
}

inline double distance(Geocentric u, Geocentric v) { return std::hypot(u.X - v.X, u.Y - v.Y, u.Z - v.Z); }

}  // namespace brelosta
