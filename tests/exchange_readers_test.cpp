// The exchange formats as the programs that open them read them: GDAL's
// ogrinfo (the readers of QGIS) opens each KML, GeoJSON, DXF and CSV with its
// .prj and must find every point, where the converted values put it, in the
// right system; ezdxf audits the DXF, xmllint parses the KML, and a GeoJSON
// written from UTM comes back to the same UTM coordinates through PROJ.
// The sample file (UTM zone 19 on "PSAD 56 - La Canoa (2)") is converted to
// UTM zone 19 on WGS84 (EPSG:32619), whose plain data file gives the values
// each reader must find.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "app/map_window.hpp"
#include "child_process.hpp"
#include "cli/script_driver.hpp"
#include "core/path_text.hpp"
#include "core/text_file.hpp"
#include "formats/epsg_systems.hpp"
#include "temp_folder.hpp"

namespace brelosta {
namespace {

namespace fs = std::filesystem;

constexpr double kMetreTolerance = 0.001;
constexpr double kDegreeTolerance = 1e-8;
constexpr std::size_t kSamplePoints = 5;

struct Point {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

// A reader's output, or nothing (the test then skips or fails) when the
// reader is missing.
class Readers {
 public:
  explicit Readers(const fs::path& folder) : folder_(folder) {}

  std::optional<std::string> run(const fs::path& tool, const std::vector<std::string>& arguments) const {
    if (!kLinuxFileReaders || !fs::exists(tool)) return std::nullopt;
    const fs::path out = folder_ / "reader.out";
    const fs::path err = folder_ / "reader.err";
    const int code = runProgram(tool, arguments, out, err);
    EXPECT_EQ(code, 0) << tool << ": " << readFileBytes(err).value_or("");
    return readFileBytes(out).value_or("");
  }

 private:
  fs::path folder_;
};

#define REQUIRE_READER(output)                                            \
  do {                                                                    \
    if (!(output)) {                                                      \
      if (!kLinuxFileReaders) GTEST_SKIP() << "no reader on this system"; \
      FAIL() << "reader missing: scripts/setup.sh installs it";           \
    }                                                                     \
  } while (false)

// The points of ogrinfo's feature dump, "POINT (x y)" or "POINT Z (x y z)".
std::vector<Point> dumpedPoints(const std::string& dump) {
  std::vector<Point> points;
  std::istringstream lines(dump);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t start = line.find("POINT");
    const std::size_t open = line.find('(', start);
    if (start == std::string::npos || open == std::string::npos) continue;
    std::istringstream numbers(line.substr(open + 1));
    Point p;
    numbers >> p.x >> p.y;
    if (!(numbers >> p.z)) p.z = 0.0;
    points.push_back(p);
  }
  return points;
}

// The values of one field in ogrinfo's dump ("  Name (String) = BM-02").
std::vector<std::string> dumpedField(const std::string& dump, const std::string& field) {
  std::vector<std::string> values;
  const std::string mark = "  " + field + " (";
  std::istringstream lines(dump);
  for (std::string line; std::getline(lines, line);)
    if (line.starts_with(mark)) values.push_back(line.substr(line.find(" = ") + 3));
  return values;
}

class ExchangeReadersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    temp_.copyShippedCatalogues();
    fs::copy_file(kShippedData / "puntos_ejemplo.txt", folder() / "puntos.txt");
    convert("puntos.txt", "PSAD 56 - La Canoa (2)", "Texto (Sin/Con Encabezado)", "plano.txt",
            NumberFormat::point());
    // The plain file's fields: Id, Norte, Este, H.
    for (const std::string& line : splitLinesOf("plano.txt")) {
      std::vector<std::string> fields;
      std::string field;
      bool quoted = false;
      for (const char c : line) {
        if (c == '"') quoted = !quoted;
        if (c == ',' && !quoted) {
          fields.push_back(field);
          field.clear();
        } else if (c != '"') {
          field += c;
        }
      }
      fields.push_back(field);
      ids_.push_back(fields[0]);
      utm_.push_back({std::stod(fields[2]), std::stod(fields[1]), std::stod(fields[3])});
    }
    ASSERT_EQ(utm_.size(), kSamplePoints);
  }

  const fs::path& folder() const { return temp_.path(); }

