#include <gtest/gtest.h>

#include <cmath>

#include "geodesy/lambert.hpp"
#include "geodesy/local_grid.hpp"
#include "geodesy/mercator.hpp"
#include "geodesy/transverse_mercator.hpp"

namespace brelosta {
namespace {

const EllipsoidShape kWgs84 = EllipsoidShape::fromInverseFlattening(6378137.0, 298.257223563);
const EllipsoidShape kInternational = EllipsoidShape::fromInverseFlattening(6378388.0, 297.0);

TransverseMercatorParameters utmZone(double zone) {
  return {kUtmScaleFactor, 0.0, utmCentralMeridian(zone), kUtmFalseEasting, 0.0};
}

TEST(TransverseMercator, UtmKnownPoint) {
  const GridPoint p = TransverseMercator(kWgs84, utmZone(20)).forward({10.0, -66.0});
  EXPECT_NEAR(p.east, 171071.2640, 5e-5);
  EXPECT_NEAR(p.north, 1106908.8542, 5e-5);
}

TEST(TransverseMercator, LomaQuintanaOriginIsZero) {
  const TransverseMercatorParameters forward{1.0, kLomaQuintanaLatitudeForward, kLomaQuintanaMeridian, 0, 0};
  const GridPoint p =
      TransverseMercator(kInternational, forward).forward({kLomaQuintanaLatitudeInverse, kLomaQuintanaMeridian});
  EXPECT_LT(std::fabs(p.east), 5e-4);
  EXPECT_LT(std::fabs(p.north), 5e-4);
}

TEST(TransverseMercator, InverseOfForwardWithin2e8Degree) {
  const TransverseMercator projection(kWgs84, {0.9996, 4.0, -63.0, 500000.0, 250000.0});
  for (double latitude = -80.0; latitude <= 80.0; latitude += 2.5) {
    for (double offset = -3.0; offset <= 3.0; offset += 0.5) {
      const LatLon back = projection.inverse(projection.forward({latitude, -63.0 + offset}));
      EXPECT_NEAR(back.latitude, latitude, 2e-8) << latitude << ", " << offset;
      EXPECT_NEAR(back.longitude, -63.0 + offset, 2e-8) << latitude << ", " << offset;
    }
  }
}

TEST(TransverseMercator, AutomaticZone) {
  EXPECT_EQ(automaticUtmZone(-66.0), 20);
  EXPECT_EQ(automaticUtmZone(-180.0), 1);
  EXPECT_EQ(automaticUtmZone(180.0), 61);
  EXPECT_EQ(automaticUtmZone(-72.0), 19);
  EXPECT_EQ(automaticUtmZone(-72.000001), 18);
}

TEST(Mercator, KnownPointAndLatitudeShift) {
  MercatorParameters p{0.0, 0.0, -63.0, 0.0, 0.0};
  const GridPoint g = Mercator(kWgs84, p).forward({10.0, -66.0});
  EXPECT_NEAR(g.east, -333958.472, 5e-4);
  EXPECT_NEAR(g.north, 1111475.103, 5e-4);
  const LatLon back = Mercator(kWgs84, p).inverse(g);
  EXPECT_NEAR(back.latitude, 10.0, 1e-9);
  EXPECT_NEAR(back.longitude, -66.0, 1e-9);

  p.phi0 = 10.0;
  const GridPoint shifted = Mercator(kWgs84, p).forward({10.0, -66.0});
  EXPECT_NEAR(shifted.north, 0.0, 5e-4);
  EXPECT_NEAR(Mercator(kWgs84, p).inverse(shifted).latitude, 10.0, 1e-9);
}

TEST(Mercator, TrueScaleLatitudeScalesBothCoordinates) {
  const MercatorParameters equator{0.0, 0.0, -63.0, 0.0, 0.0};
  const MercatorParameters tenDegrees{10.0, 0.0, -63.0, 0.0, 0.0};
  const double s = std::sin(10.0 * pi / 180.0);
  const double k1 = std::cos(10.0 * pi / 180.0) / std::sqrt(1.0 - kWgs84.e2 * s * s);
  const GridPoint a = Mercator(kWgs84, equator).forward({7.0, -61.0});
  const GridPoint b = Mercator(kWgs84, tenDegrees).forward({7.0, -61.0});
  EXPECT_NEAR(b.east, a.east * k1, 1e-6);
  EXPECT_NEAR(b.north, a.north * k1, 1e-6);
}

TEST(Mercator, RoundTripWithin1e9Degree) {
  const Mercator projection(kWgs84, {5.0, 2.0, -66.5, 1000000.0, 500000.0});
  for (double latitude = -80.0; latitude <= 80.0; latitude += 5.0) {
    for (double longitude = -80.0; longitude <= -50.0; longitude += 5.0) {
      const LatLon back = projection.inverse(projection.forward({latitude, longitude}));
      EXPECT_NEAR(back.latitude, latitude, 1e-9);
      EXPECT_NEAR(back.longitude, longitude, 1e-9);
    }
  }
}

struct LambertCase {
  LambertParameters parameters;
  LatLon position;
  GridPoint expected;
};

TEST(Lambert, KnownPoints) {
  const LambertCase cases[] = {
      {{4.0, 12.0, 8.0, -66.5, 1000000.0, 1000000.0}, {10.0, -66.0}, {1054719.9510, 1220745.1992}},
      {{9.0, 9.0, 9.0, -66.5, 0.0, 0.0}, {10.0, -66.0}, {54827.9689, 110647.5631}},
      {{-20.0, -40.0, -30.0, -66.5, 0.0, 0.0}, {-30.0, -66.0}, {47513.0763, -104.2020}},
  };
  for (const LambertCase& c : cases) {
    const GridPoint g = LambertConic(kWgs84, c.parameters).forward(c.position);
    EXPECT_NEAR(g.east, c.expected.east, 5e-5);
    EXPECT_NEAR(g.north, c.expected.north, 5e-5);
    const LatLon back = LambertConic(kWgs84, c.parameters).inverse(g);
    EXPECT_NEAR(back.latitude, c.position.latitude, 1e-9);
    EXPECT_NEAR(back.longitude, c.position.longitude, 1e-9);
  }
}

TEST(Lambert, RoundTripWithin1e9Degree) {
  for (const LambertParameters p : {LambertParameters{4.0, 12.0, 8.0, -66.5, 1e6, 1e6},
                                    LambertParameters{-20.0, -40.0, -30.0, -60.0, 0.0, 0.0}}) {
    const LambertConic projection(kWgs84, p);
    for (double latitude = -60.0; latitude <= 60.0; latitude += 5.0) {
      for (double longitude = -75.0; longitude <= -55.0; longitude += 5.0) {
        const LatLon back = projection.inverse(projection.forward({latitude, longitude}));
        EXPECT_NEAR(back.latitude, latitude, 1e-9) << latitude << ", " << longitude;
        EXPECT_NEAR(back.longitude, longitude, 1e-9) << latitude << ", " << longitude;
      }
    }
  }
}

}  // namespace
}  // namespace brelosta
