#include "formats/catalogues.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/text_file.hpp"
#include "temp_folder.hpp"

namespace brelosta {
namespace {

namespace fs = std::filesystem;

const std::string kWgs84Line = R"("WGS84","WGS84","Referencia",0,0,0,0,0,0,0,0,0,0)";
const std::string kCanoaLine = R"("La Canoa","INT24","C1",-270.933,115.599,-360.226,-5.266,-1.238,2.381,-5.109,1,2,3)";
const std::string kSadLine = R"("SAD 69","SA69","S1",-45,12,-33,0,0,0,0,0,0,0)";
const std::string kEllipsoidLines = "\"WGS84\",\"WGS 84\",6378137,298.257223563\r\n"
                                    "\"INT24\",\"International 1924\",6378388,297\r\n"
                                    "\"SA69\",\"South American 1969\",6378160,298.25\r\n";

class CatalogueFolder : public ::testing::Test {
 protected:
  void write(const std::string& name, const std::string& bytes) {
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
  }
  std::variant<Catalogues, CatalogueFailure> read(const std::string& datumBytes,
                                                  const std::string& ellipsoidBytes = kEllipsoidLines) {
    write("datum.txt", datumBytes);
    write("elipsoide.txt", ellipsoidBytes);
    return readCatalogues(folder_);
  }

  TempFolder temp_;
  const fs::path folder_ = temp_.path();
};

std::string lines(std::initializer_list<std::string> texts) {
  std::string bytes;
  for (const std::string& text : texts) bytes += text + "\r\n";
  return bytes;
}

// The names of the slots, "-" for an empty one.
std::vector<std::string> slotNames(const Catalogues& catalogues) {
  std::vector<std::string> names;
  for (const auto& datum : catalogues.datums) names.push_back(datum ? datum->name : "-");
  return names;
}

TEST_F(CatalogueFolder, EachDatumLineFillsItsOwnSlot) {
  struct Case {
    const char* what;
    std::string bytes;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"records only", lines({kWgs84Line, kCanoaLine, kSadLine}), {"WGS84", "La Canoa", "SAD 69"}},
      {"blank line in the middle", lines({kWgs84Line, "", kCanoaLine}), {"WGS84", "-", "La Canoa"}},
      {"note in the middle", lines({kWgs84Line, "nota: sin comillas", kSadLine}), {"WGS84", "-", "SAD 69"}},
      {"trailing blank line", lines({kWgs84Line, kSadLine, ""}), {"WGS84", "SAD 69", "-"}},
      {"last line without line end", lines({kWgs84Line}) + kSadLine, {"WGS84", "SAD 69"}},
      {"line feeds only", kWgs84Line + "\n" + kSadLine + "\n", {"WGS84", "SAD 69"}},
      {"empty file", "", {}},
  };
  for (const Case& c : cases) {
    const auto result = read(c.bytes);
    ASSERT_TRUE(std::holds_alternative<Catalogues>(result)) << c.what;
    EXPECT_EQ(slotNames(std::get<Catalogues>(result)), c.names) << c.what;
  }
}

TEST_F(CatalogueFolder, ARecordAfterANonRecordLineKeepsItsOwnParameters) {
  const auto result = read(lines({kWgs84Line, "", kCanoaLine, "x", kSadLine}));
  const auto& datums = std::get<Catalogues>(result).datums;
  ASSERT_EQ(datums.size(), 5U);
  const Datum& canoa = *datums[2];
  EXPECT_EQ(canoa.parameterCode, "C1");
  EXPECT_EQ(canoa.ellipsoidKey, (CatalogueKey{false, 0.0, "INT24"}));
  const std::array<double, 10> expected{-270.933, 115.599, -360.226, -5.266, -1.238, 2.381, -5.109, 1, 2, 3};
  EXPECT_EQ(canoa.parameters, expected);
  EXPECT_EQ(datums[4]->parameters[0], -45.0);
  EXPECT_EQ(datums[4]->parameterCode, "S1");
}

TEST_F(CatalogueFolder, NamesAreReadAsWindows1252) {
  const auto result = read("\"Promedio Sudam\xE9rica\",\"INT24\",\"P\",-288,175,-376,0,0,0,0,0,0,0\r\n");
  EXPECT_EQ(std::get<Catalogues>(result).datums[0]->name, "Promedio Sudamérica");
}

TEST_F(CatalogueFolder, MalformedDatumRecordIsADatumFileError) {
  const std::string cases[] = {
      R"("WGS84","WGS84","R",0,0,0,0,0,0,0,0,0)",            // 12 fields
      R"("WGS84","WGS84","R",0,0,0,0,0,0,0,0,0,0,0)",        // 14 fields
      R"("WGS84","WGS84","R",0,0,cero,0,0,0,0,0,0,0)",       // text for a number
      R"("WGS84","WGS84","R",0,0,0,0,0,0,0,0,0,1.5.2)",      // not a number
      R"(")",                                                // a lone quote
  };
  for (const std::string& line : cases) {
    const auto result = read(lines({kSadLine, line, kCanoaLine}));
    ASSERT_TRUE(std::holds_alternative<CatalogueFailure>(result)) << line;
    EXPECT_EQ(std::get<CatalogueFailure>(result), CatalogueFailure::DatumFileMalformed) << line;
  }
}

