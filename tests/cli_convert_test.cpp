// brelosta-cli convert run as a user runs it: the program, its exit code,
// its standard error and the files it leaves.

#include <gtest/gtest.h>

#include <fstream>

#include <filesystem>
#include <sstream>

#include "app/commands.hpp"
#include "app/number_format_choice.hpp"
#include "app/recording_toolkit.hpp"
#include "app/startup.hpp"
#include "child_process.hpp"
#include "cli/terminal_toolkit.hpp"
#include "core/path_text.hpp"
#include "core/text_file.hpp"
#include "core/windows1252.hpp"
#include "formats/point_file.hpp"
#include "temp_folder.hpp"

namespace brelosta {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = BRELOSTA_SOURCE_DIR;
const std::string kNotWritten = "no se escribió el archivo de salida\n";

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

std::string text(const fs::path& path) { return utf8FromPath(path); }

// The words of a command line given as one text, split at blanks.
std::vector<std::string> words(const std::string& line) {
  std::vector<std::string> out;
  std::istringstream in(line);
  for (std::string word; in >> word;) out.push_back(word);
  return out;
}

class CliConvertTest : public ::testing::Test {
 protected:
  CliRun run(const std::vector<std::string>& arguments) const {
    CliRun result;
    result.exitCode = runProgram(BRELOSTA_CLI, arguments, folder_ / "stdout", folder_ / "stderr",
                                 {std::string(kNumberFormatVariable) + "=" + numberFormatVariable_});
    result.out = readFileBytes(folder_ / "stdout").value_or("");
    result.err = readFileBytes(folder_ / "stderr").value_or("");
    fs::remove(folder_ / "stdout");
    fs::remove(folder_ / "stderr");
    return result;
  }

  // A conversion with the catalogues of data/ and the test configuration:
  // UTM zone 19 to geographic degrees-minutes-seconds on WGS84, layouts
  // "Id Norte Este H" and "Id LAT LON H".
  CliRun convert(const fs::path& in, const fs::path& out, const std::string& more = "") const {
    std::vector<std::string> arguments{"convert",
                                       "--workdir",
                                       text(kSource / "data"),
                                       "--config",
                                       text(kSource / "tests" / "data" / "utm19_a_geograficas_wgs84.cfg"),
                                       "--in",
                                       text(in),
                                       "--out",
                                       text(out)};
    for (std::string& word : words(more)) arguments.push_back(std::move(word));
    return run(arguments);
  }