  // A file run from UTM zone 19 on `sourceDatum` to UTM zone 19 on WGS84,
  // layouts "Id Norte Este H", in the output format `format`; the exchange
  // formats with the user's decimal comma, which they must not follow.
  void convert(const std::string& input, const std::string& sourceDatum, const std::string& format,
               const std::string& output, NumberFormat numbers = NumberFormat::comma()) {
    std::istringstream script(
        "click M_Archivo\nselect Coord_L UTM\nset Zone_L 19\nselect DATUM_L " + sourceDatum +
        "\nselect Formato_L Id Norte Este H\nselect Coord_R UTM\nselect Formato_R Id Norte Este H\n"
        "select Formato_Salida " +
        format + "\nset File_L " + utf8FromPath(folder() / input) + "\nset File_R " +
        utf8FromPath(folder() / output) + "\nclick Command1\n");
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(runScript(script, out, err, ScriptOptions{folder(), numbers, {}}), 0) << err.str();
    ASSERT_EQ(out.str(), "") << "the run showed a message";
  }

  std::vector<std::string> splitLinesOf(const std::string& name) const {
    std::vector<std::string> lines;
    const std::string text = readTextFile(folder() / name).value_or("");
    for (const std::string_view line : splitLines(text)) lines.emplace_back(line);
    return lines;
  }

  std::optional<std::string> ogrinfo(const std::vector<std::string>& arguments) const {
    return readers_.run("/usr/bin/ogrinfo", arguments);
  }

  // The plain file's points on WGS84 by PROJ: longitude, latitude.
  std::optional<std::vector<Point>> utmOnWgs84() const {
    std::string lines;
    for (const Point& p : utm_) lines += std::to_string(p.x) + " " + std::to_string(p.y) + " 0\n";
    writeBytes("utm.txt", lines);
    const auto out =
        readers_.run("/usr/bin/cs2cs", {"-f", "%.11f", "EPSG:32619", "EPSG:4326", path("utm.txt")});
    if (!out) return std::nullopt;
    std::vector<Point> points;
    std::istringstream in(*out);
    for (double latitude, longitude, height; in >> latitude >> longitude >> height;)
      points.push_back({longitude, latitude, 0});
    return points;
  }

  void writeBytes(const std::string& name, const std::string& bytes) const {
    std::ofstream(folder() / name, std::ios::binary) << bytes;
  }
  std::string path(const std::string& name) const { return utf8FromPath(folder() / name); }

  TempFolder temp_;
  Readers readers_{temp_.path()};
  std::vector<std::string> ids_;
  std::vector<Point> utm_;  // east, north, height of the plain file
};

void expectNear(const std::vector<Point>& found, const std::vector<Point>& expected, double tolerance,
                bool withZ) {
  ASSERT_EQ(found.size(), expected.size());
  for (std::size_t k = 0; k < found.size(); ++k) {
    EXPECT_NEAR(found[k].x, expected[k].x, tolerance) << "point " << k + 1;
    EXPECT_NEAR(found[k].y, expected[k].y, tolerance) << "point " << k + 1;
    if (withZ) {
      EXPECT_NEAR(found[k].z, expected[k].z, kMetreTolerance) << "point " << k + 1;
    }
  }
}

TEST_F(ExchangeReadersTest, CsvWithItsPrjIsReadInItsUtmZone) {
  convert("puntos.txt", "PSAD 56 - La Canoa (2)", "CSV con títulos", "puntos.csv");
  const auto dump = ogrinfo({"-al", "-oo", "X_POSSIBLE_NAMES=Este", "-oo", "Y_POSSIBLE_NAMES=Norte", "-oo",
                             "Z_POSSIBLE_NAMES=H", path("puntos.csv")});
  const auto identified = readers_.run("/usr/bin/gdalsrsinfo", {"-e", path("puntos.prj")});
  REQUIRE_READER(dump && identified);
  EXPECT_NE(dump->find("Feature Count: 5"), std::string::npos) << *dump;
  EXPECT_NE(dump->find(R"(PROJCRS["WGS 84 / UTM zone 19N")"), std::string::npos) << *dump;
  EXPECT_NE(identified->find("EPSG:32619"), std::string::npos) << *identified;
  expectNear(dumpedPoints(*dump), utm_, kMetreTolerance, true);
  EXPECT_EQ(dumpedField(*dump, "Id"), ids_);
}

