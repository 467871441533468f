// The Windows desktop program driven through its real windows: points typed
// and converted, refusals and data errors in message boxes, the switch to
// file mode, and file runs on the worker thread, finished and cancelled.
// Expected grid coordinates are those the Linux build prints for the same
// points (and PROJ's cs2cs +proj=utm +datum=WGS84 agrees).

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/script_driver.hpp"
#include "formats/point_file.hpp"
#include "window_fixture.hpp"

namespace brelosta {
namespace {

struct TypedPoint {
  const char* name;
  std::string_view command;  // the convert button
  std::string_view targetKind;
  const char* latitude[3];  // degrees, minutes, seconds
  const char* longitude[3];
  const char* height;
  const char* zone;
  const char* northing;
  const char* easting;
  const char* targetHeight;
};

const TypedPoint kTypedPoints[] = {
    {"CaracasLeftToRight",
     "Command1",
     "Coord_R",
     {"10", "30", "0"},
     {"-66", "54", "0"},
     "100",
     "19",
     "1161462.9277",
     "729838.3869",
     "100.0000"},
    {"OrinocoRightToLeft",
     "Command2",
     "Coord_L",
     {"8", "7", "30"},
     {"-63", "33", "0"},
     "35.5",
     "20",
     "898157.9400",
     "439408.1525",
     "35.5000"},
};

void PrintTo(const TypedPoint& point, std::ostream* out) { *out << point.name; }

class TypedPointTest : public WindowTest, public ::testing::WithParamInterface<TypedPoint> {};

TEST_P(TypedPointTest, GeographicPointTypedAndConvertedToUtm) {
  const TypedPoint& point = GetParam();
  const std::string source = point.command == "Command1" ? "_L" : "_R";
  const std::string target = point.command == "Command1" ? "_R" : "_L";
  pick(point.targetKind, "UTM");
  const char* boxes[] = {"LAT_D", "LAT_M", "LAT_S", "LON_D", "LON_M", "LON_S"};
  for (int k = 0; k < 3; ++k) type(boxes[k] + source, point.latitude[k]);
  for (int k = 0; k < 3; ++k) type(boxes[k + 3] + source, point.longitude[k]);
  type("ALT_M" + source, point.height);
  clickOn(point.command);

  EXPECT_EQ(textOf("Zone" + target), point.zone);
  EXPECT_EQ(textOf("LAT_D" + target), point.northing);
  EXPECT_EQ(textOf("LON_D" + target), point.easting);
  EXPECT_EQ(textOf("ALT_M" + target), point.targetHeight);
  EXPECT_EQ(program->state().LAT_D_L.text, textOf("LAT_D_L"));
}

// Enter in a left box converts toward the right, as Command1 does.
TEST_F(WindowTest, EnterInALeftBoxConvertsTowardTheRight) {
  const TypedPoint& point = kTypedPoints[0];
  pick(point.targetKind, "UTM");
  const char* boxes[] = {"LAT_D_L", "LAT_M_L", "LAT_S_L", "LON_D_L", "LON_M_L", "LON_S_L"};
  for (int k = 0; k < 3; ++k) type(boxes[k], point.latitude[k]);
  for (int k = 0; k < 3; ++k) type(boxes[k + 3], point.longitude[k]);
  type("ALT_M_L", point.height);
  SetFocus(window("ALT_M_L"));
  MSG key{window("ALT_M_L"), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  program->dispatchDialogMessage(key);
  EXPECT_EQ(textOf("LAT_D_R"), point.northing);
  EXPECT_EQ(textOf("LON_D_R"), point.easting);
}

INSTANTIATE_TEST_SUITE_P(BothDirections, TypedPointTest, ::testing::ValuesIn(kTypedPoints),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, TheWindowOpensWithTheProgramsTitleAndItsCatalogues) {
  EXPECT_EQ(textOf("Main"), "BRELOSTA Version " BRELOSTA_VERSION);
  EXPECT_TRUE(shown("Main"));
  EXPECT_EQ(textOf("DATUM_L"), "WGS84");
  EXPECT_FALSE(shown("Progreso"));
}

struct BadEntry {
  const char* name;
  const char* latitudeDegrees;
  MessageIcon icon;
  const char* message;
};

void PrintTo(const BadEntry& entry, std::ostream* out) { *out << entry.name; }

class BadEntryTest : public WindowTest, public ::testing::WithParamInterface<BadEntry> {};

TEST_P(BadEntryTest, IsReportedInAMessageBoxAndConvertsNothing) {
  const BadEntry& entry = GetParam();
  type("LAT_D_L", entry.latitudeDegrees);
  for (const char* box : {"LAT_M_L", "LAT_S_L", "LON_M_L", "LON_S_L"}) type(box, "0");
  type("LON_D_L", "-66");

  const std::vector<SeenBox> seen = answerBoxes([&] { clickOn("Command1"); });

  ASSERT_EQ(seen.size(), 1U);
  EXPECT_EQ(seen[0].title, "Atenci\u00f3n");
  EXPECT_EQ(seen[0].text, entry.message);
  EXPECT_TRUE(seen[0].iconFound);
  EXPECT_EQ(seen[0].icon, entry.icon);
  EXPECT_EQ(seen[0].buttons, std::vector<std::string>{"Aceptar"});
  EXPECT_EQ(textOf("LAT_D_R"), "");
  EXPECT_EQ(textOf("LON_D_R"), "");
}

INSTANTIATE_TEST_SUITE_P(Entries, BadEntryTest,
                         ::testing::Values(BadEntry{"LatitudeOutOfRange", "95", MessageIcon::Warning,
                                                    "La Latitud debe estar entre -88 y 88 grados\n"
                                                    "Latitud (grados), panel izquierdo: \"95\""},
                                           BadEntry{"NotANumber", "1O", MessageIcon::Critical,
                                                    "Error en los Datos\n"
                                                    "Latitud (grados), panel izquierdo: \"1O\""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, LeavingAsksInSpanishAndNoKeepsTheProgram) {
  const std::vector<SeenBox> seen = answerBoxes([&] { clickOn("Command4"); }, "No");
  ASSERT_EQ(seen.size(), 1U);
  EXPECT_EQ(seen[0].text, "Desea realmente salir ?");
  EXPECT_EQ(seen[0].buttons, (std::vector<std::string>{"S\u00ed", "No"}));
  EXPECT_EQ(endRequests, 0);
}

TEST_F(WindowTest, BuscarOpensTheFileDialogWithItsTitleAndFilter) {
  clickOn("M_Archivo");
  const std::vector<SeenBox> seen = answerBoxes([&] { clickOn("Browse_L"); }, kEscape);
  ASSERT_EQ(seen.size(), 1U);
  EXPECT_EQ(seen[0].title, "Archivo de Entrada");
  EXPECT_NE(std::find(seen[0].lists.begin(), seen[0].lists.end(), "Archivos de texto (*.txt)"), seen[0].lists.end());
  EXPECT_EQ(textOf("File_L"), "");
}

TEST_F(WindowTest, F1AsksForTheGuideAndSaysWhereItIsWhenNoViewerOpensIt) {
  // The guide is looked for beside the working folder, where the test has
  // none.
  const std::vector<SeenBox> seen = answerBoxes([&] {
    MSG key{window("LAT_D_L"), WM_KEYDOWN, VK_F1, 0, 0, {}};
    EXPECT_TRUE(program->dispatchDialogMessage(key));
  });
  ASSERT_EQ(seen.size(), 1U);
  EXPECT_TRUE(seen[0].text.starts_with("No se pudo abrir la ayuda.")) << seen[0].text;
  EXPECT_EQ(seen[0].icon, MessageIcon::Warning);
}

int menuBarEntries(HWND window) { return GetMenuItemCount(GetMenu(window)); }

// The captions of the menu bar's entries, in their order.
std::vector<std::wstring> menuBarCaptions(HWND window) {
  std::vector<std::wstring> captions;
  for (int k = 0; k < menuBarEntries(window); ++k) {
    std::array<wchar_t, 64> caption{};
    GetMenuStringW(GetMenu(window), static_cast<UINT>(k), caption.data(), static_cast<int>(caption.size()),
                   MF_BYPOSITION);
    captions.emplace_back(caption.data());
  }
  return captions;
}

TEST_F(WindowTest, FileModeShowsTheFileRowsAndToolsAndPointModeTakesThemBack) {
  EXPECT_EQ(menuBarEntries(window("Main")), 3);  // Archivo, Edición, Ayuda
  EXPECT_FALSE(shown("Titulos"));
  clickOn("Geoidal");
  EXPECT_TRUE(shown("H_EGM96"));
  RECT pointModeMethods;
  GetWindowRect(window("Check1"), &pointModeMethods);

  clickOn("M_Archivo");
  EXPECT_TRUE(shown("File_L"));
  EXPECT_TRUE(shown("Browse_R"));
  EXPECT_TRUE(shown("Formato_L"));
  EXPECT_FALSE(shown("LAT_D_L"));
  EXPECT_FALSE(shown("H_EGM96"));
  EXPECT_EQ(textOf("Title_Lat_L"), "       Archivo");
  EXPECT_TRUE(shown("Titulos"));
  EXPECT_TRUE(shown("Continuar"));
  // Herramientas comes back in its place, with its caption.
  EXPECT_EQ(menuBarCaptions(window("Main")),
            (std::vector<std::wstring>{L"&Archivo", L"&Edici\u00f3n", L"&Herramientas", L"Ay&uda"}));
  // The method frame moves up into the geoid frame's place.
  RECT fileModeMethods;
  GetWindowRect(window("Check1"), &fileModeMethods);
  EXPECT_LT(fileModeMethods.top, pointModeMethods.top);

  clickOn("M_Puntual");
  EXPECT_FALSE(shown("File_L"));
  EXPECT_TRUE(shown("LAT_D_L"));
  EXPECT_EQ(textOf("Title_Lat_L"), "LAT");
  EXPECT_FALSE(shown("Continuar"));
  EXPECT_EQ(menuBarEntries(window("Main")), 3);
}

// Three UTM points of zone 20 to geographic coordinates, set up as a user
// would in the window, and the same through the headless script driver.
constexpr const char* kPoints =
    "P1,1106908.854,471071.264,25\r\nP2,1107012.500,471102.750,30.2\r\nP3,1105500.250,470980.500,12.5\r\n";

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class FileRunTest : public WindowTest {
 protected:
  void setUpRun(const std::string& input, const std::string& output) {
    clickOn("M_Archivo");
    pick("Coord_L", "UTM");
    pick("Coord_R", "Geogr\u00e1ficas");
    type("Zone_L", "20");
    type("File_L", input);
    pick("Formato_L", "Id Norte Este H");
    type("File_R", output);
    pick("Formato_R", "Id LAT LON H");
  }
};

TEST_F(FileRunTest, ConvertsOnTheWorkerThreadAndWritesWhatTheScriptDriverWrites) {
  writeFile(folder.path() / "puntos.txt", kPoints);
  setUpRun("puntos.txt", "puntos-geo.txt");
  const std::vector<SeenBox> seen = answerBoxes([&] {
    clickOn("Command1");
    EXPECT_TRUE(pumpUntil([&] { return !program->converting(); }));
  });
  EXPECT_TRUE(seen.empty());
  EXPECT_TRUE(shown("Progreso"));
  EXPECT_TRUE(IsWindowEnabled(window("Progreso.Ok")));
  EXPECT_FALSE(IsWindowEnabled(window("Progreso.Cancelar")));
  EXPECT_EQ(textOf("Progreso.espere"), "Conversi\u00f3n completa");
  EXPECT_TRUE(IsWindowEnabled(window("Command1")));

  std::istringstream script(
      "click M_Archivo\nselect Coord_L UTM\nselect Coord_R Geogr\u00e1ficas\nset Zone_L 20\n"
      "set File_L puntos.txt\nselect Formato_L Id Norte Este H\nset File_R puntos-script.txt\n"
      "select Formato_R Id LAT LON H\nclick Command1\n");
  std::ostringstream out;
  std::ostringstream err;
  ASSERT_EQ(runScript(script, out, err, ScriptOptions{folder.path(), NumberFormat::point(), kShippedData}), 0) << err.str();
  const std::string written = readFile(folder.path() / "puntos-geo.txt");
  EXPECT_EQ(written, readFile(folder.path() / "puntos-script.txt"));
  EXPECT_NE(written.find("P3"), std::string::npos);

  clickOn("Progreso.Ok");
  EXPECT_FALSE(shown("Progreso"));
}

TEST_F(FileRunTest, CancelarStopsTheRunAndWritesNothing) {
  std::string many;
  for (std::size_t k = 0; k < kMaxRecords; ++k)
    many += "P" + std::to_string(k) + ",1106908.854,471071.264,25\r\n";
  writeFile(folder.path() / "muchos.txt", many);
  setUpRun("muchos.txt", "muchos-geo.txt");
  const std::vector<SeenBox> seen = answerBoxes([&] {
    clickOn("Command1");
    ASSERT_TRUE(pumpUntil([&] { return IsWindowVisible(program->window("Progreso")) != FALSE; }));
    EXPECT_FALSE(IsWindowEnabled(window("Command1")));
    clickOn("Progreso.Cancelar");
    EXPECT_TRUE(pumpUntil([&] { return !program->converting(); }));
  });
  EXPECT_TRUE(seen.empty()) << seen[0].title << ": " << seen[0].text;
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "muchos-geo.txt"));
  // The progress window's last state says the run was cancelled.
  EXPECT_EQ(textOf("Progreso.espere"), "Conversi\u00f3n cancelada");
  EXPECT_TRUE(IsWindowEnabled(window("Progreso.Ok")));
  EXPECT_FALSE(IsWindowEnabled(window("Progreso.Cancelar")));
  EXPECT_TRUE(IsWindowEnabled(window("Command1")));
}

TEST_F(FileRunTest, AMissingInputFileIsADataErrorShownByTheWindowThread) {
  setUpRun("no-existe.txt", "salida.txt");
  const std::vector<SeenBox> seen = answerBoxes([&] {
    clickOn("Command1");
    EXPECT_TRUE(pumpUntil([&] { return !program->converting(); }));
  });
  ASSERT_EQ(seen.size(), 1U);
  EXPECT_EQ(seen[0].text, "Error en los Datos\nEl archivo de entrada no-existe.txt no existe");
  EXPECT_EQ(seen[0].icon, MessageIcon::Critical);
  EXPECT_EQ(textOf("Progreso.espere"), "Conversi\u00f3n interrumpida: no se escribi\u00f3 el archivo de salida");
}

}  // namespace
}  // namespace brelosta