  TempFolder temp_;
  const fs::path folder_ = temp_.path();
  // The machine's regional settings would decide otherwise.
  std::string numberFormatVariable_ = "point";
};

TEST_F(CliConvertTest, RefusesACommandLineItCannotRun) {
  const struct {
    const char* arguments;
    const char* error;
  } cases[] = {
      {"convert", "falta --config"},
      {"convert --config a --in b", "falta --out"},
      {"convert --config a --out b", "falta --in"},
      {"convert --config a --in b --out c --bogus", "opción desconocida o sin valor: --bogus"},
      {"convert --config a --in b --out", "opción desconocida o sin valor: --out"},
      {"convert --config a --in b --out c --number-format dot", "formato de números desconocido: dot"},
      {"convert --config a --in b --out c --format kmz", "formato de salida desconocido: kmz"},
      {"convert --config a --in b --out c --format", "opción desconocida o sin valor: --format"},
      {"convert --config a --in b --out c --format kml --report", "--report no vale con --format kml"},
      {"convert --config a --in b --out c --format csv --bom", "--bom vale solo con --format csv-header"},
      {"convert --config a --in b --out c --bom", "--bom vale solo con --format csv-header"},
      {"convert --config a --in b --out c --format geojson --heights", "--heights vale solo con --format kml"},
      {"translate", "orden desconocida: translate"},
  };
  for (const auto& c : cases) {
    const CliRun result = run(words(c.arguments));
    EXPECT_EQ(result.exitCode, 2) << c.arguments;
    EXPECT_NE(result.err.find(c.error), std::string::npos) << c.arguments << ": " << result.err;
    EXPECT_FALSE(fs::exists(fs::path("c"))) << c.arguments;
  }
}

TEST_F(CliConvertTest, ExplainsItselfInSpanish) {
  const CliRun top = run({"--help"});
  EXPECT_EQ(top.exitCode, 0);
  EXPECT_NE(top.out.find("convert   convierte un archivo de puntos"), std::string::npos) << top.out;
  const CliRun convertHelp = run({"convert", "--help"});
  EXPECT_EQ(convertHelp.exitCode, 0);
  for (const char* part : {"--config ARCHIVO", "--in ENTRADA", "--out SALIDA", "--reverse", "--report", "--workdir",
                           "--number-format comma", "Código de salida", "no se escribió el archivo de salida",
                           "--format csv-header", "--bom", "--heights", "--format dxf"})
    EXPECT_NE(convertHelp.out.find(part), std::string::npos) << part;
}

TEST_F(CliConvertTest, SaysWhyNothingWasWrittenWhenTheSetUpFails) {
  const fs::path out = folder_ / "out.txt";
  CliRun result = run({"convert", "--workdir", text(kSource / "data"), "--config", text(folder_ / "none.cfg"), "--in",
                       text(kSource / "data" / "puntos_ejemplo.txt"), "--out", text(out)});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "no se pudo recuperar la configuración: " + text(folder_ / "none.cfg") + "\n" + kNotWritten);
  EXPECT_FALSE(fs::exists(out));

  // No catalogues in the working folder: the start-up message, as the
  // window would show it.
  result = run({"convert", "--workdir", text(folder_), "--config",
                text(kSource / "tests" / "data" / "utm19_a_geograficas_wgs84.cfg"), "--in",
                text(kSource / "data" / "puntos_ejemplo.txt"), "--out", text(out)});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_TRUE(result.err.starts_with("Atención: ")) << result.err;
  EXPECT_TRUE(result.err.ends_with(kNotWritten)) << result.err;
  EXPECT_FALSE(fs::exists(out));
}

