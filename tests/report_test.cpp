#include "formats/report.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/reaction_errors.hpp"
#include "batch_support.hpp"
#include "core/picture_format.hpp"
#include "formats/print_zones.hpp"

namespace brelosta {
namespace {

using testing::ConvertedBatch;
using testing::FileBytes;

const std::filesystem::path kDataFolder = std::filesystem::path(BRELOSTA_SOURCE_DIR) / "tests" / "data";

std::vector<std::string> expectedLines(const std::string& name) {
  const std::string text = readFileBytes(kDataFolder / name).value_or("(missing)");
  std::vector<std::string> lines;
  for (const std::string_view line : splitLines(text)) lines.emplace_back(line);
  return lines;
}

// `left` padded with blanks to `column` - 1 characters, then `right`: the
// second item of a line that starts at that column.
std::string at(std::size_t column, const std::string& left, const std::string& right) {
  return left + std::string(column - 1 - characterCount(left), ' ') + right;
}

ReportPanel panel(std::string file, std::string kind, std::string datum) {
  ReportPanel p;
  p.fileName = std::move(file);
  p.kind = std::move(kind);
  p.datum = std::move(datum);
  return p;
}

// The report of a run from PSAD 56 in UTM zone 19 to WGS84 in degrees,
// minutes and seconds, with Bursa-Wolf: the datum block with the
// parameters' signs aligned.
ReportData utmToDmsReport() {
  ReportData data;
  data.source = panel("puntos.txt", "UTM", "PSAD 56 - La Canoa (2)");
  data.source.zone = "19";
  data.target = panel("salida.txt", "Geográficas", "WGS84");
  data.method = "Bursa Wolf";
  data.parameterCode = "EPSG MB Venezuela";
  data.parameters = {"-270.933", "115.599", "-360.226", "-5.266", "-1.238", "2.381",
                     "2464351.594", "-5783466.613", "974809.808", "-5.109"};
  data.ellipsoid = "International 1924";
  data.referenceEllipsoid = "WGS 84";
  return data;
}

TEST(Report, UtmToDegreesMinutesSecondsMatchesTheReviewedFile) {
  const ConvertedBatch converted(
      "BM-1,1106500.25,450000,125.5\r\n,1000000,500000,-3\r\nV-123456789,1200000.5,650000.125,0\r\n",
      "Id Norte Este H", RecordFamily::Grid, RecordFamily::GeographicDms,
      {{"10", "0", "1.23456", "-69", "27", "17.65432", "100.1235"},
       {"-0", "30", "15.12345", "-63", "0", "0.00000", "-3.0000"},
       {"12", "5", "7.5", "-61", "37", "39.81284", "0.0000"}});
  FileBytes file;
  writeReport(utmToDmsReport(), converted.records(), NumberFormat::point(), file.sink);
  EXPECT_EQ(file.lines(), expectedLines("report_utm_to_dms.txt"));
}

TEST(Report, UtmToLambertContinuesTheZoneLineWithTheSixParameterRows) {
  ReportData data;
  data.source = panel("a.txt", "UTM", "WGS84");
  data.source.zone = "20";
  data.target = panel("b.txt", "Conica de Lambert", "WGS84");
  data.target.zone = "8";
  data.target.secondParallel = "12";
  data.target.falseEasting = "1000000";
  data.target.falseNorthing = "1000000";
  data.target.originLatitude = "10";
  data.target.originLongitude = "-66";
  data.ellipsoid = "WGS 84";
  data.referenceEllipsoid = "WGS 84";
  const ConvertedBatch converted("P1,1106500,171500\r\n", "Id Norte Este", RecordFamily::Grid, RecordFamily::Grid,
                                 {{"1055123.4567", "889999.9999", "0.0000"}});
  FileBytes file;
  writeReport(data, converted.records(), NumberFormat::point(), file.sink);
  EXPECT_EQ(file.lines(), expectedLines("report_utm_to_lambert.txt"));
}

// The lines between "DATOS GENERALES DE CONVERSION:" and the first table for
// a pair of panels.
std::vector<std::string> generalData(const ReportData& data) {
  const ConvertedBatch converted("1,2\r\n", "Norte Este", RecordFamily::Grid, RecordFamily::Grid,
                                 {{"1", "2", "0"}});
  FileBytes file;
  writeReport(data, converted.records(), NumberFormat::comma(), file.sink);
  const std::vector<std::string> lines = file.lines();
  const auto first = std::find(lines.begin(), lines.end(), "DATOS GENERALES DE CONVERSION:") + 2;
  const auto last = std::find(first, lines.end(), std::string(80, '_'));
  return {first, last};
}

TEST(Report, GeneralDataFollowsBothPanelsKinds) {
  const std::string sixteen(16, ' ');
  struct Case {
    const char* name;
    ReportPanel source;
    ReportPanel target;
    std::vector<std::string> expected;
  };
  ReportPanel lambertA = panel("a", "Conica de Lambert", "WGS84");
  lambertA.zone = "4";
  lambertA.secondParallel = "9";
  lambertA.falseEasting = "0";
  lambertA.falseNorthing = "0";
  lambertA.originLatitude = "0";
  lambertA.originLongitude = "-66,5";
  ReportPanel lambertB = lambertA;
  lambertB.fileName = "b";
  lambertB.zone = "5";
  ReportPanel utmA = panel("a", "UTM", "WGS84");
  utmA.zone = "19";
  ReportPanel utmB = panel("b", "UTM", "WGS84");
  utmB.zone = "20";
  const std::string datum = at(43, "Datum     : ITRF94_1995.4 / REGVEN", "Datum     : ITRF94_1995.4 /REGVEN ");
  const std::string ellipsoid = at(43, "Elipsoide : WGS 84", "Elipsoide : WGS 84");
  const std::string files = at(29, "Archivo de Entrada: a", "Archivo de Salida: b");
  const std::string lambert = "Proyección: Conica de Lambert";  // 29 characters: one zone to column 43
  const Case cases[] = {
      {"both Lambert",
       lambertA,
       lambertB,
       {files, at(43, lambert, lambert), at(43, "1er Paralelo    : 4", "1er Paralelo    : 5"),
        at(43, "2do Paralelo    : 9", "2do Paralelo    : 9"), at(43, "Falso Este      : 0", "Falso Este      : 0"),
        at(43, "Falso Norte     : 0", "Falso Norte     : 0"), at(43, "Latitud Origen  : 0", "Latitud Origen  : 0"),
        at(43, "Longitud Origen : -66,5", "Longitud Origen : -66,5"), "", datum, ellipsoid, ""}},
      {"Lambert source only",
       lambertA,
       panel("b", "Mercator", "WGS84"),
       {files, at(43, lambert, "Proyección: Mercator"), "1er Paralelo    : 4", "2do Paralelo    : 9",
        "Falso Este      : 0", "Falso Norte     : 0", "Latitud Origen  : 0", "Longitud Origen : -66,5", "", datum,
        ellipsoid, ""}},
      {"both UTM",
       utmA,
       utmB,
       {files, at(43, "Proyección: UTM", "Proyección: UTM"), at(43, "HUSO      : 19", "HUSO      : 20"), "", datum,
        ellipsoid, ""}},
      // "Transverse Mercator" is 19 characters long: two zones take the
      // target to column 57.
      {"UTM target only",
       panel("a", "Transverse Mercator", "WGS84"),
       utmB,
       {files, at(57, "Proyección: Transverse Mercator", "Proyección: UTM"), at(43, "", "HUSO      : 20"), "", datum,
        ellipsoid, ""}},
  };
  for (const Case& c : cases) {
    ReportData data;
    data.source = c.source;
    data.target = c.target;
    data.ellipsoid = "WGS 84";
    data.referenceEllipsoid = "WGS 84";
    EXPECT_EQ(generalData(data), c.expected) << c.name;
  }
}

TEST(Report, DatumNamesAndEllipsoidsBySideOfTheReference) {
  ReportData data;
  data.source = panel("a", "Geográficas", "WGS84");
  data.target = panel("b", "Geográficas", "SAD 69 - Venezuela");
  data.ellipsoid = "South American 1969";
  data.referenceEllipsoid = "WGS 84";
  data.parameters = {"-45", "12", "-33", "0", "0", "0", "0", "0", "0", "0"};
  std::vector<std::string> lines = generalData(data);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[3], at(43, "Datum     : ITRF94_1995.4 / REGVEN", "Datum     : SAD 69 - Venezuela"));
  EXPECT_EQ(lines[4], at(43, "Elipsoide : WGS 84", "Elipsoide : South American 1969"));
  data.source.datum = "SAD 69 - Venezuela";
  data.target.datum = "PSAD 56 - La Canoa (1)";
  data.ellipsoid = "International 1924";
  lines = generalData(data);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[3], at(43, "Datum     : SAD 69 - Venezuela", "Datum     : PSAD 56 - La Canoa (1)"));
  EXPECT_EQ(lines[4], at(43, "Elipsoide : International 1924", "Elipsoide : International 1924"));
  // A short source datum takes two zones: "Datum     : " + "WGS 84" style names.
  data.source.datum = "Local";
  EXPECT_EQ(generalData(data)[3], at(43, "Datum     : Local", "Datum     : PSAD 56 - La Canoa (1)"));
}

