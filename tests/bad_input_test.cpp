// Bad input, one row per case, each with the outcome it must get: a clear
// message (or, where the program fails silently by design, no change), and
// nothing lost. Every file the program reads is tried missing, empty,
// binary, with a huge line, with a million lines, with LF line ends, saved
// as UTF-8 and truncated; then typed numbers, projection parameters and
// output paths.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

#include "cli/script_driver.hpp"
#include "core/text_file.hpp"
#include "core/windows1252.hpp"
#include "temp_folder.hpp"

namespace brelosta {
namespace {

namespace fs = std::filesystem;

// The ways a file can be bad, each made from the good content of the file.
enum class Damage { Missing, Empty, Binary, HugeLine, MillionLines, LfOnly, Utf8, Truncated };

std::string damaged(const std::string& good, Damage damage) {
  switch (damage) {
    case Damage::Missing:
    case Damage::Empty:
      return "";
    case Damage::Binary: {
      std::string bytes;
      for (int k = 0; k < 4096; ++k) bytes += static_cast<char>((k * 37) % 256);
      return bytes;
    }
    case Damage::HugeLine:
      return good + "\"" + std::string(2'000'000, '7') + "\r\n";
    case Damage::MillionLines: {
      std::string lines;
      for (int k = 0; k < 1'000'000; ++k) lines += "P,1,2\r\n";
      return lines;
    }
    case Damage::LfOnly: {
      std::string text;
      for (char c : good)
        if (c != '\r') text += c;
      return text;
    }
    case Damage::Utf8:
      return decodeWindows1252(good);
    case Damage::Truncated:
      return good.substr(0, good.size() - 9);
  }
  return good;
}

const char* damageName(Damage damage) {
  constexpr const char* kNames[] = {"missing", "empty", "binary", "huge line", "a million lines",
                                    "LF only", "UTF-8",   "truncated"};
  return kNames[static_cast<int>(damage)];
}

// A started window in a folder of its own, driven by script lines.
class Window {
 public:
  explicit Window(const std::function<void(const fs::path&)>& prepare = {},
                  NumberFormat format = NumberFormat::point()) {
    folder_.copyShippedCatalogues();
    if (prepare) prepare(folder_.path());
    session_ = std::make_unique<ScriptSession>(out_, err_, ScriptOptions{folder_.path(), format, kShippedData});
  }

  void run(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) ASSERT_TRUE(session_->runLine(line, 0)) << line << ": " << err_.str();
  }
  // The texts of the messages shown so far, in order, the window's folder
  // and the separator after it written as "{dir}/".
  std::vector<std::string> messages() const {
    std::vector<std::string> texts;
    const std::string folder = folder_.path().string();
    for (const auto& m : session_->toolkit().messages) {
      std::string text = m.text;
      for (std::size_t at; (at = text.find(folder)) != std::string::npos;) {
        const bool separator = at + folder.size() < text.size() && (text[at + folder.size()] == '/' ||
                                                                    text[at + folder.size()] == '\\');
        text.replace(at, folder.size() + (separator ? 1 : 0), separator ? "{dir}/" : "{dir}");
      }
      texts.push_back(text);
    }
    return texts;
  }
  MainWindowState& state() { return session_->state(); }
  fs::path path(const std::string& name) const { return folder_.path() / name; }

