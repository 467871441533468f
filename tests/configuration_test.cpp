#include "app/configuration.hpp"

#include <gtest/gtest.h>

#include "app/commands.hpp"
#include "app/method_selection.hpp"
#include "app/modes.hpp"
#include "app/panels.hpp"
#include "core/text_file.hpp"
#include "geodesy/coordinate_system.hpp"
#include "started_window.hpp"
#include "window_state_diff.hpp"

namespace brelosta {
namespace {

namespace fs = std::filesystem;

void save(StartedWindow& window, const fs::path& file) {
  window.toolkit.files.emplace_back(file.string());
  saveConfiguration(window.app);
}

void restore(App& app, RecordingToolkit& toolkit, const fs::path& file) {
  toolkit.files.emplace_back(file.string());
  restoreConfiguration(app);
}

TEST(ConfigurationFile, IsThirteenLinesInTheWindowsCodePage) {
  StartedWindow window;
  selectText(window.app, window.state.Coord_R, "UTM");
  window.state.Fijar_L.value = 0;
  window.state.Zone_R.text = "19";
  selectIndex(window.app, window.state.Formato_R, 7);
  const fs::path file = window.folder() / "config.txt";
  save(window, file);

  const std::string expected =
      "Geogr\xE1"
      "ficas,UTM\r\n"
      "Grad Min Seg,Grad Min Seg\r\n"
      ",19\r\n"
      ",\r\n,\r\n,\r\n,\r\n,\r\n"
      "Hemisferio Norte,Hemisferio Norte\r\n"
      " 0 , 1 \r\n"
      "WGS84,WGS84\r\n"
      " 0 , 0 , 1 \r\n"
      " 0 , 7 \r\n";
  EXPECT_EQ(readFileBytes(file), expected);
}

// One configuration per pair of kinds, with the angle formats, parameter
// texts (some with a comma or surrounding blanks), hemispheres, zone boxes,
// datums, methods and record layouts varied from pair to pair.
struct Configuration {
  std::string_view leftKind;
  std::string_view rightKind;
  int variant;
};

std::vector<Configuration> everyPairOfKinds() {
  std::vector<Configuration> configurations;
  int variant = 0;
  for (std::string_view left : kKindTexts)
    for (std::string_view right : kKindTexts) configurations.push_back({left, right, variant++});
  return configurations;
}

// Sets the window as a user would: formats first (the list is hidden for
// the projected kinds), then kinds, datums, layouts, methods and boxes.
void configure(App& app, const Configuration& c) {
  MainWindowState& s = app.state;
  const int v = c.variant;
  if (v % 3 == 0) switchToFileMode(app);
  selectIndex(app, s.Units_L, v % 2);
  selectIndex(app, s.Units_R, (v / 2) % 2);
  selectText(app, s.Coord_L, c.leftKind);
  selectText(app, s.Coord_R, c.rightKind);

  const bool localGrid = c.leftKind == kLomaQuintanaText || c.rightKind == kLomaQuintanaText;
  if (!localGrid) {
    // At most one datum other than the reference, on either side.
    Control& datum = v % 2 == 0 ? s.DATUM_L : s.DATUM_R;
    selectIndex(app, datum, v % static_cast<int>(datum.entries.size()));
  }
  selectIndex(app, s.Formato_L, v % 8);
  selectIndex(app, s.Formato_R, (v * 3 + 1) % 8);

  const DatumShiftMethod methods[] = {DatumShiftMethod::Molodensky, DatumShiftMethod::BursaWolf,
                                      DatumShiftMethod::BadekasMolodensky};
  methodLabelClicked(app, methods[v % 3]);
  if (v % 2 == 1) toggleHemisphere(app, Side::Left);
  if (v % 4 >= 2) toggleHemisphere(app, Side::Right);
  s.Fijar_L.value = v % 2;
  s.Fijar_R.value = (v / 3) % 2;

  const std::string texts[] = {"19", "0,9996", " 1 ", "-66", "", "500000", "10,5", "10\"", "3"};
  Control* boxes[] = {&s.Zone_L,       &s.Zone_R,       &s.Lat_origen_L, &s.Lat_origen_R, &s.Para_2_L, &s.Para_2_R,
                      &s.Lon_origen_L, &s.Lon_origen_R, &s.Feste_L,      &s.Feste_R,      &s.Fnorte_L, &s.Fnorte_R};
  for (std::size_t k = 0; k < std::size(boxes); ++k)
    boxes[k]->text = texts[(k + static_cast<std::size_t>(v)) % std::size(texts)];
}

TEST(ConfigurationFile, RestoreGivesBackTheSavedWindow) {
  for (const Configuration& c : everyPairOfKinds()) {
    SCOPED_TRACE(std::string(c.leftKind) + " / " + std::string(c.rightKind));
    StartedWindow saved;
    configure(saved.app, c);
    const fs::path file = saved.folder() / "config.txt";
    save(saved, file);

    // A second window on the same catalogues, in the same mode.
    MainWindowState state;
    RecordingToolkit toolkit;
    App app{state, toolkit};
    startUp(app, saved.folder());
    if (c.variant % 3 == 0) switchToFileMode(app);
    restore(app, toolkit, file);

    // The fundamental-point frame shows what the last method click or datum
    // selection decided, an order the file does not keep.
    state.PF.visible = saved.state.PF.visible;
    EXPECT_TRUE(state == saved.state) << differingControls(state, saved.state);
    EXPECT_TRUE(toolkit.messages.empty());
  }
}

// The values of a configuration file with the last one left out.
std::vector<std::string> shortFile() {
  return {"UTM,UTM", "Grados Decimales,Grados Decimales", "19,20",   ",",           ",",           ",",  ",",
          ",",       "Hemisferio Sur,Hemisferio Sur",     " 0 , 0 ", "WGS84,WGS84", " 1 , 0 , 0 ", " 3 "};
}

TEST(ConfigurationFile, UnreadableOrShortFilesChangeNothing) {
  StartedWindow window;
  selectText(window.app, window.state.Coord_L, "Mercator");
  window.state.Zone_L.text = "10";
  ASSERT_TRUE(writeTextFile(window.folder() / "short.txt", shortFile()));
  ASSERT_TRUE(writeTextFile(window.folder() / "empty.txt", {}));
  fs::create_directory(window.folder() / "folder.txt");

  for (const char* name : {"short.txt", "empty.txt", "folder.txt", "missing.txt"}) {
    SCOPED_TRACE(name);
    MainWindowState before = window.state;
    EXPECT_FALSE(restoreConfigurationFile(window.app, window.folder() / name));
    EXPECT_TRUE(window.state == before) << differingControls(window.state, before);
  }
  EXPECT_TRUE(window.toolkit.messages.empty());
}

TEST(ConfigurationFile, CancelledDialogsWriteAndChangeNothing) {
  StartedWindow window;
  selectText(window.app, window.state.Coord_R, "Conica de Lambert");
  const MainWindowState before = window.state;
  const auto filesBefore = std::distance(fs::directory_iterator(window.folder()), fs::directory_iterator());

  window.toolkit.files.emplace_back(std::nullopt);
  saveConfiguration(window.app);
  window.toolkit.files.emplace_back(std::string());
  saveConfiguration(window.app);
  window.toolkit.files.emplace_back(std::nullopt);
  restoreConfiguration(window.app);

  EXPECT_TRUE(window.state == before) << differingControls(window.state, before);
  EXPECT_EQ(std::distance(fs::directory_iterator(window.folder()), fs::directory_iterator()), filesBefore);
  ASSERT_EQ(window.toolkit.fileDialogs.size(), 3U);
  EXPECT_EQ(window.toolkit.fileDialogs[0].mode, FileDialogMode::Save);
  EXPECT_EQ(window.toolkit.fileDialogs[0].title, "Archivo de configuracion");
  EXPECT_EQ(window.toolkit.fileDialogs[0].filter, "Configuraciones (*.cfg)|*.cfg|Todos los archivos (*.*)|*.*");
  EXPECT_EQ(window.toolkit.fileDialogs[0].defaultExtension, "cfg");
  EXPECT_EQ(window.toolkit.fileDialogs[2].mode, FileDialogMode::Open);
  EXPECT_EQ(window.toolkit.fileDialogs[2].filter, window.toolkit.fileDialogs[0].filter);
  EXPECT_TRUE(window.toolkit.fileDialogs[2].mustExist);
}

TEST(ConfigurationFile, ValuesThatDoNotFitStopTheRestoreWhereTheyStand) {
  struct Case {
    int line;             // 1-based line of the configuration file
    std::string text;     // its replacement
    const char* lastSet;  // a control the restore still sets
    const char* notSet;   // a control it no longer reaches
  };
  const Case cases[] = {
      {1, "Geográficas,Polar", "Units_R", "Zone_L"},
      {10, " 2 , 0 ", "Hemisferio_R", "DATUM_L"},
      {11, "SAD 69 - Venezuela,No existe", "DATUM_L", "Check1"},
      {12, " 1 , 0 , x ", "Check1", "Formato_L"},
      {13, " 1 , 8 ", "Formato_L", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    StartedWindow window;
    std::vector<std::string> lines = shortFile();
    lines.back() = " 1 , 1 ";
    lines[0] = "Geográficas,UTM";
    lines[static_cast<std::size_t>(c.line - 1)] = c.text;
    ASSERT_TRUE(writeTextFile(window.folder() / "c.txt", lines));
    MainWindowState before = window.state;

    EXPECT_FALSE(restoreConfigurationFile(window.app, window.folder() / "c.txt"));
    EXPECT_FALSE(*findControl(window.state, c.lastSet) == *findControl(before, c.lastSet))
        << c.lastSet << " was not restored";
    if (c.notSet != nullptr) {
      EXPECT_TRUE(*findControl(window.state, c.notSet) == *findControl(before, c.notSet))
          << c.notSet << " was restored";
    }
  }
}

}  // namespace
}  // namespace brelosta