// The sample configuration shifts PSAD 56 (La Canoa) to WGS84 with the
// Badekas-Molodensky set of EPSG:1095. PROJ gives the same positions to
// 0.1 mm and the same heights:
//   cct +proj=pipeline +step +inv +proj=utm +zone=19 +ellps=intl +step +proj=cart +ellps=intl
//       +step +proj=molobadekas +x=-270.933 +y=115.599 +z=-360.226 +rx=-5.266 +ry=-1.238 +rz=2.381
//       +s=-5.109 +px=2464351.594 +py=-5783466.613 +pz=974809.808 +convention=coordinate_frame
//       +step +inv +proj=cart +ellps=WGS84
// (with Bursa-Wolf the same set puts the points about 180 m away).
TEST_F(CliConvertTest, TheShippedSampleConfigurationConvertsTheSampleFileAsProjDoes) {
  const fs::path out = folder_ / "salida.txt";
  const CliRun result = run({"convert", "--workdir", text(kSource / "data"), "--config",
                             text(kSource / "data" / "utm19_psad56_a_regven.cfg"), "--in",
                             text(kSource / "data" / "puntos_ejemplo.txt"), "--out", text(out), "--number-format",
                             "point"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(decodeWindows1252(readFileBytes(out).value_or("")),
            "BM-01 Catedral,10,30,45.06833,-66,54,56.88411,883.1201\r\n"
            "BM-02,10,30,1.46119,-66,53,43.70984,849.9653\r\n"
            "Ávila Norte,10,34,38.86396,-66,52,57.07655,2127.5309\r\n"
            "\"PZ-4, plaza\",10,29,1.28234,-66,56,46.31655,858.4000\r\n"
            "GPS-05,10,26,30.07856,-66,58,30.06646,990.8563\r\n");
}

TEST_F(CliConvertTest, ConvertsTheShippedSampleFile) {
  const fs::path out = folder_ / "salida.txt";
  const CliRun result = convert(kSource / "data" / "puntos_ejemplo.txt", out);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "");
  // PROJ's inverse UTM zone 19 gives the same seconds to the last digit.
  EXPECT_EQ(decodeWindows1252(readFileBytes(out).value_or("")),
            "BM-01 Catedral,10,30,56.86980,-66,54,49.85535,905.3000\r\n"
            "BM-02,10,30,13.26201,-66,53,36.68055,872.1500\r\n"
            "Ávila Norte,10,34,50.66354,-66,52,50.04511,2150.0000\r\n"
            "\"PZ-4, plaza\",10,29,13.08462,-66,56,39.29001,880.4200\r\n"
            "GPS-05,10,26,41.88138,-66,58,23.04257,1012.6780\r\n");

  const CliRun comma = convert(kSource / "data" / "puntos_ejemplo.txt", out, "--number-format comma");
  EXPECT_EQ(comma.exitCode, 0);
  EXPECT_TRUE(readFileBytes(out).value_or("").starts_with("BM-01 Catedral,10,30,\"56,86980\",-66,54,\"49,85535\",\"905,3000\"\r\n"));

  const CliRun report = convert(kSource / "data" / "puntos_ejemplo.txt", out, "--report");
  EXPECT_EQ(report.exitCode, 0);
  const std::string text = decodeWindows1252(readFileBytes(out).value_or(""));
  // The input file's name is 38 characters long: one zone to column 43.
  EXPECT_NE(text.find("\r\nArchivo de Entrada: puntos_ejemplo.txt    Archivo de Salida: salida.txt\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("\r\n    03  Ávila No       1170410.1330            00731905.5820         2150.0000\r\n"),
            std::string::npos);
}

// --format chooses the output; without it the configuration's output format
// counts, so that a configuration saved in the window converts the same.
TEST_F(CliConvertTest, WritesTheOutputFormatAskedForOrSaved) {
  const fs::path out = folder_ / "salida.kml";
  const CliRun kml = convert(kSource / "data" / "puntos_ejemplo.txt", out, "--format kml --heights");
  EXPECT_EQ(kml.exitCode, 0) << kml.err;
  const std::string written = readFileBytes(out).value_or("");
  EXPECT_TRUE(written.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n")) << written;
  EXPECT_NE(written.find("<altitudeMode>absolute</altitudeMode>"), std::string::npos);

  std::string configuration =
      readFileBytes(kSource / "tests" / "data" / "utm19_a_geograficas_wgs84.cfg").value_or("") + "GeoJSON\r\n";
  std::ofstream(folder_ / "geojson.cfg", std::ios::binary) << configuration;
  const auto withConfiguration = [&](const std::string& more) {
    std::vector<std::string> arguments{"convert", "--workdir", text(kSource / "data"), "--config",
                                       text(folder_ / "geojson.cfg"), "--in",
                                       text(kSource / "data" / "puntos_ejemplo.txt"), "--out", text(out)};
    for (std::string& word : words(more)) arguments.push_back(std::move(word));
    return run(arguments);
  };
  EXPECT_EQ(withConfiguration("").exitCode, 0);
  EXPECT_TRUE(readFileBytes(out).value_or("").starts_with("{\"type\":\"FeatureCollection\""));
  EXPECT_EQ(withConfiguration("--format csv").exitCode, 0);
  EXPECT_TRUE(readFileBytes(out).value_or("").starts_with("BM-01 Catedral,10,30,56.86980,"));
  EXPECT_EQ(withConfiguration("--report").exitCode, 0);  // --format report
  EXPECT_NE(readFileBytes(out).value_or("").find("DATOS GENERALES DE CONVERSION"), std::string::npos);
}

TEST_F(CliConvertTest, ConvertsBackWithReverse) {
  const fs::path geographic = folder_ / "geo.txt";
  const fs::path back = folder_ / "back.txt";
  ASSERT_EQ(convert(kSource / "data" / "puntos_ejemplo.txt", geographic).exitCode, 0);
  const CliRun result = convert(geographic, back, "--reverse");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  // The seconds keep five decimals, 0.15 mm on the ground: the way back
  // gives the sample's coordinates to a few tenths of a millimetre.
  const std::vector<std::array<double, 2>> sample = {{1163200.562, 728310.447},
                                                     {1161875.250, 730544.910},
                                                     {1170410.133, 731905.582},
                                                     {1159989.110, 725003.118},
                                                     {1155322.004, 721877.365}};
  auto lines = PointFile::open(back);
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), sample.size());
  const auto plan = recordPlan("Id Norte Este H", RecordFamily::Grid);
  std::vector<Field> scratch;
  std::string line;
  for (std::size_t n = 1; lines->next(line); ++n) {
    const SplitRecord record = readRecord(line, plan, scratch);
    EXPECT_NEAR(record.slots[0].number, sample[n - 1][0], 3e-4) << line;
    EXPECT_NEAR(record.slots[1].number, sample[n - 1][1], 3e-4) << line;
  }
}

TEST_F(CliConvertTest, ARunThatEndsEarlyWritesNothing) {
  const fs::path out = folder_ / "out.txt";
  ASSERT_TRUE(writeTextFile(out, {"old"}));
  CliRun result = convert(kSource / "tests" / "data" / "puntos_norte_fuera.txt", out);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err,
            "Atención: La Coordenada Norte debe estar entre -10.000.000 y 10.000.000 metros\n"
            "  Registro 3, línea 3 del archivo puntos_norte_fuera.txt, campo Norte: \"10000001\"\n" +
                kNotWritten);
  EXPECT_EQ(readFileBytes(out), "old\r\n");

  result = convert(kSource / "tests" / "data" / "puntos_linea_vacia.txt", out);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err,
            "Atención: Registro vacío\n  Registro 2, línea 2 del archivo puntos_linea_vacia.txt: línea en blanco\n" +
                kNotWritten);
  EXPECT_EQ(readFileBytes(out), "old\r\n");
}