TEST(Report, TheDatumBlockOnlyWhenTheDatumsDiffer) {
  const auto hasBlock = [](const ReportData& data) {
    const ConvertedBatch converted("1,2\r\n", "LAT LON", RecordFamily::GeographicDecimal,
                                   RecordFamily::GeographicDecimal, {{"1", "2", "0"}});
    FileBytes file;
    writeReport(data, converted.records(), NumberFormat::point(), file.sink);
    const auto lines = file.lines();
    return std::find(lines.begin(), lines.end(), "DATOS DE CONVERSION DE DATUM") != lines.end();
  };
  ReportData data = utmToDmsReport();
  EXPECT_TRUE(hasBlock(data));
  data.target.datum = data.source.datum;
  EXPECT_FALSE(hasBlock(data));
}

TEST(Report, AShiftParameterThatIsNotANumberIsADataError) {
  ReportData data = utmToDmsReport();
  data.parameters[4] = "1,5x";
  const ConvertedBatch converted("1,2\r\n", "Norte Este", RecordFamily::Grid, RecordFamily::Grid,
                                 {{"1", "2", "0"}});
  FileBytes file;
  EXPECT_THROW(writeReport(data, converted.records(), NumberFormat::point(), file.sink), DataError);
}

// The lines after a section title ("COORDENADAS GEODESICAS DE ...").
std::vector<std::string> section(const std::vector<std::string>& lines, const std::string& title, std::size_t count) {
  const auto at = std::find(lines.begin(), lines.end(), title);
  if (at == lines.end() || lines.end() - at <= static_cast<std::ptrdiff_t>(count)) return {};
  return {at + 1, at + 1 + static_cast<std::ptrdiff_t>(count)};
}

