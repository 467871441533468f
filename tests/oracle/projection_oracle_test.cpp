// Transverse Mercator against GeographicLib's exact projection.

#include <gtest/gtest.h>

#include <GeographicLib/TransverseMercatorExact.hpp>

#include "geodesy/transverse_mercator.hpp"

namespace brelosta {
namespace {

const EllipsoidShape kWgs84 = EllipsoidShape::fromInverseFlattening(6378137.0, 298.257223563);

TransverseMercatorParameters utmZone(double zone) {
  return {kUtmScaleFactor, 0.0, utmCentralMeridian(zone), kUtmFalseEasting, 0.0};
}

TEST(TransverseMercator, AgreesWithGeographicLibWithinAMillimetre) {
  const GeographicLib::TransverseMercatorExact exact(6378137.0, 1 / 298.257223563, kUtmScaleFactor);
  for (double latitude = -80.0; latitude <= 80.0; latitude += 4.0) {
    for (double offset = -3.0; offset <= 3.0; offset += 0.25) {
      double x = 0;
      double y = 0;
      exact.Forward(-63.0, latitude, -63.0 + offset, x, y);
      const GridPoint p = TransverseMercator(kWgs84, utmZone(20)).forward({latitude, -63.0 + offset});
      EXPECT_NEAR(p.east, kUtmFalseEasting + x, 1e-3) << latitude << ", " << offset;
      EXPECT_NEAR(p.north, y, 1e-3) << latitude << ", " << offset;
    }
  }
}

// The inverse against the same oracle: grid points up to 3 degrees from the
// central meridian come back within 1e-8 degrees (about a millimetre).
TEST(TransverseMercator, InverseAgreesWithGeographicLib) {
  const GeographicLib::TransverseMercatorExact exact(6378137.0, 1 / 298.257223563, kUtmScaleFactor);
  for (double latitude = -80.0; latitude <= 80.0; latitude += 4.0) {
    for (double offset = -3.0; offset <= 3.0; offset += 0.25) {
      double x = 0;
      double y = 0;
      exact.Forward(-63.0, latitude, -63.0 + offset, x, y);
      double exactLatitude = 0;
      double exactLongitude = 0;
      exact.Reverse(-63.0, x, y, exactLatitude, exactLongitude);
      const LatLon p = TransverseMercator(kWgs84, utmZone(20)).inverse({kUtmFalseEasting + x, y});
      EXPECT_NEAR(p.latitude, exactLatitude, 1e-8) << latitude << ", " << offset;
      EXPECT_NEAR(p.longitude, exactLongitude, 1e-8) << latitude << ", " << offset;
    }
  }
}

}  // namespace
}  // namespace brelosta