TEST_F(ExchangeReadersTest, GeoJsonPointsLieOnWgs84WhereTheUtmValuesAre) {
  convert("puntos.txt", "PSAD 56 - La Canoa (2)", "GeoJSON", "puntos.geojson");
  const auto dump = ogrinfo({"-al", path("puntos.geojson")});
  const auto expected = utmOnWgs84();
  REQUIRE_READER(dump && expected);
  EXPECT_NE(dump->find("Feature Count: 5"), std::string::npos) << *dump;
  EXPECT_NE(dump->find(R"(ID["EPSG",4979]])"), std::string::npos) << *dump;  // WGS 84 with heights
  expectNear(dumpedPoints(*dump), *expected, kDegreeTolerance, false);
  EXPECT_EQ(dumpedField(*dump, "EPSG"), std::vector<std::string>(kSamplePoints, "32619"));
  std::vector<Point> properties;
  const auto north = dumpedField(*dump, "Norte");
  const auto east = dumpedField(*dump, "Este");
  const auto height = dumpedField(*dump, "H");
  for (std::size_t k = 0; k < north.size() && k < east.size() && k < height.size(); ++k)
    properties.push_back({std::stod(east[k]), std::stod(north[k]), std::stod(height[k])});
  expectNear(properties, utm_, kMetreTolerance, true);
}

// Written from UTM on WGS84 and read back, the points are the same: the
// properties as written, the geometry through PROJ's UTM.
TEST_F(ExchangeReadersTest, GeoJsonFromUtmReadsBackAsTheSamePoints) {
  convert("plano.txt", "WGS84", "GeoJSON", "vuelta.geojson");
  writeBytes(
      "leer.py",
      "import json, sys\n"
      "for f in json.load(open(sys.argv[1], encoding='utf-8'))['features']:\n"
      "    lon, lat, h = f['geometry']['coordinates']\n"
      "    p = f['properties']\n"
      "    print('%.11f %.11f %.4f %.4f %.4f %s' % (lat, lon, p['Este'], p['Norte'], p['H'], p['Id']))\n");
  const auto read = readers_.run("/usr/bin/python3", {path("leer.py"), path("vuelta.geojson")});
  REQUIRE_READER(read);
  std::vector<Point> properties;
  std::ostringstream geographic;
  geographic.precision(12);
  std::istringstream in(*read);
  for (std::string line; std::getline(in, line);) {
    std::istringstream fields(line);
    double latitude, longitude;
    Point p;
    fields >> latitude >> longitude >> p.x >> p.y >> p.z;
    properties.push_back(p);
    geographic << latitude << ' ' << longitude << " 0\n";
  }
  expectNear(properties, utm_, kMetreTolerance, true);
  writeBytes("geo.txt", geographic.str());
  const auto projected =
      readers_.run("/usr/bin/cs2cs", {"-f", "%.5f", "EPSG:4326", "EPSG:32619", path("geo.txt")});
  REQUIRE_READER(projected);
  std::vector<Point> back;
  std::istringstream projectedLines(*projected);
  for (Point p; projectedLines >> p.x >> p.y >> p.z;) back.push_back({p.x, p.y, 0});
  std::vector<Point> flat = utm_;
  expectNear(back, flat, kMetreTolerance, false);
}

TEST_F(ExchangeReadersTest, KmlIsWellFormedAndItsPlacemarksLieOnWgs84) {
  convert("puntos.txt", "PSAD 56 - La Canoa (2)", "KML con alturas (Google Earth)", "puntos.kml");
  const auto wellFormed = readers_.run("/usr/bin/xmllint", {"--noout", path("puntos.kml")});
  const auto dump = ogrinfo({"-al", path("puntos.kml")});
  const auto expected = utmOnWgs84();
  REQUIRE_READER(wellFormed && dump && expected);
  EXPECT_EQ(*wellFormed, "");
  EXPECT_NE(dump->find("Feature Count: 5"), std::string::npos) << *dump;
  EXPECT_NE(dump->find(R"(ID["EPSG",4326]])"), std::string::npos) << *dump;
  expectNear(dumpedPoints(*dump), *expected, kDegreeTolerance, false);
  EXPECT_EQ(dumpedField(*dump, "Name"), ids_);
  EXPECT_EQ(dumpedField(*dump, "altitudeMode"), std::vector<std::string>(kSamplePoints, "absolute"));
}

// The map's "Abrir en Google Earth" file: its points where the map draws
// them, named by their Ids, escaped for XML.
TEST_F(ExchangeReadersTest, MapKmlHoldsTheMapsPoints) {
  const std::vector<MapPoint> points{{10.5, -66.9, "P1 <base>", false}, {8.25, -63.125, "Señal & torre", true}};
  std::string problem;
  ASSERT_TRUE(writeMapKml(folder() / "mapa.kml", points, problem)) << problem;
  const auto wellFormed = readers_.run("/usr/bin/xmllint", {"--noout", path("mapa.kml")});
  const auto dump = ogrinfo({"-al", path("mapa.kml")});
  REQUIRE_READER(wellFormed && dump);
  EXPECT_EQ(*wellFormed, "");
  EXPECT_NE(dump->find("Feature Count: 2"), std::string::npos) << *dump;
  expectNear(dumpedPoints(*dump), {{-66.9, 10.5, 0}, {-63.125, 8.25, 0}}, kDegreeTolerance, false);
  EXPECT_EQ(dumpedField(*dump, "Name"), (std::vector<std::string>{"P1 <base>", "Señal & torre"}));
}

