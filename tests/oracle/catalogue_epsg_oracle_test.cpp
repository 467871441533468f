// The shipped datum catalogue through the whole convert command, checked
// against the EPSG transformation each row stands for as PROJ's database
// holds it (cct applies an EPSG operation by its code): a row whose numbers
// are not those of its transformation moves the points.

#include <gtest/gtest.h>

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

struct Row {
  const char* datum;
  const char* operation;  // the EPSG transformation to WGS 84
  bool badekas;           // a Molodensky-Badekas set; the others are translations
};

const Row kRows[] = {
    {"PSAD 56 - La Canoa (1)", "EPSG:1209", false},
    {"PSAD 56 - La Canoa (2)", "EPSG:1095", true},
    {"PSAD 56 - Promedio Sudamérica", "EPSG:1201", false},
    {"SAD 69 - Venezuela", "EPSG:1876", false},
    {"PSAD 56 - Venezuela Oriental", "EPSG:1516", false},
    {"SAD 69 - Promedio Sudamérica", "EPSG:1864", false},
};

// The operations work in the geographic 2D domain: latitude first, heights
// taken as 0 and kept. runProj writes and reads "longitude latitude", so the
// two are handed over swapped.
std::vector<GeodeticPosition> epsgToWgs84(const std::string& operation, const std::vector<GeodeticPosition>& points) {
  std::vector<GeodeticPosition> swapped;
  for (const GeodeticPosition& p : points) swapped.push_back({p.longitude, p.latitude, 0.0});
  std::vector<GeodeticPosition> out;
  for (const GeodeticPosition& p : runProj("cct -d 12 " + operation, swapped))
    out.push_back({p.longitude, p.latitude, 0.0});
  return out;
}

class CatalogueOracle : public ::testing::TestWithParam<Row> {};

TEST_P(CatalogueOracle, RowMovesPointsAsItsEpsgTransformation) {
  const Row& row = GetParam();
  const NumberFormat format = NumberFormat::point();
  MainWindowState state;
  state.numberFormat = format;
  RecordingToolkit toolkit;
  App app{state, toolkit};
  startUp(app, kShippedData);
  ASSERT_TRUE(selectText(app, state.Units_L, "Grados Decimales"));
  ASSERT_TRUE(selectText(app, state.Units_R, "Grados Decimales"));
  ASSERT_TRUE(selectText(app, state.DATUM_L, row.datum));
  // Bursa-Wolf applies a set of translations exactly; a set with a
  // fundamental point is Badekas-Molodensky's.
  click(app, row.badekas ? state.Label11 : state.Label10);

  std::vector<GeodeticPosition> points;
  for (double latitude = 0.75; latitude <= 12.5; latitude += 2.25)
    for (double longitude = -73.25; longitude <= -59.5; longitude += 2.5) points.push_back({latitude, longitude, 0.0});
  const std::vector<GeodeticPosition> expected = epsgToWgs84(row.operation, points);
  ASSERT_EQ(expected.size(), points.size()) << "cct (proj-bin) must be installed";

  // The displayed results keep 1e-9 degree (0.1 mm); the EPSG evaluation
  // point of EPSG:1095 is given to the centimetre, the catalogue's to the
  // millimetre, which moves a point by less than a micrometre.
  constexpr double kTolerance = 2.5e-4;  // metres
  for (std::size_t n = 0; n < points.size(); ++n) {
    const GeodeticPosition converted = convertTyped(app, points[n]);
    ASSERT_TRUE(toolkit.messages.empty()) << toolkit.messages.front().text;
    EXPECT_LT(horizontalMetres(converted, expected[n]), kTolerance)
        << row.datum << " at " << points[n].latitude << ", " << points[n].longitude;
  }
}

INSTANTIATE_TEST_SUITE_P(ShippedRows, CatalogueOracle, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& info) {
                           return std::string(info.param.operation).substr(5);
                         });

}  // namespace
}  // namespace brelosta