TEST_F(CatalogueFolder, AtMost999DatumLines) {
  std::string bytes;
  for (int n = 0; n < 999; ++n) bytes += kSadLine + "\r\n";
  EXPECT_EQ(std::get<Catalogues>(read(bytes)).datums.size(), 999U);
  EXPECT_EQ(std::get<CatalogueFailure>(read(bytes + "\r\n")), CatalogueFailure::DatumFileMalformed);
}

TEST_F(CatalogueFolder, MissingDatumFile) {
  write("elipsoide.txt", kEllipsoidLines);
  EXPECT_EQ(std::get<CatalogueFailure>(readCatalogues(folder_)), CatalogueFailure::DatumFileMissing);
  fs::create_directory(folder_ / "datum.txt");
  EXPECT_EQ(std::get<CatalogueFailure>(readCatalogues(folder_)), CatalogueFailure::DatumFileMissing);
}

TEST_F(CatalogueFolder, BadEllipsoidFileFailsWithItsOwnMessage) {
  std::string hundred;
  for (int n = 0; n < 100; ++n) hundred += "\"K" + std::to_string(n) + "\",\"E\",6378137,298.25\r\n";
  const std::string cases[] = {
      kEllipsoidLines + "\r\n",                     // trailing blank line
      "\"WGS84\",\"WGS 84\",6378137\r\n",           // 3 fields
      "\"WGS84\",\"WGS 84\",6378137,298.25,1\r\n",  // 5 fields
      "\"WGS84\",\"WGS 84\",6378137,\"f\"\r\n",     // text for a number
      ",\"WGS 84\",6378137,298.25\r\n",             // no key
      hundred,
  };
  for (const std::string& bytes : cases) {
    const auto result = read(lines({kWgs84Line}), bytes);
    ASSERT_TRUE(std::holds_alternative<CatalogueFailure>(result)) << bytes;
    EXPECT_EQ(std::get<CatalogueFailure>(result), CatalogueFailure::EllipsoidFileFailed) << bytes;
  }
  write("datum.txt", lines({kWgs84Line}));
  fs::remove(folder_ / "elipsoide.txt");
  EXPECT_EQ(std::get<CatalogueFailure>(readCatalogues(folder_)), CatalogueFailure::EllipsoidFileFailed);
}

TEST(CatalogueMessages, NameTheFileThatFailed) {
  EXPECT_EQ(catalogueFailureMessage(CatalogueFailure::DatumFileMissing), "No se encontró datum.txt");
  EXPECT_EQ(catalogueFailureMessage(CatalogueFailure::DatumFileMalformed), "Error en el archivo datum.txt");
  EXPECT_EQ(catalogueFailureMessage(CatalogueFailure::EllipsoidFileFailed), "Error en el archivo elipsoide.txt");
}

