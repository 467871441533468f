// The map window without a window: the outline file, the view's
// arithmetic, the drawing list for known views, and the points read from a
// file agreeing with what a conversion to WGS84 writes.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <variant>

#include "app/commands.hpp"
#include "app/convert_command.hpp"
#include "app/map_drawing.hpp"
#include "app/map_window.hpp"
#include "core/text_file.hpp"
#include "formats/map_outline.hpp"
#include "started_window.hpp"

namespace brelosta {
namespace {

namespace fs = std::filesystem;

const double kEast = std::cos(7.0 / 180.0 * std::acos(-1.0));

MapOutline outlineOf(std::string_view text) {
  auto parsed = parseMapOutline(text);
  if (const auto* problem = std::get_if<std::string>(&parsed)) ADD_FAILURE() << *problem;
  return std::get<MapOutline>(parsed);
}

std::string problemOf(std::string_view text) {
  const auto parsed = parseMapOutline(text);
  const auto* problem = std::get_if<std::string>(&parsed);
  return problem != nullptr ? *problem : "(leído)";
}

TEST(MapOutlineTest, ReadsLayersVerticesAndTheBoxOfEachLine) {
  const MapOutline outline = outlineOf(
      "# comentario\r\n> costa\r\n-67.5 10.25\r\n  -66.0   10.75 \r\n\r\n-65.0 10.5\r\n> frontera\n-72 7\n-71 8\n");
  ASSERT_EQ(outline.lines.size(), 2U);
  EXPECT_EQ(outline.lines[0].layer, OutlineLayer::Coast);
  EXPECT_EQ(outline.lines[0].count, 3U);
  EXPECT_EQ(outline.lines[0].west, -67.5);
  EXPECT_EQ(outline.lines[0].east, -65.0);
  EXPECT_EQ(outline.lines[0].south, 10.25);
  EXPECT_EQ(outline.lines[0].north, 10.75);
  EXPECT_EQ(outline.lines[1].layer, OutlineLayer::Border);
  EXPECT_EQ(outline.lines[1].first, 3U);
  EXPECT_EQ(outline.vertices[4], (LatLon{8.0, -71.0}));
}

TEST(MapOutlineTest, SaysWhatIsWrongAndOnWhichLine) {
  EXPECT_EQ(problemOf("> rio\n1 2\n3 4\n"), "línea 1: capa desconocida \"rio\" (costa, frontera o estado)");
  EXPECT_EQ(problemOf("# x\n-66 10\n"), "línea 2: un vértice antes de la primera capa");
  EXPECT_EQ(problemOf("> costa\n-66 10\n-66,5 10\n"), "línea 3: se esperaban la longitud y la latitud en grados");
  EXPECT_EQ(problemOf("> costa\n-66 10\n-66 10 3\n"), "línea 3: se esperaban la longitud y la latitud en grados");
  EXPECT_EQ(problemOf("> costa\n-66 10\n-66 91\n"), "línea 3: se esperaban la longitud y la latitud en grados");
  EXPECT_EQ(problemOf("> costa\n-66 10\n-66 nan\n"), "línea 3: se esperaban la longitud y la latitud en grados");
  EXPECT_EQ(problemOf("> costa\n-66 10\n> estado\n-66 10\n-65 10\n"), "línea 1: un trazo necesita al menos dos vértices");
  EXPECT_EQ(problemOf("> costa\n-66 10\n-65 10\n> estado\n"), "línea 4: un trazo necesita al menos dos vértices");
  EXPECT_EQ(problemOf(""), "no tiene ningún trazo");
  const TempFolder folder;
  const auto missing = readMapOutline(folder.path() / "mapa.txt");
  ASSERT_TRUE(std::holds_alternative<std::string>(missing));
  EXPECT_NE(std::get<std::string>(missing).find("no se puede leer"), std::string::npos);
}

// The shipped outline: the three layers, within the frame around Venezuela,
// small, with the coast at La Guaira (10.60 N, 66.93 W) and the border at
// Castilletes, where it meets the coast of the Guajira (11.85 N, 71.33 W).
TEST(MapOutlineTest, TheShippedOutlineCoversVenezuela) {
  const fs::path file = kShippedData / kMapOutlineFileName;
  EXPECT_LT(fs::file_size(file), 300'000U);
  const auto read = readMapOutline(file);
  ASSERT_TRUE(std::holds_alternative<MapOutline>(read)) << std::get<std::string>(read);
  const MapOutline& outline = std::get<MapOutline>(read);
  const auto near = [&](OutlineLayer layer, LatLon place, double degrees) {
    for (const OutlineLine& line : outline.lines) {
      if (line.layer != layer) continue;
      for (std::size_t k = line.first; k < line.first + line.count; ++k)
        if (std::abs(outline.vertices[k].latitude - place.latitude) < degrees &&
            std::abs(outline.vertices[k].longitude - place.longitude) < degrees)
          return true;
    }
    return false;
  };
  EXPECT_TRUE(near(OutlineLayer::Coast, {10.60, -66.93}, 0.05));
  EXPECT_TRUE(near(OutlineLayer::Border, {11.85, -71.33}, 0.05));
  EXPECT_TRUE(std::any_of(outline.lines.begin(), outline.lines.end(),
                          [](const OutlineLine& line) { return line.layer == OutlineLayer::StateBorder; }));
  for (const LatLon& v : outline.vertices) {
    EXPECT_GE(v.longitude, -75.0);
    EXPECT_LE(v.longitude, -57.0);
    EXPECT_GE(v.latitude, -0.5);
    EXPECT_LE(v.latitude, 13.5);
  }
}

constexpr CanvasSize kCanvas{400, 300};
constexpr MapView kCaracasView{10.0, -66.0, 100.0};

TEST(MapViewTest, PlacesPositionsByTheStandardParallel) {
  const PixelPoint middle = toPixel(kCaracasView, kCanvas, {10.0, -66.0});
  EXPECT_DOUBLE_EQ(middle.x, 200.0);
  EXPECT_DOUBLE_EQ(middle.y, 150.0);
  const PixelPoint northEast = toPixel(kCaracasView, kCanvas, {11.0, -65.0});
  EXPECT_DOUBLE_EQ(northEast.x, 200.0 + 100.0 * kEast);
  EXPECT_DOUBLE_EQ(northEast.y, 50.0);
  const LatLon back = fromPixel(kCaracasView, kCanvas, {37.5, 280.25});
  const PixelPoint again = toPixel(kCaracasView, kCanvas, back);
  EXPECT_NEAR(again.x, 37.5, 1e-9);
  EXPECT_NEAR(again.y, 280.25, 1e-9);
  const GeographicBox shown = shownArea(kCaracasView, kCanvas);
  EXPECT_DOUBLE_EQ(shown.north, 11.5);
  EXPECT_DOUBLE_EQ(shown.south, 8.5);
  EXPECT_NEAR(shown.west, -66.0 - 2.0 / kEast, 1e-12);
}

TEST(MapViewTest, ZoomKeepsThePositionUnderTheAnchorAndStaysInBounds) {
  const PixelPoint anchor{320.0, 40.0};
  const LatLon held = fromPixel(kCaracasView, kCanvas, anchor);
  const MapView nearer = zoomed(kCaracasView, kCanvas, kZoomStep, anchor);
  EXPECT_DOUBLE_EQ(nearer.pixelsPerDegree, 150.0);
  const PixelPoint still = toPixel(nearer, kCanvas, held);
  EXPECT_NEAR(still.x, anchor.x, 1e-9);
  EXPECT_NEAR(still.y, anchor.y, 1e-9);
  EXPECT_EQ(zoomed(kCaracasView, kCanvas, 1e9, anchor).pixelsPerDegree, kMaxPixelsPerDegree);
  EXPECT_EQ(zoomed(kCaracasView, kCanvas, 1e-9, anchor).pixelsPerDegree, kMinPixelsPerDegree);
}

TEST(MapViewTest, PanMovesWhatLayUnderThePointerWithIt) {
  const LatLon caracas{10.5, -66.9};
  const PixelPoint before = toPixel(kCaracasView, kCanvas, caracas);
  const MapView moved = panned(kCaracasView, 30.0, -12.0);
  const PixelPoint after = toPixel(moved, kCanvas, caracas);
  EXPECT_NEAR(after.x - before.x, 30.0, 1e-9);
  EXPECT_NEAR(after.y - before.y, -12.0, 1e-9);
  EXPECT_EQ(panned(kCaracasView, 0.0, 1e9).latitude, 85.0);
}

TEST(MapViewTest, FitShowsTheWholeBoxWithItsMargin) {
  const GeographicBox box{8.0, 12.0, -70.0, -60.0};
  const MapView view = fitted(box, kCanvas, 20.0, 2000.0);
  const PixelPoint southWest = toPixel(view, kCanvas, {box.south, box.west});
  const PixelPoint northEast = toPixel(view, kCanvas, {box.north, box.east});
  // Ten degrees of longitude are the wider side: they fill the width.
  EXPECT_NEAR(southWest.x, 20.0, 1e-9);
  EXPECT_NEAR(northEast.x, 380.0, 1e-9);
  EXPECT_GT(northEast.y, 20.0);
  EXPECT_LT(southWest.y, 280.0);
  // One position: the closest fit, centred on it.
  const MapView one = fitted({10.0, 10.0, -66.0, -66.0}, kCanvas, 20.0, 2000.0);
  EXPECT_EQ(one, (MapView{10.0, -66.0, 2000.0}));
}

MapWindowState mapAt(const MapView& view, CanvasSize canvas = kCanvas) {
  MapWindowState map;
  map.view = view;
  map.canvas = canvas;
  return map;
}

CanvasMetrics metrics(CanvasSize canvas = kCanvas) { return {canvas, 7.0, 14.0, 1.0}; }

std::vector<std::vector<DrawnPoint>> runsOf(const MapDrawing& drawing, MapStroke stroke) {
  std::vector<std::vector<DrawnPoint>> runs;
  for (const MapRun& run : drawing.runs)
    if (run.stroke == stroke)
      runs.emplace_back(drawing.vertices.begin() + run.first, drawing.vertices.begin() + run.first + run.count);
  return runs;
}

std::vector<std::string> textsOf(const MapDrawing& drawing, MapTextKind kind) {
  std::vector<std::string> texts;
  for (const MapText& text : drawing.texts)
    if (text.kind == kind) texts.push_back(text.text);
  return texts;
}

TEST(MapDrawingTest, TheOutlineIsClippedToTheCanvasAndLinesOutsideArePassedOver) {
  MapWindowState map = mapAt(kCaracasView);
  map.outline = outlineOf(
      "> costa\n-67 10\n-65 10\n"            // inside
      "> frontera\n-70 9.5\n-66 9.5\n"       // crosses the west edge
      "> estado\n-66 20\n-65 20\n");         // north of the view
  const MapDrawing drawing = drawMap(map, metrics());
  const auto coast = runsOf(drawing, MapStroke::Coast);
  ASSERT_EQ(coast.size(), 1U);
  ASSERT_EQ(coast[0].size(), 2U);
  EXPECT_NEAR(coast[0][0].x, 200.0 - 100.0 * kEast, 1e-3);
  EXPECT_NEAR(coast[0][0].y, 150.0, 1e-3);
  EXPECT_NEAR(coast[0][1].x, 200.0 + 100.0 * kEast, 1e-3);
  const auto border = runsOf(drawing, MapStroke::Border);
  ASSERT_EQ(border.size(), 1U);
  EXPECT_NEAR(border[0][0].x, -2.0, 1e-3);  // the clip margin
  EXPECT_NEAR(border[0][0].y, 200.0, 1e-3);
  EXPECT_NEAR(border[0][1].x, 200.0, 1e-3);
  EXPECT_TRUE(runsOf(drawing, MapStroke::StateBorder).empty());
}

// A line that leaves the canvas and comes back is drawn as two runs; the
// vertices closer than a pixel to the last one kept are dropped.
TEST(MapDrawingTest, ALineThatLeavesAndComesBackIsTwoRunsAndCrowdedVerticesAreDropped) {
  MapWindowState map = mapAt(kCaracasView);
  map.outline = outlineOf(
      "> costa\n-67 10\n-67 12\n-66 12\n-66 10\n"
      "> frontera\n-67 9\n-66.999 9.0001\n-66.998 9\n-66 9\n");
  const MapDrawing drawing = drawMap(map, metrics());
  const auto coast = runsOf(drawing, MapStroke::Coast);
  ASSERT_EQ(coast.size(), 2U);
  EXPECT_EQ(coast[0].size(), 2U);
  EXPECT_NEAR(coast[0][1].y, -2.0, 1e-3);
  EXPECT_EQ(coast[1].size(), 2U);
  EXPECT_NEAR(coast[1][0].y, -2.0, 1e-3);
  const auto border = runsOf(drawing, MapStroke::Border);
  ASSERT_EQ(border.size(), 1U);
  EXPECT_EQ(border[0].size(), 2U);
}

TEST(MapDrawingTest, MarkersStandAtTheirPixelsOnePerCellAnOutsidePointWinning) {
  MapWindowState map = mapAt(kCaracasView);
  map.points = {{10.0, -66.0, "A", false},
                {10.5, -65.5, "B", false},
                {10.0, -66.0, "C", false},
                {10.0001, -66.0001, "D", true},
                {30.0, -66.0, "Lejos", false}};
  const MapDrawing drawing = drawMap(map, metrics());
  ASSERT_EQ(drawing.markers.size(), 2U);
  // The inside markers first, the outside ones over them.
  EXPECT_EQ(drawing.markers[0].kind, MarkerKind::Inside);
  EXPECT_NEAR(drawing.markers[0].at.x, 200.0 + 50.0 * kEast, 1e-3);
  EXPECT_NEAR(drawing.markers[0].at.y, 100.0, 1e-3);
  EXPECT_EQ(drawing.markers[1].kind, MarkerKind::Outside);
  EXPECT_NEAR(drawing.markers[1].at.x, 200.0, 0.02);
  EXPECT_NEAR(drawing.markers[1].at.y, 150.0, 0.02);
  EXPECT_EQ(textsOf(drawing, MapTextKind::PointId), (std::vector<std::string>{"D", "B"}));
}

TEST(MapDrawingTest, IdsThatWouldOverlapAndIdsOfACrowdedMapAreNotWritten) {
  MapWindowState map = mapAt(kCaracasView);
  const LatLon first = fromPixel(kCaracasView, kCanvas, {100.0, 100.0});
  const LatLon second = fromPixel(kCaracasView, kCanvas, {100.0, 108.0});
  const LatLon atTheEdge = fromPixel(kCaracasView, kCanvas, {395.0, 200.0});
  map.points = {{first.latitude, first.longitude, "Primero", false},
                {second.latitude, second.longitude, "Segundo", false},
                {atTheEdge.latitude, atTheEdge.longitude, "Borde", false}};
  MapDrawing drawing = drawMap(map, metrics());
  EXPECT_EQ(drawing.markers.size(), 3U);
  EXPECT_EQ(textsOf(drawing, MapTextKind::PointId), std::vector<std::string>{"Primero"});

  map.points.clear();
  for (int column = 0; column < 30; ++column)
    for (int row = 0; row < 20; ++row) {
      const LatLon p = fromPixel(kCaracasView, kCanvas, {5.0 + column * 13.0, 5.0 + row * 14.0});
      map.points.push_back({p.latitude, p.longitude, "P", false});
    }
  drawing = drawMap(map, metrics());
  EXPECT_EQ(drawing.markers.size(), 600U);
  EXPECT_TRUE(textsOf(drawing, MapTextKind::PointId).empty());
}

TEST(MapDrawingTest, TheGraticuleTheGeoidGridAndTheZonesAreDrawnAndLabelled) {
  const MapDrawing drawing = drawMap(mapAt(kCaracasView), metrics());
  EXPECT_EQ(textsOf(drawing, MapTextKind::Graticule),
            (std::vector<std::string>{"9°N", "10°N", "11°N", "68°O", "67°O", "66°O", "65°O", "64°O"}));
  EXPECT_EQ(runsOf(drawing, MapStroke::Graticule).size(), 8U);
  // 66 W divides zones 19 and 20, in the middle of the canvas.
  const auto zones = runsOf(drawing, MapStroke::ZoneBoundary);
  ASSERT_EQ(zones.size(), 1U);
  EXPECT_NEAR(zones[0][0].x, 200.0, 1e-3);
  EXPECT_NEAR(zones[0][0].y, 300.0, 1e-3);
  EXPECT_NEAR(zones[0][1].y, 0.0, 1e-3);
  EXPECT_EQ(textsOf(drawing, MapTextKind::Zone), (std::vector<std::string>{"Huso 19", "Huso 20"}));
  // The grid's northern edge, 13 N, is above the view: nothing; nearer in,
  // minutes show.
  EXPECT_TRUE(runsOf(drawing, MapStroke::GeoidGrid).empty());
  const MapDrawing nearer = drawMap(mapAt({12.95, -66.3, 2000.0}), metrics());
  ASSERT_EQ(runsOf(nearer, MapStroke::GeoidGrid).size(), 1U);
  const auto labels = textsOf(nearer, MapTextKind::Graticule);
  EXPECT_NE(std::find(labels.begin(), labels.end(), "12°55'N"), labels.end());
  EXPECT_NE(std::find(labels.begin(), labels.end(), "66°20'O"), labels.end());
}

// The view follows its fit as the canvas changes size, until the user
// zooms or moves it; the wheel zooms where the pointer is, the arrows move
// by a quarter of the canvas.
TEST(MapWindowTest, TheViewFollowsItsFitUntilTheUserMovesIt) {
  StartedWindow window;
  App& app = window.app;
  MapWindowState& map = window.state.Map;
  click(app, window.state.Ver_Mapa);
  const MapView venezuela = map.view;
  resizeMap(app, {1200, 900});
  EXPECT_GT(map.view.pixelsPerDegree, venezuela.pixelsPerDegree);
  const PixelPoint pointer{100.0, 700.0};
  const LatLon held = fromPixel(map.view, map.canvas, pointer);
  turnMapWheel(app, 2.0, pointer);
  const PixelPoint still = toPixel(map.view, map.canvas, held);
  EXPECT_NEAR(still.x, pointer.x, 1e-9);
  EXPECT_NEAR(still.y, pointer.y, 1e-9);
  const MapView zoomedIn = map.view;
  resizeMap(app, {800, 600});
  EXPECT_EQ(map.view, zoomedIn);
  moveMap(app, MapArrow::Left);
  EXPECT_NEAR(toPixel(map.view, map.canvas, {zoomedIn.latitude, zoomedIn.longitude}).x, 400.0 + 200.0, 1e-9);
  click(app, map.Venezuela);
  resizeMap(app, {1200, 900});
  EXPECT_GT(map.view.pixelsPerDegree, venezuela.pixelsPerDegree);
}

// The map's points are where a file conversion to WGS84 puts them, by each
// of the methods.
class MapPointsTest : public ::testing::TestWithParam<const char*> {};

TEST_P(MapPointsTest, AreWhereAConversionToWgs84PutsThem) {
  StartedWindow window;
  App& app = window.app;
  MainWindowState& s = window.state;
  click(app, s.M_Archivo);
  selectText(app, s.Coord_L, "UTM");
  s.Zone_L.text = "19";
  selectText(app, s.DATUM_L, "PSAD 56 - La Canoa (2)");
  click(app, *findControl(s, GetParam()));
  s.File_L.text = (kShippedData / "puntos_ejemplo.txt").string();
  selectText(app, s.Formato_L, "Id Norte Este H");
  selectText(app, s.Units_R, "Grados Decimales");
  const fs::path out = window.folder() / "wgs84.txt";
  s.File_R.text = out.string();
  selectText(app, s.Formato_R, "Id LAT LON H");
  click(app, s.Command1);
  click(app, s.Ver_Mapa);
  ASSERT_TRUE(window.toolkit.messages.empty()) << window.toolkit.messages.front().text;

  const auto text = readTextFile(out);
  ASSERT_TRUE(text);
  const auto lines = splitLines(*text);
  ASSERT_EQ(s.Map.points.size(), 5U);
  for (std::size_t k = 0; k < 5; ++k) {
    // Id, latitude, longitude, height; the Id may hold a comma in quotes.
    const std::string line(lines[k]);
    const auto last = line.rfind(',');
    const auto longitude = line.rfind(',', last - 1);
    const auto latitude = line.rfind(',', longitude - 1);
    EXPECT_NEAR(s.Map.points[k].latitude, std::stod(line.substr(latitude + 1, longitude - latitude - 1)), 1e-9);
    EXPECT_NEAR(s.Map.points[k].longitude, std::stod(line.substr(longitude + 1, last - longitude - 1)), 1e-9);
    EXPECT_FALSE(s.Map.points[k].outside);
  }
  EXPECT_EQ(s.Map.points[3].id, "PZ-4, plaza");
}

INSTANTIATE_TEST_SUITE_P(Methods, MapPointsTest, ::testing::Values("Check1", "Check2", "Check3"));

}  // namespace
}  // namespace brelosta