 private:
  TempFolder folder_;
  std::ostringstream out_;
  std::ostringstream err_;
  std::unique_ptr<ScriptSession> session_;
};

void writeBytes(const fs::path& path, const std::string& bytes) {
  AtomicFileWriter writer(path);
  writer.write(bytes);
  ASSERT_TRUE(writer.commit());
}

void place(const fs::path& path, const std::string& good, Damage damage) {
  if (damage == Damage::Missing)
    fs::remove(path);
  else
    writeBytes(path, damaged(good, damage));
}

using Messages = std::vector<std::string>;

struct CatalogueRow {
  const char* file;
  Damage damage;
  Messages startUp;  // what start-up says
};

TEST(BadInput, CatalogueFiles) {
  const Messages none;
  const Messages datumMissing{"No se encontró datum.txt"};
  const Messages datumBad{"Error en el archivo datum.txt"};
  const Messages ellipsoidBad{"Error en el archivo elipsoide.txt"};
  const Messages noReference{"No se encontró el datum WGS84 en datum.txt"};
  const Messages noReferenceEllipsoid{"No se encontró el elipsoide del datum WGS84 en elipsoide.txt"};
  const CatalogueRow rows[] = {
      {"datum.txt", Damage::Missing, datumMissing},
      {"datum.txt", Damage::Empty, datumBad},
      {"datum.txt", Damage::Binary, noReference},  // no line is a record
      {"datum.txt", Damage::HugeLine, datumBad},
      {"datum.txt", Damage::MillionLines, datumBad},
      {"datum.txt", Damage::LfOnly, none},
      {"datum.txt", Damage::Utf8, none},
      {"datum.txt", Damage::Truncated, datumBad},
      {"elipsoide.txt", Damage::Missing, ellipsoidBad},
      {"elipsoide.txt", Damage::Empty, noReferenceEllipsoid},
      {"elipsoide.txt", Damage::Binary, ellipsoidBad},
      {"elipsoide.txt", Damage::HugeLine, ellipsoidBad},
      {"elipsoide.txt", Damage::MillionLines, ellipsoidBad},
      {"elipsoide.txt", Damage::LfOnly, none},
      {"elipsoide.txt", Damage::Utf8, none},
      {"elipsoide.txt", Damage::Truncated, ellipsoidBad},
  };
  for (const CatalogueRow& row : rows) {
    SCOPED_TRACE(std::string(row.file) + " " + damageName(row.damage));
    const std::string good = *readFileBytes(kShippedData / row.file);
    Window window([&](const fs::path& folder) { place(folder / row.file, good, row.damage); });
    EXPECT_EQ(window.messages(), row.startUp);
    if (row.startUp.empty()) {
      // The catalogue was read whole, accents included.
      EXPECT_EQ(window.state().DATUM_L.entries.at(3), "PSAD 56 - Promedio Sudamérica");
      EXPECT_EQ(window.state().Wgs84Ellipsoid.name, "WGS 84");
    }
  }
}

// A catalogue that lacks a datum the program relies on.
TEST(BadInput, CataloguesWithoutTheDatumsTheProgramNeeds) {
  const std::string good = decodeWindows1252(*readFileBytes(kShippedData / "datum.txt"));
  const auto without = [&](const std::string& name) {
    std::vector<std::string> lines;
    for (std::string_view line : splitLines(good))
      if (line.find("\"" + name + "\"") != 0) lines.emplace_back(line);
    return lines;
  };
  {
    Window window([&](const fs::path& folder) { writeTextFile(folder / "datum.txt", without("WGS84")); });
    EXPECT_EQ(window.messages(), Messages{"No se encontró el datum WGS84 en datum.txt"});
  }
  {
    Window window(
        [&](const fs::path& folder) { writeTextFile(folder / "datum.txt", without("PSAD 56 - La Canoa (2)")); });
    EXPECT_TRUE(window.messages().empty());
    window.run({"select Coord_L Loma Quintana (Ven)"});
    ASSERT_EQ(window.messages().size(), 1u);
    EXPECT_NE(window.messages()[0].find("PSAD 56 - La Canoa (2)"), std::string::npos);
    EXPECT_EQ(window.state().Coord_L.text, "Geográficas");
  }
}

struct PointFileRow {
  Damage damage;
  Messages messages;
  bool output;  // whether the run writes its output file
};

TEST(BadInput, PointFiles) {
  // In the Windows code page, as the program's peers write it.
  const std::string good =
      "P1,1106908.8542,471071.264,10\r\n\"Se\xF1"
      "al 2\",1107012.5,471102.75,30.2\r\nP3,1105500.25,470980.5,12.5\r\n";
  const auto dataError = [](const std::string& where) { return Messages{"Error en los Datos\n" + where}; };
  const PointFileRow rows[] = {
      {Damage::Missing, dataError("El archivo de entrada {dir}/puntos.txt no existe"), false},
      {Damage::Empty, dataError("El archivo de entrada {dir}/puntos.txt no tiene registros"), false},
      // its first line fails with commas and holds a ";" and a tab
      {Damage::Binary,
       dataError("Registro 1, línea 1 del archivo puntos.txt, campo Norte: \".Sx\u009d\u00c2\u00e7?1V{\u00a0\u00c5"
                 "\u00ea?4Y~\u00a3\u00c8\u00ed?7\\\u0081\u00a6\u00cb\u00f0?:_\u201e\u00a9\u00ce\u00f3?=b\u2021"
                 "\u00ac\u00d1\u2026\""),
       false},
      {Damage::HugeLine,
       dataError("Registro 4, línea 4 del archivo puntos.txt: la línea tiene más de 1 048 576 caracteres"),
       false},
      // more records than a batch holds
      {Damage::MillionLines, dataError("El archivo de entrada {dir}/puntos.txt tiene más de 999 999 registros"), false},
      {Damage::LfOnly, {}, true},
      {Damage::Utf8, {}, true},
      // the last line lost a field
      {Damage::Truncated,
       dataError("Registro 3, línea 3 del archivo puntos.txt: tiene 3 campos y el formato \"Id Norte Este H\" pide 4"),
       false},
  };
  for (const PointFileRow& row : rows) {
    SCOPED_TRACE(damageName(row.damage));
    Window window([&](const fs::path& folder) {
      place(folder / "puntos.txt", good, row.damage);
      writeBytes(folder / "salida.txt", "anterior\r\n");
    });
    window.run({"select Coord_L UTM", "set Zone_L 19", "click M_Archivo", "select Formato_L Id Norte Este H",
                "select Formato_R Id LAT LON H", "set File_L " + window.path("puntos.txt").string(),
                "set File_R " + window.path("salida.txt").string(), "click Command1"});
    EXPECT_EQ(window.messages(), row.messages);
    const auto written = readFileBytes(window.path("salida.txt"));
    ASSERT_TRUE(written);
    if (row.output) {
      EXPECT_EQ(splitLines(*written).size(), 3u);
      EXPECT_NE(written->find("\nSe\xF1" "al 2,"), std::string::npos);  // the Id, in the code page
    } else {
      EXPECT_EQ(*written, "anterior\r\n") << "the earlier output must survive";
    }
  }
}

TEST(BadInput, ConfigurationFiles) {
  // A configuration saved by the program: UTM zone 19 on the left.
  std::string good;
  {
    Window saved;
    saved.run({"select Coord_L UTM", "set Zone_L 19", "file " + saved.path("c.cfg").string(), "click guardar"});
    good = *readFileBytes(saved.path("c.cfg"));
  }
  for (const Damage damage : {Damage::Missing, Damage::Empty, Damage::Binary, Damage::HugeLine,
                              Damage::MillionLines, Damage::LfOnly, Damage::Utf8, Damage::Truncated}) {
    SCOPED_TRACE(damageName(damage));
    Window window([&](const fs::path& folder) { place(folder / "c.cfg", good, damage); });
    MainWindowState before = window.state();
    window.run({"file " + window.path("c.cfg").string(), "click recuperar"});
    before.Settings.text = window.state().Settings.text;  // the dialog keeps its last choice
    EXPECT_TRUE(window.messages().empty());  // a restore fails silently
    const bool readable = damage == Damage::LfOnly || damage == Damage::Utf8;
    if (readable) {
      EXPECT_EQ(window.state().Coord_L.text, "UTM");
      EXPECT_EQ(window.state().Zone_L.text, "19");
    } else if (damage != Damage::HugeLine) {
      EXPECT_TRUE(window.state() == before) << "a file that cannot be restored changes nothing";
    }
  }
}

TEST(BadInput, PreviewFiles) {
  const std::string good = "1106908.8542,471071.264\r\n1107012.5,471102.75\r\n";
  for (const Damage damage : {Damage::Missing, Damage::Empty, Damage::Binary, Damage::HugeLine,
                              Damage::MillionLines, Damage::LfOnly, Damage::Utf8, Damage::Truncated}) {
    SCOPED_TRACE(damageName(damage));
    Window window([&](const fs::path& folder) { place(folder / "p.txt", good, damage); });
    window.run({"click Revisar", "set Preview.File_Preview " + window.path("p.txt").string(), "click Preview.Examinar"});
    EXPECT_TRUE(window.messages().empty());
    EXPECT_LE(window.state().Preview.List1.entries.size(), 6u);
    if (damage == Damage::LfOnly || damage == Damage::Utf8) {
      EXPECT_EQ(window.state().Preview.List1.entries.size(), 2u);
      EXPECT_EQ(window.state().Preview.List10.entries.at(0), "1106908.8542");
    }
  }
}

struct TypedRow {
  const char* format;  // "point" or "comma"
  std::vector<std::string> lines;
  Messages messages;
  const char* result;  // LAT_D_R afterwards, or nullptr when not converted
};

TEST(BadInput, TypedNumbersAndParameters) {
  const Messages dataError{"Error en los Datos"};
  const auto typed = [](const std::string& first, const std::string& box, const std::string& text) {
    return Messages{first + "\n" + box + ", panel izquierdo: \"" + text + "\""};
  };
  const auto latitude = [&](const std::string& text) {
    return typed("La Latitud debe estar entre -88 y 88 grados", "Latitud", text);
  };
  const auto notANumber = [&](const std::string& box, const std::string& text) {
    return typed("Error en los Datos", box, text);
  };
  const auto zone = [&](const std::string& text) {
    return typed("La Zona UTM debe ser un número entero entre 1 y 60", "Zona", text);
  };
  const std::string decimal = "select Units_L Grados Decimales";
  const std::string toDecimal = "select Units_R Grados Decimales";
  const TypedRow rows[] = {
      {"point", {decimal, toDecimal, "set LAT_D_L 1e999", "set LON_D_L -66", "click Command1"}, latitude("1e999"),
       nullptr},
      {"point", {decimal, toDecimal, "set LAT_D_L 10", "set LON_D_L -66", "set ALT_M_L 1e999", "click Command1"},
       notANumber("Altura", "1e999"), nullptr},
      {"point", {decimal, toDecimal, "set LAT_D_L -0", "set LON_D_L -66", "click Command1"}, {}, "0.000000000"},
      {"point", {decimal, toDecimal, "set LAT_D_L nan", "set LON_D_L -66", "click Command1"},
       notANumber("Latitud", "nan"), nullptr},
      {"point", {decimal, toDecimal, "set LAT_D_L inf", "set LON_D_L -66", "click Command1"},
       notANumber("Latitud", "inf"), nullptr},
      {"point", {decimal, toDecimal, "set LAT_D_L 1,5", "set LON_D_L -66", "click Command1"},
       notANumber("Latitud", "1,5"), nullptr},
      {"comma", {decimal, toDecimal, "set LAT_D_L 1.5", "set LON_D_L -66", "click Command1"},
       notANumber("Latitud", "1.5"), nullptr},
      {"comma", {decimal, toDecimal, "set LAT_D_L 1,5", "set LON_D_L -66", "click Command1"}, {}, "1,500000000"},
      {"point", {decimal, toDecimal, "set LAT_D_L 10", "set LON_D_L -66", "set ALT_M_L 1,00,0", "click Command1"},
       notANumber("Altura", "1,00,0"), nullptr},
      // One group of thousands alone may be a decimal written with the other mark.
      {"point", {decimal, toDecimal, "set LAT_D_L 10", "set LON_D_L -66", "set ALT_M_L 1,000", "click Command1"},
       {"El número 1,000 es ambiguo\nEscriba 1.000 si la coma separa decimales, o 1000 si separa miles"}, nullptr},
      {"point", {decimal, toDecimal, "set LAT_D_L 10", "set LON_D_L -66", "set ALT_M_L 1,000,000", "click Command1"},
       {}, "10.000000000"},
      // Latitudes at the edge of the accepted range, and just past it.
      {"point", {decimal, toDecimal, "set LAT_D_L 88", "set LON_D_L -66", "click Command1"}, {}, "88.000000000"},
      {"point", {decimal, toDecimal, "set LAT_D_L -88", "set LON_D_L -66", "click Command1"}, {}, "-88.000000000"},
      {"point", {decimal, toDecimal, "set LAT_D_L 88.0001", "set LON_D_L -66", "click Command1"},
       latitude("88.0001"), nullptr},
      // Parallels symmetric about the equator: a cone constant of 0.
      {"point",
       {decimal, "select Coord_R Conica de Lambert", "set Zone_R 10", "set Para_2_R -10", "set Lon_origen_R -66",
        "set LAT_D_L 10", "set LON_D_L -66", "click Command1"},
       dataError, nullptr},
      // A Mercator parallel of true scale at the pole.
      {"point",
       {decimal, "select Coord_R Mercator", "set Zone_R 90", "set Lon_origen_R -66", "set LAT_D_L 10",
        "set LON_D_L -66", "click Command1"},
       {"La Latitud de escala verdadera debe estar entre -90 y 90 grados"}, nullptr},
      // UTM zones 0 and 61 of a typed point: 61 would be zone 1 one turn
      // further east.
      {"point",
       {"select Coord_L UTM", "set Zone_L 0", "set LAT_D_L 1100000", "set LON_D_L 500000", "click Command1"},
       {"Introduzca la Zona UTM ó Huso Geográfico"}, nullptr},
      {"point",
       {toDecimal, "select Coord_L UTM", "set Zone_L 61", "set LAT_D_L 1100000", "set LON_D_L 500000",
        "click Command1"},
       zone("61"), nullptr},
      {"point",
       {decimal, "select Coord_R UTM", "value Fijar_R 0", "set Zone_R 61", "set LAT_D_L 10", "set LON_D_L -66",
        "click Command1"},
       {"La diferencia entre husos es mayor a 1\nEl punto cae en el huso 20 y la Zona del panel derecho es 61"},
       nullptr},
  };
  for (const TypedRow& row : rows) {
    std::string trace = row.format;
    for (const std::string& line : row.lines) trace += " | " + line;
    SCOPED_TRACE(trace);
    Window window({}, std::string(row.format) == "comma" ? NumberFormat::comma() : NumberFormat::point());
    window.run(row.lines);
    EXPECT_EQ(window.messages(), row.messages);
    if (row.result != nullptr) {
      EXPECT_EQ(window.state().LAT_D_R.text, row.result);
    }
  }
}

TEST(BadInput, OutputPaths) {
  const std::string points = "P1,1106908.8542,471071.264\r\n";
  const auto runTo = [&](Window& window, const std::string& output) {
    window.run({"select Coord_L UTM", "set Zone_L 19", "click M_Archivo", "select Formato_L Id Norte Este",
                "select Formato_R Id LAT LON", "set File_L " + window.path("puntos.txt").string(),
                "set File_R " + output, "click Command1"});
  };
  const auto prepare = [&](const fs::path& folder) {
    writeBytes(folder / "puntos.txt", points);
    fs::create_directory(folder / "carpeta");
  };
  {
    Window window(prepare);  // a folder
    runTo(window, window.path("carpeta").string());
    EXPECT_EQ(window.messages(), Messages{"Error en los Datos\nEl archivo de salida {dir}/carpeta es una carpeta"});
    EXPECT_TRUE(fs::is_directory(window.path("carpeta")));
  }
  {
    Window window(prepare);  // a place nobody may write, not even the administrator
    runTo(window, "/proc/brelosta-salida.txt");
    EXPECT_EQ(window.messages(),
              Messages{"Error en los Datos\nEl archivo de salida /proc/brelosta-salida.txt no se puede escribir"});
  }
  {
    Window window(prepare);  // a folder that does not exist
    runTo(window, window.path("no-existe/salida.txt").string());
    EXPECT_EQ(window.messages(), Messages{"Error en los Datos\nEl archivo de salida {dir}/no-existe/salida.txt no se "
                                          "puede escribir: la carpeta no existe"});
    EXPECT_FALSE(fs::exists(window.path("no-existe")));
  }
  {
    Window window(prepare);  // the input file itself: read whole first, then replaced
    runTo(window, window.path("puntos.txt").string());
    EXPECT_TRUE(window.messages().empty());
    const auto written = readFileBytes(window.path("puntos.txt"));
    ASSERT_TRUE(written);
    EXPECT_EQ(written->substr(0, 3), "P1,");
    EXPECT_NE(*written, points);
    EXPECT_EQ(std::distance(fs::directory_iterator(window.path("")), {}), 4) << "no temporary file left";
  }
}

}  // namespace
}  // namespace brelosta