TEST(Report, TablesByKindAndTextsThatAreNotNumbers) {
  // A quoted Id with a comma; a quoted text that reads as a number in the
  // user's format is written with the column's picture, a text that is not
  // a number as it stands; a layout without H gives the height 0.
  const ConvertedBatch converted("\"P1, este\",\"12,5\",abc\r\n", "Id Norte Este", RecordFamily::Grid,
                                 RecordFamily::GeographicDecimal, {{"10,25", "-66,5", "1,5"}});
  ReportData data;
  data.source = panel("a", "UTM", "WGS84");
  data.target = panel("b", "Transverse Mercator", "WGS84");
  FileBytes grid;
  writeReport(data, converted.records(), NumberFormat::comma(), grid.sink);
  const auto gridLines = grid.lines();
  EXPECT_EQ(section(gridLines, "COORDENADAS GEODESICAS DE ENTRADA", 4),
            (std::vector<std::string>{"", "    NO  ESTACION        NORTE[m]                 ESTE[m]             ALTURA[m]",
                                      "", "    01  P1, este       0000012,5000            abc         0000,0000"}));
  // No table for a Transverse Mercator panel: the title stands alone.
  EXPECT_EQ(section(gridLines, "COORDENADAS GEODESICAS DE SALIDA", 3), (std::vector<std::string>{"", "", ""}));

  data.source.kind = "Mercator";
  data.target = panel("b", "Geográficas", "WGS84");
  data.target.angleFormat = AngleFormat::DecimalDegrees;
  FileBytes decimal;
  writeReport(data, converted.records(), NumberFormat::comma(), decimal.sink);
  const auto decimalLines = decimal.lines();
  EXPECT_EQ(section(decimalLines, "COORDENADAS GEODESICAS DE ENTRADA", 3),
            (std::vector<std::string>{"", "", std::string(80, '_')}));
  EXPECT_EQ(section(decimalLines, "COORDENADAS GEODESICAS DE SALIDA", 4),
            (std::vector<std::string>{"", "    NO  ESTACION      LATITUD[°]             LONGITUD[°]             ALTURA[m]",
                                      "", "    01  P1, este     10,250000000           -66,500000000            0001,5000"}));
}

TEST(Report, FileNamesWithoutTheirFolder) {
  EXPECT_EQ(fileNameOf("/home/topo/puntos.txt"), "puntos.txt");
  EXPECT_EQ(fileNameOf("C:\\Datos\\puntos.txt"), "puntos.txt");
  EXPECT_EQ(fileNameOf("puntos.txt"), "puntos.txt");
  EXPECT_EQ(fileNameOf(""), "");
}

TEST(PrintZones, AdvancesToTheNextZoneStrictlyToTheRight) {
  FileBytes file;
  ZonedLine line(file.sink);
  line.zones(1).item("a").end();                // from column 1 to 15
  line.item(std::string(13, 'x')).zones(1).item("b").end();  // from 14 to 15
  line.item(std::string(14, 'x')).zones(1).item("c").end();  // from 15, a zone start, to 29
  line.item("ñ").zones(2).item("d").end();      // characters, not bytes
  line.end();
  EXPECT_EQ(file.lines(), (std::vector<std::string>{std::string(14, ' ') + "a", std::string(13, 'x') + " b",
                                                    std::string(14, 'x') + std::string(14, ' ') + "c",
                                                    "ñ" + std::string(27, ' ') + "d", ""}));
}

}  // namespace
}  // namespace brelosta
