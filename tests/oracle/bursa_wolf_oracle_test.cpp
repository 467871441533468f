// Bursa-Wolf through the whole convert command, checked against PROJ's
// cs2cs, an independent implementation of the seven-parameter shift.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>

#include "app/commands.hpp"
#include "app/recording_toolkit.hpp"
#include "app/startup.hpp"
#include "proj_oracle.hpp"
#include "typed_point.hpp"

namespace brelosta {
namespace {

namespace fs = std::filesystem;

const fs::path kShippedData = fs::path(BRELOSTA_SOURCE_DIR) / "data";

using Point = GeodeticPosition;

// PSAD 56 (La Canoa) to WGS84 for Venezuela: dX dY dZ in metres, rotations
// in arc seconds (coordinate frame), scale in ppm.
constexpr double kTranslation[] = {-270.933, 115.599, -360.226};
constexpr double kRotationSeconds[] = {-5.266, -1.238, 2.381};
constexpr double kScalePpm = -5.109;

// PROJ's +towgs84 takes its rotations in the position-vector convention
// (the opposite signs) and multiplies the whole rotation matrix by the
// scale, where this program keeps the scale on the diagonal; dividing the
// rotations by the scale factor makes the two linear maps identical.
std::string towgs84() {
  const double k = 1.0 + kScalePpm / 1e6;
  char text[256];
  std::snprintf(text, sizeof text, "+towgs84=%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g", kTranslation[0],
                kTranslation[1], kTranslation[2], -kRotationSeconds[0] / k, -kRotationSeconds[1] / k,
                -kRotationSeconds[2] / k, kScalePpm);
  return text;
}

std::vector<Point> cs2csToWgs84(const std::vector<Point>& points) {
  return runProj("cs2cs --3d -f %.12f +proj=longlat +ellps=intl " + towgs84() +
                     " +no_defs +to +proj=longlat +datum=WGS84 +no_defs",
                 points);
}

class BursaWolfOracle : public ::testing::TestWithParam<NumberFormat> {};

TEST_P(BursaWolfOracle, AgreesWithProjAcrossVenezuela) {
  const NumberFormat format = GetParam();
  MainWindowState state;
  state.numberFormat = format;
  RecordingToolkit toolkit;
  App app{state, toolkit};
  startUp(app, kShippedData);
  ASSERT_TRUE(selectText(app, state.Units_L, "Grados Decimales"));
  ASSERT_TRUE(selectText(app, state.Units_R, "Grados Decimales"));
  ASSERT_TRUE(selectText(app, state.DATUM_L, "PSAD 56 - La Canoa (2)"));
  click(app, state.Label10);  // Bursa - Wolf
  ASSERT_EQ(state.Check2.value, 1);

  std::vector<Point> points;
  for (double latitude = 0.75; latitude <= 12.5; latitude += 1.25)
    for (double longitude = -73.25; longitude <= -59.5; longitude += 1.5)
      points.push_back({latitude, longitude, std::fmod(latitude * 731.0, 3000.0) - 50.0});
  const std::vector<Point> expected = cs2csToWgs84(points);
  ASSERT_EQ(expected.size(), points.size()) << "cs2cs (proj-bin) must be installed";

  // The displayed results keep 1e-9 degree and 0.1 mm: a quarter of a
  // millimetre leaves room for that rounding only.
  constexpr double kTolerance = 2.5e-4;  // metres
  for (std::size_t n = 0; n < points.size(); ++n) {
    const Point& p = points[n];
    const Point converted = convertTyped(app, p);
    ASSERT_TRUE(toolkit.messages.empty()) << toolkit.messages.front().text;
    const double horizontal = horizontalMetres(converted, expected[n]);
    const double up = converted.height - expected[n].height;
    EXPECT_LT(std::hypot(horizontal, up), kTolerance) << p.latitude << ", " << p.longitude << ": " << horizontal << " " << up;
  }
}

INSTANTIATE_TEST_SUITE_P(BothDecimalMarks, BursaWolfOracle,
                         ::testing::Values(NumberFormat::point(), NumberFormat::comma()));

}  // namespace
}  // namespace brelosta
