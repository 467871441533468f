#include "geodesy/datum_shift.hpp"

#include <GeographicLib/Geocentric.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>

#include "geodesy/checked_arithmetic.hpp"
#include "proj_oracle.hpp"

namespace brelosta {
namespace {

const EllipsoidShape kWgs84 = EllipsoidShape::fromInverseFlattening(6378137.0, 298.257223563);
const EllipsoidShape kInternational = EllipsoidShape::fromInverseFlattening(6378388.0, 297.0);

constexpr double kMetresPerDegree = 111'000.0;  // a bound on the length of a degree

// The Badekas-Molodensky set of PSAD 56 (La Canoa) to WGS84 for Venezuela.
const ShiftParameters kLaCanoa = ShiftParameters::fromDisplayUnits(
    {-270.933, 115.599, -360.226}, -5.266, -1.238, 2.381, -5.109, {2464351.594, -5783466.613, 974809.808});

// Large enough that a sign-flipped inverse or a scaled rotation shows.
const ShiftParameters kLarge =
    ShiftParameters::fromDisplayUnits({100.0, -200.0, 300.0}, 3600.0, -7200.0, 1800.0, 2000.0, {1e6, 2e6, 3e6});

DatumShift shiftOf(std::string source, std::string target, std::optional<DatumShiftMethod> method,
                   const ShiftParameters& parameters = kLaCanoa) {
  const auto ellipsoid = [](const std::string& datum) { return datum == "WGS84" ? kWgs84 : kInternational; };
  return {source, target, ellipsoid(source), ellipsoid(target), method, parameters};
}

// Positions across Venezuela and far beyond it (both hemispheres, all
// quadrants of longitude).
const GeodeticPosition kPositions[] = {
    {10.5, -66.9, 900.0}, {1.2, -67.5, 0.0},      {12.4, -71.6, -30.0}, {6.0, -61.0, 2500.0},
    {0.0, 0.0, 0.0},      {-33.9, 151.2, 50.0},   {45.0, 120.0, 0.0},   {-45.0, -150.0, 4000.0},
    {88.0, 10.0, 100.0},  {-88.0, -179.5, 100.0}, {60.0, 179.9, 10.0},  {-5.0, -90.0, -100.0},
};

void expectSamePosition(GeodeticPosition actual, GeodeticPosition expected, double degrees, double metres) {
  EXPECT_NEAR(actual.latitude, expected.latitude, degrees);
  EXPECT_NEAR(actual.longitude, expected.longitude, degrees);
  EXPECT_NEAR(actual.height, expected.height, metres);
}

double distance(Geocentric u, Geocentric v) { return std::hypot(u.X - v.X, u.Y - v.Y, u.Z - v.Z); }

TEST(RotationScaleMatrix, InverseIsExact) {
  for (const ShiftParameters& p : {kLaCanoa, kLarge}) {
    const RotationScaleMatrix M(p);
    const RotationScaleMatrix Minv = M.inverse();
    for (std::size_t i = 0; i < 3; ++i) {
      for (std::size_t j = 0; j < 3; ++j) {
        double product = 0.0;
        for (std::size_t n = 0; n < 3; ++n) product += M.rows()[i][n] * Minv.rows()[n][j];
        EXPECT_NEAR(product, i == j ? 1.0 : 0.0, 1e-15) << i << ", " << j;
      }
    }
  }
}

TEST(RotationScaleMatrix, CoordinateFrameConventionWithScaleOnTheDiagonalOnly) {
  const ShiftParameters p = ShiftParameters::fromDisplayUnits({}, 0.0, 0.0, 3600.0, 1000.0, {});
  const double Rz = pi / 180.0;  // one degree
  // A point on the X axis: the frame turns about Z by Rz, so the point's
  // Y becomes -Rz X; the scale stretches X only.
  const Geocentric v = RotationScaleMatrix(p) * Geocentric{1000.0, 0.0, 0.0};
  EXPECT_NEAR(v.X, 1000.0 * 1.001, 1e-12);
  EXPECT_NEAR(v.Y, -1000.0 * Rz, 1e-12);
  EXPECT_NEAR(v.Z, 0.0, 1e-12);
}

TEST(RotationScaleMatrix, SingularMatrixIsADataError) {
  // Scale -1 000 000 ppm makes k = 0 and, without rotations, M = 0.
  const ShiftParameters p = ShiftParameters::fromDisplayUnits({}, 0.0, 0.0, 0.0, -1e6, {});
  for (const auto method : {DatumShiftMethod::BursaWolf, DatumShiftMethod::BadekasMolodensky}) {
    const DatumShift shift = shiftOf("WGS84", "D", method, p);
    EXPECT_THROW(checkedArithmetic([&] { return shiftDatum({10.0, -66.0, 0.0}, shift); }), DataError);
  }
}

TEST(Geocentric, OriginOfLatitudeAndLongitudeLiesOnTheXAxis) {
  const Geocentric S = toGeocentric({0.0, 0.0, 0.0}, kWgs84);
  EXPECT_DOUBLE_EQ(S.X, 6378137.0);
  EXPECT_DOUBLE_EQ(S.Y, 0.0);
  EXPECT_DOUBLE_EQ(S.Z, 0.0);
}

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
        SCOPED_TRACE(std::to_string(latitude) + ", " + std::to_string(longitude) + ", " + std::to_string(height));
        expectSamePosition(back, {latitude, longitude, height}, 1e-9, 1e-3);
      }
    }
  }
}