TEST_F(ExchangeReadersTest, DxfPassesTheAuditAndHoldsThePointsInMetres) {
  convert("puntos.txt", "PSAD 56 - La Canoa (2)", "DXF (AutoCAD)", "puntos.dxf");
  writeBytes("auditar.py",
             "import sys, ezdxf\n"
             "doc = ezdxf.readfile(sys.argv[1])\n"
             "auditor = doc.audit()\n"
             "for e in auditor.errors: print('error', e)\n"
             "msp = doc.modelspace()\n"
             "for layer in ('PUNTOS', 'NOMBRES', 'COTAS'):\n"
             "    print(layer, len(msp.query('*[layer==\"%s\"]' % layer)))\n"
             "print('fixes', len(auditor.fixes))\n");
  const auto audit = readers_.run("/usr/bin/python3", {path("auditar.py"), path("puntos.dxf")});
  const auto dump = ogrinfo({"-al", path("puntos.dxf")});
  REQUIRE_READER(audit && dump);
  EXPECT_EQ(*audit, "PUNTOS 5\nNOMBRES 5\nCOTAS 5\nfixes 0\n");
  // Each record is a point, then its name and its height as texts.
  const std::vector<Point> points = dumpedPoints(*dump);
  ASSERT_EQ(points.size(), 3 * kSamplePoints);
  std::vector<Point> stations;
  for (std::size_t k = 0; k < points.size(); k += 3) stations.push_back(points[k]);
  expectNear(stations, utm_, kMetreTolerance, true);
  const auto texts = dumpedField(*dump, "Text");
  ASSERT_EQ(texts.size(), 2 * kSamplePoints);
  for (std::size_t k = 0; k < kSamplePoints; ++k) EXPECT_EQ(texts[2 * k], ids_[k]);
}

// The codes of the target systems, as the EPSG dataset numbers them, and
// GDAL's reading of each .prj: it must name the same system.
TEST(EpsgSystemsTest, EachPrjIsTheSystemOfItsCode) {
  struct Expected {
    std::string datum;
    int geographic;
    std::vector<int> utm18to21;  // 0: no code
  };
  const Expected table[] = {
      {"WGS84", 4326, {32618, 32619, 32620, 32621}},
      {"SIRGAS-REGVEN", 4189, {2201, 2202, 2203, 0}},
      {"PSAD 56 - La Canoa (1)", 4248, {24818, 24819, 24820, 24821}},
      {"PSAD 56 - Venezuela Oriental", 4248, {24818, 24819, 24820, 24821}},
      {"SAD 69 - Venezuela", 4618, {29168, 29169, 29170, 29171}},
  };
  const TempFolder temp;
  const Readers readers(temp.path());
  for (const Expected& datum : table) {
    std::vector<std::pair<std::optional<UtmZoneId>, int>> cases{{std::nullopt, datum.geographic}};
    for (int zone = 18; zone <= 21; ++zone)
      cases.push_back({UtmZoneId{zone, false}, datum.utm18to21[static_cast<std::size_t>(zone - 18)]});
    for (const auto& [utm, code] : cases) {
      SCOPED_TRACE(datum.datum + (utm ? ", zone " + std::to_string(utm->zone) : std::string()));
      const auto system = epsgSystem(datum.datum, utm);
      if (code == 0) {
        EXPECT_FALSE(system);
        continue;
      }
      ASSERT_TRUE(system);
      EXPECT_EQ(system->code, code);
      std::ofstream(temp.path() / "sistema.prj", std::ios::binary) << system->wkt;
      const auto identified =
          readers.run("/usr/bin/gdalsrsinfo", {"-e", utf8FromPath(temp.path() / "sistema.prj")});
      REQUIRE_READER(identified);
      EXPECT_NE(identified->find("EPSG:" + std::to_string(code) + "\n"), std::string::npos) << *identified;
    }
  }
  EXPECT_FALSE(epsgSystem("WGS84", UtmZoneId{19, true}));  // southern zones: none over Venezuela
  EXPECT_FALSE(epsgSystem("PSAD 56x", std::nullopt));
  EXPECT_FALSE(epsgSystem("Clarke 1866", std::nullopt));
}

}  // namespace
}  // namespace brelosta
