// The datum shifts and geocentric coordinates against GeographicLib and
// PROJ's cct, independent implementations of the same formulas.

#include <gtest/gtest.h>

#include <GeographicLib/Geocentric.hpp>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "datum_shift_cases.hpp"
#include "proj_oracle.hpp"

namespace brelosta {
namespace {

TEST(Geocentric, AgreesWithGeographicLib) {
  const GeographicLib::Geocentric oracle(6378137.0, 1 / 298.257223563);
  for (double latitude = -88.0; latitude <= 88.0; latitude += 4.0) {
    for (double longitude : {-179.0, -150.0, -66.0, 0.0, 45.0, 120.0, 179.0}) {
      for (double height : {-500.0, 0.0, 5000.0, 10000.0}) {
        double X = 0, Y = 0, Z = 0;
        oracle.Forward(latitude, longitude, height, X, Y, Z);
        EXPECT_LT(distance(toGeocentric({latitude, longitude, height}, kWgs84), {X, Y, Z}), 1e-6)
            << latitude << ", " << longitude << ", " << height;
        const GeodeticPosition back = fromGeocentric({X, Y, Z}, kWgs84);
        SCOPED_TRACE(std::to_string(latitude) + ", " + std::to_string(longitude) + ", " +
                     std::to_string(height));
        expectSamePosition(back, {latitude, longitude, height}, 1e-9, 1e-3);
      }
    }
  }
}

// PROJ's abridged Molodensky (cct), an independent implementation of the
// same formulas, as the oracle: lines "longitude latitude height" in
// degrees and metres.
std::vector<GeodeticPosition> projMolodensky(const std::vector<GeodeticPosition>& points,
                                             Geocentric translation, const EllipsoidShape& source,
                                             const EllipsoidShape& target) {
  char command[1024];
  std::snprintf(command, sizeof command,
                "cct -d 12 +proj=pipeline +step +proj=unitconvert +xy_in=deg +xy_out=rad "
                "+step +proj=molodensky +abridged +a=%.17g +rf=%.17g +da=%.17g +df=%.17g +dx=%.17g +dy=%.17g "
                "+dz=%.17g +step +proj=unitconvert +xy_in=rad +xy_out=deg",
                source.a, 1.0 / source.f, target.a - source.a, target.f - source.f, translation.X,
                translation.Y, translation.Z);
  return runProj(command, points);
}

TEST(ShiftDatum, MolodenskyAgreesWithProj) {
  std::vector<GeodeticPosition> points;
  for (double latitude = 0.5; latitude <= 12.5; latitude += 3.0)
    for (double longitude = -73.0; longitude <= -59.0; longitude += 3.5)
      points.push_back({latitude, longitude, 500.0});
  points.push_back({-40.0, 100.0, 0.0});

  const Geocentric toWgs84 = kLaCanoa.T;
  const auto forward = projMolodensky(points, toWgs84, kInternational, kWgs84);
  const auto reverse = projMolodensky(points, {-toWgs84.X, -toWgs84.Y, -toWgs84.Z}, kWgs84, kInternational);
  ASSERT_EQ(forward.size(), points.size()) << "cct (proj-bin) must be installed";
  ASSERT_EQ(reverse.size(), points.size());
  for (std::size_t n = 0; n < points.size(); ++n) {
    SCOPED_TRACE(std::to_string(points[n].latitude) + ", " + std::to_string(points[n].longitude));
    expectSamePosition(shiftDatum(points[n], shiftOf("D", "WGS84", DatumShiftMethod::Molodensky)), forward[n],
                       1e-3 / kMetresPerDegree, 1e-3);
    expectSamePosition(shiftDatum(points[n], shiftOf("WGS84", "D", DatumShiftMethod::Molodensky)), reverse[n],
                       1e-3 / kMetresPerDegree, 1e-3);
  }
}
}  // namespace
}  // namespace brelosta