TEST(Geocentric, RoundTripFromMinus88To88Degrees) {
  for (const EllipsoidShape& ellipsoid : {kWgs84, kInternational}) {
    for (double latitude = -88.0; latitude <= 88.0; latitude += 0.5) {
      for (double longitude = -179.5; longitude < 180.0; longitude += 14.5) {
        const GeodeticPosition start{latitude, longitude, 1234.5};
        SCOPED_TRACE(std::to_string(latitude) + ", " + std::to_string(longitude));
        expectSamePosition(fromGeocentric(toGeocentric(start, ellipsoid), ellipsoid), start, 1e-9, 1e-3);
      }
    }
  }
}

TEST(Geocentric, PointOnTheAxisIsADataError) {
  EXPECT_THROW(checkedArithmetic([] { return fromGeocentric({0.0, 0.0, 6356752.0}, kWgs84); }), DataError);
}

TEST(ShiftDatum, Wgs84OnBothSidesReturnsTheInput) {
  for (const auto method : {std::optional<DatumShiftMethod>{}, std::optional(DatumShiftMethod::Molodensky),
                            std::optional(DatumShiftMethod::BursaWolf),
                            std::optional(DatumShiftMethod::BadekasMolodensky)}) {
    for (const GeodeticPosition& p : kPositions) {
      SCOPED_TRACE(std::to_string(p.latitude) + ", " + std::to_string(p.longitude));
      expectSamePosition(shiftDatum(p, shiftOf("WGS84", "WGS84", method)), p, 1e-9, 1e-3);
    }
  }
}

TEST(ShiftDatum, SameDatumOnBothSidesReturnsTheInputForEveryMethod) {
  for (const auto method : {std::optional<DatumShiftMethod>{}, std::optional(DatumShiftMethod::Molodensky),
                            std::optional(DatumShiftMethod::BursaWolf),
                            std::optional(DatumShiftMethod::BadekasMolodensky)}) {
    for (const ShiftParameters& parameters : {kLaCanoa, kLarge}) {
      for (const GeodeticPosition& p : kPositions) {
        SCOPED_TRACE(std::to_string(p.latitude) + ", " + std::to_string(p.longitude));
        expectSamePosition(shiftDatum(p, shiftOf("D", "D", method, parameters)), p, 1e-9, 1e-3);
      }
    }
  }
}

TEST(ShiftDatum, SevenParameterRoundTripReturnsTheStart) {
  for (const auto method : {DatumShiftMethod::BursaWolf, DatumShiftMethod::BadekasMolodensky}) {
    for (const ShiftParameters& parameters : {kLaCanoa, kLarge}) {
      for (const GeodeticPosition& start : kPositions) {
        const GeodeticPosition onWgs84 = shiftDatum(start, shiftOf("D", "WGS84", method, parameters));
        const GeodeticPosition back = shiftDatum(onWgs84, shiftOf("WGS84", "D", method, parameters));
        SCOPED_TRACE(std::to_string(start.latitude) + ", " + std::to_string(start.longitude));
        expectSamePosition(back, start, 1e-9, 1e-3);
      }
    }
  }
}