TEST_F(CatalogueFolder, EllipsoidOfADatumLastMatchWins) {
  const auto result = read(lines({kWgs84Line, R"("N","7","X",0,0,0,0,0,0,0,0,0,0)"}),
                           kEllipsoidLines + "\"INT24\",\"Hayford\",6378388,297\r\n7,\"Siete\",7,7\r\n" +
                               "\"7\",\"Siete texto\",77,77\r\n");
  const Catalogues& catalogues = std::get<Catalogues>(result);
  const Ellipsoid* hayford = ellipsoidOf(catalogues.ellipsoids, {false, 0.0, "INT24"});
  ASSERT_NE(hayford, nullptr);
  EXPECT_EQ(hayford->name, "Hayford");
  EXPECT_EQ(ellipsoidOf(catalogues.ellipsoids, {false, 0.0, "NONE"}), nullptr);
  // A numeric key matches by value, a text key by its characters.
  EXPECT_EQ(ellipsoidOf(catalogues.ellipsoids, {true, 7.0, "7.0"})->name, "Siete");
  EXPECT_EQ(ellipsoidOf(catalogues.ellipsoids, catalogues.datums[1]->ellipsoidKey)->name, "Siete texto");
}

// The catalogues shipped with the program: values from NIMA TR8350.2 and
// the EPSG dataset.
// Every datum of the shipped catalogue against the EPSG dataset (v10.076):
// the transformation to WGS 84 the row names, its parameters (translations
// in metres, rotations in arc-seconds, coordinate-frame convention, scale in
// ppm, the Molodensky-Badekas evaluation point in metres) and its accuracy.
// The values are written here from the dataset, not read from the file.
TEST(ShippedCatalogues, HoldTheEpsgTransformationsEachRowNames) {
  const auto result = readCatalogues(kShippedData);
  ASSERT_TRUE(std::holds_alternative<Catalogues>(result));
  const Catalogues& catalogues = std::get<Catalogues>(result);
  ASSERT_FALSE(catalogues.datums.empty());
  ASSERT_TRUE(catalogues.datums.front());
  EXPECT_EQ(catalogues.datums.front()->name, "WGS84");

  struct Expected {
    const char* name;
    const char* epsg;      // the transformation's code, as the row's code names it
    const char* accuracy;  // as the row's code gives it
    const char* ellipsoid;
    double a;
    double inverseFlattening;
    std::array<double, 10> parameters;
  };
  const Expected expected[] = {
      {"WGS84", "EPSG:1768", "1 m", "WGS 84", 6378137, 298.257223563, {}},
      {"PSAD 56 - La Canoa (1)", "EPSG:1209", "23 m", "International 1924", 6378388, 297, {-295, 173, -371}},
      {"PSAD 56 - La Canoa (2)",
       "EPSG:1095",
       "15 m",
       "International 1924",
       6378388,
       297,
       {-270.933, 115.599, -360.226, -5.266, -1.238, 2.381, -5.109, 2464351.59, -5783466.61, 974809.81}},
      {"PSAD 56 - Promedio Sudamérica", "EPSG:1201", "42 m", "International 1924", 6378388, 297, {-288, 175, -376}},
      {"SAD 69 - Venezuela", "EPSG:1876", "8 m", "South American 1969", 6378160, 298.25, {-45, 8, -33}},
      {"SIRGAS-REGVEN", "EPSG:1768", "1 m", "GRS 1980", 6378137, 298.257222101, {}},
      {"PSAD 56 - Venezuela Oriental", "EPSG:1516", "2.5 m", "International 1924", 6378388, 297,
       {-273.5, 110.6, -357.9}},
      {"SAD 69 - Promedio Sudamérica", "EPSG:1864", "19 m", "South American 1969", 6378160, 298.25, {-57, 1, -41}},
  };
  // The dataset gives the evaluation point to the centimetre; the catalogue
  // keeps the millimetres of the published set.
  constexpr double kPointTolerance = 0.005;  // m
  std::size_t records = 0;
  for (const auto& datum : catalogues.datums) {
    if (!datum) continue;
    ++records;
    const auto e = std::find_if(std::begin(expected), std::end(expected),
                                [&](const Expected& candidate) { return datum->name == candidate.name; });
    ASSERT_NE(e, std::end(expected)) << "a row the EPSG table does not know: " << datum->name;
    for (std::size_t k = 0; k < 7; ++k) EXPECT_EQ(datum->parameters[k], e->parameters[k]) << e->name << " " << k;
    for (std::size_t k = 7; k < 10; ++k)
      EXPECT_NEAR(datum->parameters[k], e->parameters[k], kPointTolerance) << e->name << " " << k;
    EXPECT_NE(datum->parameterCode.find(e->epsg), std::string::npos) << e->name << ": " << datum->parameterCode;
    EXPECT_TRUE(datum->parameterCode.ends_with(std::string(", ") + e->accuracy))
        << e->name << ": " << datum->parameterCode;
    const Ellipsoid* ellipsoid = ellipsoidOf(catalogues.ellipsoids, datum->ellipsoidKey);
    ASSERT_NE(ellipsoid, nullptr) << e->name;
    EXPECT_EQ(ellipsoid->name, e->ellipsoid) << e->name;
    EXPECT_EQ(ellipsoid->semiMajorAxis, e->a) << e->name;
    EXPECT_EQ(ellipsoid->inverseFlattening, e->inverseFlattening) << e->name;
  }
  EXPECT_EQ(records, std::size(expected));
}