// A spreadsheet's text with its titles' line, records that fail listed
// beside the output: exit code 3 and the line that says how many.
TEST_F(CliConvertTest, KeepsGoingPastFailedRecordsWhenAsked) {
  const fs::path in = kSource / "tests" / "data" / "hoja_errores_es.csv";
  const fs::path out = folder_ / "salida.txt";
  CliRun result = convert(in, out);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_TRUE(result.err.find("la primera línea parece una línea de títulos") != std::string::npos)
      << result.err;

  result = convert(in, out, "--header-line --keep-going");
  EXPECT_EQ(result.exitCode, 3) << result.err;
  EXPECT_EQ(
      result.err,
      "Conversión completa con errores: 4 de 6 registros no convertidos (lista en salida.errores.txt)\n");
  EXPECT_EQ(splitLines(readFileBytes(out).value_or("")).size(), 2u);
  EXPECT_EQ(splitLines(readFileBytes(folder_ / "salida.errores.txt").value_or("")).size(), 4u);

  result = convert(kSource / "tests" / "data" / "hoja_puntos_es.csv", folder_ / "buena.txt",
                   "--header-line --keep-going");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_FALSE(fs::exists(folder_ / "buena.errores.txt"));
}

TEST_F(CliConvertTest, MayWriteOverItsInputFile) {
  const fs::path points = folder_ / "puntos.txt";
  fs::copy_file(kSource / "data" / "puntos_ejemplo.txt", points);
  const CliRun result = convert(points, points);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_TRUE(readFileBytes(points).value_or("").starts_with("BM-01 Catedral,10,30,56.86980,"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 1);
}

// The window reads the regional settings, then BRELOSTA_NUMBER_FORMAT, then
// --number-format; the command line the same.
TEST_F(CliConvertTest, ChoosesTheDecimalMarkAsTheWindowDoes) {
  const fs::path out = folder_ / "salida.txt";
  const std::string commaLine = "BM-01 Catedral,10,30,\"56,86980\",-66,54,\"49,85535\",\"905,3000\"\r\n";
  const std::string pointLine = "BM-01 Catedral,10,30,56.86980,-66,54,49.85535,905.3000\r\n";
  numberFormatVariable_ = "comma";
  EXPECT_EQ(convert(kSource / "data" / "puntos_ejemplo.txt", out).exitCode, 0);
  EXPECT_TRUE(readFileBytes(out).value_or("").starts_with(commaLine));
  EXPECT_EQ(convert(kSource / "data" / "puntos_ejemplo.txt", out, "--number-format point").exitCode, 0);
  EXPECT_TRUE(readFileBytes(out).value_or("").starts_with(pointLine));

  numberFormatVariable_ = "coma";
  const CliRun bad = convert(kSource / "data" / "puntos_ejemplo.txt", out, "--number-format comma");
  EXPECT_EQ(bad.exitCode, 2);
  EXPECT_TRUE(bad.err.starts_with("BRELOSTA_NUMBER_FORMAT debe ser point o comma\n")) << bad.err;
  EXPECT_TRUE(readFileBytes(out).value_or("").starts_with(pointLine));
  const CliRun script = run({"script", "--number-format", "comma", "-"});
  EXPECT_EQ(script.exitCode, 2);
  EXPECT_EQ(script.err, "BRELOSTA_NUMBER_FORMAT debe ser point o comma\n");
}

// Names beyond the system's narrow code page (on Windows) pass whole from
// the command line to the files; a run that fails leaves the old output.
TEST_F(CliConvertTest, ConvertsFilesWithAccentedNames) {
  const fs::path in = folder_ / pathFromUtf8("Señales de Ávila.txt");
  const fs::path out = folder_ / pathFromUtf8("Salida ñandú.txt");
  fs::copy_file(kSource / "data" / "puntos_ejemplo.txt", in);
  ASSERT_TRUE(writeTextFile(out, {"old"}));
  const CliRun result = convert(in, out, "--report");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  const std::string report = decodeWindows1252(readFileBytes(out).value_or(""));
  EXPECT_NE(report.find("Archivo de Entrada: Señales de Ávila.txt"), std::string::npos) << report;
  EXPECT_NE(report.find("Archivo de Salida: Salida ñandú.txt"), std::string::npos) << report;

  fs::copy_file(kSource / "tests" / "data" / "puntos_norte_fuera.txt", in, fs::copy_options::overwrite_existing);
  EXPECT_EQ(convert(in, out, "--report").exitCode, 1);
  EXPECT_EQ(decodeWindows1252(readFileBytes(out).value_or("")), report);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 2);
}

TEST(TerminalToolkit, DrawsAProgressBarAndShowsMessagesOnTheErrorStream) {
  std::ostringstream err;
  TerminalToolkit terminal(err, true);
  terminal.progressChanged(50.0F);
  terminal.progressChanged(100.0F);
  EXPECT_EQ(terminal.showMessage(MessageRequest{"Atención", "Error en los Datos\nRegistro 2, línea 2",
                                                MessageIcon::Critical, MessageButtons::Ok, MessageAnswer::Ok}),
            MessageAnswer::Ok);
  EXPECT_EQ(terminal.messageCount(), 1);
  EXPECT_EQ(err.str(), "\r[" + std::string(20, '#') + std::string(20, '.') + "]  50 %" + "\r[" +
                           std::string(40, '#') + "] 100 %\nAtención: Error en los Datos\n  Registro 2, línea 2\n");

  std::ostringstream quiet;
  TerminalToolkit script(quiet, false);  // not a terminal: no bar
  script.progressChanged(50.0F);
  script.finishProgress();
  EXPECT_EQ(quiet.str(), "");
  EXPECT_FALSE(script.chooseFile(FileDialogRequest{}));
}

}  // namespace
}  // namespace brelosta