TEST(ShiftDatum, BadekasMolodenskyWithOriginAtTheCentreIsBursaWolf) {
  ShiftParameters atCentre = kLarge;
  atCentre.O = {};
  for (const GeodeticPosition& p : kPositions) {
    for (const auto& [source, target] : {std::pair{"D", "WGS84"}, std::pair{"WGS84", "D"}}) {
      const GeodeticPosition bw = shiftDatum(p, shiftOf(source, target, DatumShiftMethod::BursaWolf, atCentre));
      const GeodeticPosition bm =
          shiftDatum(p, shiftOf(source, target, DatumShiftMethod::BadekasMolodensky, atCentre));
      SCOPED_TRACE(std::string(source) + " " + std::to_string(p.latitude) + ", " + std::to_string(p.longitude));
      expectSamePosition(bm, bw, 1e-12, 1e-6);
    }
  }
}

TEST(ShiftDatum, MolodenskyIgnoresRotationsScaleAndOrigin) {
  ShiftParameters translationsOnly = kLarge;
  translationsOnly.Rx = translationsOnly.Ry = translationsOnly.Rz = 0.0;
  translationsOnly.k = 1.0;
  translationsOnly.O = {};
  for (const GeodeticPosition& p : kPositions) {
    for (const auto& [source, target] : {std::pair{"D", "WGS84"}, std::pair{"WGS84", "D"}}) {
      const auto molodensky = [&](const ShiftParameters& parameters) {
        return shiftDatum(p, shiftOf(source, target, DatumShiftMethod::Molodensky, parameters));
      };
      const GeodeticPosition expected = molodensky(translationsOnly);
      SCOPED_TRACE(std::string(source) + " " + std::to_string(p.latitude) + ", " + std::to_string(p.longitude));
      expectSamePosition(molodensky(kLarge), expected, 0.0, 0.0);
    }
  }
}

TEST(ShiftDatum, NoMethodIsBursaWolfForwardAndMolodenskyReverse) {
  for (const GeodeticPosition& p : kPositions) {
    SCOPED_TRACE(std::to_string(p.latitude) + ", " + std::to_string(p.longitude));
    expectSamePosition(shiftDatum(p, shiftOf("D", "WGS84", std::nullopt)),
                       shiftDatum(p, shiftOf("D", "WGS84", DatumShiftMethod::BursaWolf)), 0.0, 0.0);
    expectSamePosition(shiftDatum(p, shiftOf("WGS84", "D", std::nullopt)),
                       shiftDatum(p, shiftOf("WGS84", "D", DatumShiftMethod::Molodensky)), 0.0, 0.0);
  }
}

// The abridged formulas are evaluated once at each end, so a Molodensky
// round trip comes back only to within a few millimetres.
TEST(ShiftDatum, MolodenskyWayBackTurnsTheTranslationsAround) {
  for (const GeodeticPosition& start : {kPositions[0], kPositions[1], kPositions[2], kPositions[3]}) {
    const GeodeticPosition onWgs84 = shiftDatum(start, shiftOf("D", "WGS84", DatumShiftMethod::Molodensky));
    const GeodeticPosition back = shiftDatum(onWgs84, shiftOf("WGS84", "D", DatumShiftMethod::Molodensky));
    EXPECT_GT(std::fabs(onWgs84.latitude - start.latitude) * kMetresPerDegree, 1.0);
    expectSamePosition(back, start, 0.05 / kMetresPerDegree, 0.05);
  }
}

// PROJ's abridged Molodensky (cct), an independent implementation of the
// same formulas, as the oracle: lines "longitude latitude height" in
// degrees and metres.
std::vector<GeodeticPosition> projMolodensky(const std::vector<GeodeticPosition>& points, Geocentric translation,
                                             const EllipsoidShape& source, const EllipsoidShape& target) {
  char command[1024];
  std::snprintf(command, sizeof command,
                "cct -d 12 +proj=pipeline +step +proj=unitconvert +xy_in=deg +xy_out=rad "
                "+step +proj=molodensky +abridged +a=%.17g +rf=%.17g +da=%.17g +df=%.17g +dx=%.17g +dy=%.17g "
                "+dz=%.17g +step +proj=unitconvert +xy_in=rad +xy_out=deg",
                source.a, 1.0 / source.f, target.a - source.a, target.f - source.f, translation.X, translation.Y,
                translation.Z);
  return runProj(command, points);
}

TEST(ShiftDatum, MolodenskyAgreesWithProj) {
  std::vector<GeodeticPosition> points;
  for (double latitude = 0.5; latitude <= 12.5; latitude += 3.0)
    for (double longitude = -73.0; longitude <= -59.0; longitude += 3.5) points.push_back({latitude, longitude, 500.0});
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