TEST(ShippedCatalogues, HoldTheCommonEllipsoids) {
  const auto result = readCatalogues(kShippedData);
  const Catalogues& catalogues = std::get<Catalogues>(result);
  struct Expected {
    const char* name;
    double a;
    double inverseFlattening;
  };
  const Expected expected[] = {
      {"WGS 84", 6378137, 298.257223563},    {"International 1924", 6378388, 297},
      {"GRS 1980", 6378137, 298.257222101},  {"South American 1969", 6378160, 298.25},
      {"Clarke 1866", 6378206.4, 294.9786982}, {"Clarke 1880 RGS", 6378249.145, 293.465},
      {"Bessel 1841", 6377397.155, 299.1528128}, {"WGS 72", 6378135, 298.26},
      {"Krassovsky 1940", 6378245, 298.3},
  };
  for (const Expected& e : expected) {
    const auto found = std::find_if(catalogues.ellipsoids.begin(), catalogues.ellipsoids.end(),
                                    [&](const auto& ellipsoid) { return ellipsoid && ellipsoid->name == e.name; });
    ASSERT_NE(found, catalogues.ellipsoids.end()) << e.name;
    EXPECT_EQ((*found)->semiMajorAxis, e.a) << e.name;
    EXPECT_EQ((*found)->inverseFlattening, e.inverseFlattening) << e.name;
  }
}

TEST(ShippedCatalogues, AreWindows1252WithCrLfLineEnds) {
  for (const char* name : {"datum.txt", "elipsoide.txt"}) {
    const auto bytes = readFileBytes(kShippedData / name);
    ASSERT_TRUE(bytes) << name;
    ASSERT_FALSE(bytes->empty()) << name;
    EXPECT_TRUE(bytes->ends_with("\r\n")) << name;
    std::size_t lineEnds = 0;
    for (std::size_t at = 0; (at = bytes->find("\r\n", at)) != std::string::npos; at += 2) ++lineEnds;
    EXPECT_EQ(std::count(bytes->begin(), bytes->end(), '\n'), lineEnds) << name;
    EXPECT_EQ(std::count(bytes->begin(), bytes->end(), '\r'), lineEnds) << name;
    EXPECT_EQ(bytes->find("\r\n\r\n"), std::string::npos) << name << ": no blank line";
  }
  EXPECT_NE(readFileBytes(kShippedData / "datum.txt")->find("Sudam\xE9rica"), std::string::npos);
}

}  // namespace
}  // namespace brelosta
