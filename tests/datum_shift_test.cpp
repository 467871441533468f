#include "geodesy/datum_shift.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "datum_shift_cases.hpp"
#include "geodesy/checked_arithmetic.hpp"

namespace brelosta {
namespace {

// Large enough that a sign-flipped inverse or a scaled rotation shows.
const ShiftParameters kLarge =
    ShiftParameters::fromDisplayUnits({100.0, -200.0, 300.0}, 3600.0, -7200.0, 1800.0, 2000.0, {1e6, 2e6, 3e6});

// Positions across Venezuela and far beyond it (both hemispheres, all
// quadrants of longitude).
const GeodeticPosition kPositions[] = {
    {10.5, -66.9, 900.0}, {1.2, -67.5, 0.0},      {12.4, -71.6, -30.0}, {6.0, -61.0, 2500.0},
    {0.0, 0.0, 0.0},      {-33.9, 151.2, 50.0},   {45.0, 120.0, 0.0},   {-45.0, -150.0, 4000.0},
    {88.0, 10.0, 100.0},  {-88.0, -179.5, 100.0}, {60.0, 179.9, 10.0},  {-5.0, -90.0, -100.0},
};

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
}  // namespace
}  // namespace brelosta
