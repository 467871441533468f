#include "geodesy/geoid.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/picture_format.hpp"
#include "geodesy/egm96_grid.hpp"

namespace brelosta {
namespace {

struct GeoidCase {
  double latitude;
  double longitude;
  double undulation;  // metres
};

// Nodes whose published EGM96 values fix the grid's orientation (rows north
// to south, columns west to east) and its rounding.
TEST(Geoid, NodesGiveTheirPublishedValues) {
  const GeoidCase nodes[] = {
      {13.0, -74.0, -21.88}, {13.0, -58.0, -46.11}, {0.0, -74.0, 20.68},  {0.0, -58.0, -18.87},
      {7.0, -66.0, -10.46},  {10.5, -66.5, -20.16}, {12.5, -59.5, -50.48}, {1.0, -74.0, 22.21},
      {10.0, -67.0, -16.59}, {10.5, -67.0, -17.84}, {10.0, -66.5, -19.44},
  };
  for (const GeoidCase& c : nodes) {
    const auto n = geoidUndulation(c.latitude, c.longitude);
    ASSERT_TRUE(n) << c.latitude << ", " << c.longitude;
    EXPECT_DOUBLE_EQ(*n, c.undulation) << c.latitude << ", " << c.longitude;
  }
}

TEST(Geoid, GridExtremesAreWhereThePublishedModelHasThem) {
  double lowest = std::numeric_limits<double>::max();
  double highest = std::numeric_limits<double>::lowest();
  for (const auto& row : kEgm96Grid)
    for (double n : row) {
      lowest = std::min(lowest, n);
      highest = std::max(highest, n);
    }
  EXPECT_DOUBLE_EQ(lowest, -50.48);
  EXPECT_DOUBLE_EQ(highest, 22.21);
}

// Expected values are the bilinear weights applied by hand to the node
// values of the grid.
TEST(Geoid, InterpolatesInsideCellsAndAlongGridLines) {
  const GeoidCase cases[] = {
      // cell W -67.0 E -66.5, L 10.0 U 10.5: t = 0.6, u = 0.4
      {10.2, -66.7, -18.6728},
      // on the parallel 10.5 between -67.0 (-17.84) and -66.5 (-20.16)
      {10.5, -66.7, 0.4 * -17.84 + 0.6 * -20.16},
      // on the meridian -66.5 between 10.0 (-19.44) and 10.5 (-20.16)
      {10.2, -66.5, 0.6 * -19.44 + 0.4 * -20.16},
      // 12.7 lies between the rows 12.5 (-22.88) and 13.0 (-21.88)
      {12.7, -74.0, 0.6 * -22.88 + 0.4 * -21.88},
      // eastern edge: only the column of -58
      {12.7, -58.0, 0.6 * -45.26 + 0.4 * -46.11},
      // northern edge: only the row of 13
      {13.0, -58.3, 0.6 * -46.28 + 0.4 * -46.11},
      // southern and western edges
      {0.0, -73.8, 0.6 * 20.68 + 0.4 * 20.48},
      {0.2, -74.0, 0.6 * 20.68 + 0.4 * 21.84},
  };
  for (const GeoidCase& c : cases) {
    const auto n = geoidUndulation(c.latitude, c.longitude);
    ASSERT_TRUE(n) << c.latitude << ", " << c.longitude;
    EXPECT_NEAR(*n, c.undulation, 1e-9) << c.latitude << ", " << c.longitude;
  }
}

TEST(Geoid, ShowsTwoDecimalsWithAtLeastTwoIntegerDigits) {
  const Picture picture = parsePicture("##00.00");
  EXPECT_EQ(formatPicture(*geoidUndulation(10.2, -66.7), picture, NumberFormat::point()), "-18.67");
  EXPECT_EQ(formatPicture(*geoidUndulation(10.2, -66.7), picture, NumberFormat::comma()), "-18,67");
  EXPECT_EQ(formatPicture(*geoidUndulation(11.0, -73.5), picture, NumberFormat::point()), "01.05");
  EXPECT_EQ(formatPicture(*geoidUndulation(11.0, -74.0), picture, NumberFormat::point()), "00.01");
  EXPECT_EQ(formatPicture(*geoidUndulation(3.0, -65.0), picture, NumberFormat::point()), "-06.96");
}

// A position outside the table gets nothing, never a value read beyond the
// table's edges.
TEST(Geoid, NothingOutsideTheTable) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const GeoidCase outside[] = {
      {13.0001, -66.0, 0}, {-0.0001, -66.0, 0}, {5.0, -74.0001, 0}, {5.0, -57.9999, 0},
      {5.0, -75.0, 0},     {14.0, -59.0, 0},    {5.0, 66.0, 0},     {nan, -66.0, 0},
      {5.0, nan, 0},       {90.0, -180.0, 0},
  };
  for (const GeoidCase& c : outside)
    EXPECT_FALSE(geoidUndulation(c.latitude, c.longitude)) << c.latitude << ", " << c.longitude;
}

// A point typed on an edge comes back from a WGS84 to WGS84 change a few
// 1e-12 degree off (the closed-form latitude); it still has its height.
TEST(Geoid, RoundingAtTheEdgeKeepsThePointOnTheGrid) {
  EXPECT_DOUBLE_EQ(*geoidUndulation(13.000000000002753, -58.000000000000007), -46.11);
  EXPECT_DOUBLE_EQ(*geoidUndulation(-1e-12, -74.0 - 1e-12), 20.68);
  EXPECT_FALSE(geoidUndulation(13.0 + 2e-9, -60.0));
  EXPECT_FALSE(geoidUndulation(5.0, -74.0 - 2e-9));
}

// Plain bilinear interpolation indexed from the south-west corner, written
// independently of the program's bracket rules.
double referenceUndulation(double latitude, double longitude) {
  const double x = (longitude - kGeoidWest) / kGeoidStep;  // columns from the west
  const double y = (kGeoidNorth - latitude) / kGeoidStep;  // rows from the north
  const int column = std::min(static_cast<int>(std::floor(x)), kGeoidColumns - 2);
  const int row = std::min(static_cast<int>(std::ceil(y)), kGeoidRows - 1);
  const int rowNorth = std::max(row - 1, 0);
  const double t = x - column;
  const double u = row == rowNorth ? 0.0 : row - y;
  const auto g = [](int c, int r) { return kEgm96Grid[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]; };
  return g(column, row) * (1 - u) * (1 - t) + g(column + 1, row) * (1 - u) * t + g(column + 1, rowNorth) * u * t +
         g(column, rowNorth) * u * (1 - t);
}

TEST(Geoid, AgreesWithPlainBilinearInterpolationEverywhere) {
  for (double latitude = 0.0; latitude <= 13.0; latitude += 0.0625 + 1e-7) {
    for (double longitude = -74.0; longitude <= -58.0; longitude += 0.0625 + 1e-7) {
      const auto n = geoidUndulation(latitude, longitude);
      ASSERT_TRUE(n) << latitude << ", " << longitude;
      EXPECT_NEAR(*n, referenceUndulation(latitude, longitude), 1e-9) << latitude << ", " << longitude;
    }
  }
}

// Approaching a grid line from either side gives the value on the line.
TEST(Geoid, ContinuousAcrossGridLines) {
  const double onParallel = *geoidUndulation(10.5, -66.7);
  const double onMeridian = *geoidUndulation(10.2, -66.5);
  for (double epsilon : {1e-9, -1e-9}) {
    EXPECT_NEAR(*geoidUndulation(10.5 + epsilon, -66.7), onParallel, 1e-6) << epsilon;
    EXPECT_NEAR(*geoidUndulation(10.2, -66.5 + epsilon), onMeridian, 1e-6) << epsilon;
    EXPECT_NEAR(*geoidUndulation(11.0 + epsilon, -67.0 + epsilon), *geoidUndulation(11.0, -67.0), 1e-6);
  }
}

}  // namespace
}  // namespace brelosta
