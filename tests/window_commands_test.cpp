// Exit, clear and help on a started window, and the start-up values that
// scripts cannot print.

#include <gtest/gtest.h>

#include "app/commands.hpp"
#include "app/modes.hpp"
#include "core/path_text.hpp"
#include "core/text_file.hpp"
#include "started_window.hpp"
#include "window_state_diff.hpp"

namespace brelosta {
namespace {

namespace fs = std::filesystem;

// A window with something in most of its controls.
void fillSomeControls(App& app) {
  MainWindowState& s = app.state;
  selectText(app, s.Coord_L, "UTM");
  selectText(app, s.Units_R, "Grados Decimales");
  s.Zone_L.text = "19";
  s.LAT_D_L.text = "1106908.8542";
  s.LON_D_L.text = "171071.264";
  s.LAT_D_R.text = "10.5";
  s.Progreso.ProgressBar1.progress = 50.0F;
  toggleGeoidHeight(app);
}

TEST(ExitCommand, AnsweringNoChangesNoControl) {
  for (const std::optional<MessageAnswer> answer : {std::optional(MessageAnswer::No), std::optional<MessageAnswer>()}) {
    StartedWindow window;
    fillSomeControls(window.app);
    MainWindowState before = window.state;
    if (answer) window.toolkit.answers.push_back(*answer);
    click(window.app, window.state.Command4);

    EXPECT_TRUE(window.state == before) << differingControls(window.state, before);
    EXPECT_FALSE(window.toolkit.ended);
    ASSERT_EQ(window.toolkit.messages.size(), 1U);
    const MessageRequest& question = window.toolkit.messages[0];
    EXPECT_EQ(question.title, "Brelosta");
    EXPECT_EQ(question.text, "Desea realmente salir ?");
    EXPECT_EQ(question.icon, MessageIcon::Critical);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.defaultAnswer, MessageAnswer::No);
  }
}

TEST(ExitCommand, YesAndTheMenuEntryEndTheProgram) {
  StartedWindow confirmed;
  confirmed.toolkit.answers.push_back(MessageAnswer::Yes);
  click(confirmed.app, confirmed.state.Command4);
  EXPECT_TRUE(confirmed.toolkit.ended);

  StartedWindow atOnce;
  click(atOnce.app, atOnce.state.Salir);
  EXPECT_TRUE(atOnce.toolkit.ended);
  EXPECT_TRUE(atOnce.toolkit.messages.empty());
}

TEST(ClearCommand, ResetsTheProgressBarAndTouchesNoSetting) {
  StartedWindow window;
  fillSomeControls(window.app);
  MainWindowState expected = window.state;
  for (Control* box : {&expected.Zone_L, &expected.LAT_D_L, &expected.LON_D_L, &expected.LAT_D_R}) box->text.clear();
  expected.Progreso.ProgressBar1.progress = 0.0F;

  click(window.app, window.state.Borrar);
  EXPECT_TRUE(window.state == expected) << differingControls(window.state, expected);
}

TEST(PointMode, ChosenAgainClearsAgain) {
  StartedWindow window;
  window.state.LAT_D_L.text = "10";
  window.state.Zone_R.text = "19";
  click(window.app, window.state.M_Puntual);
  EXPECT_EQ(window.state.LAT_D_L.text, "");
  EXPECT_EQ(window.state.Zone_R.text, "");
  EXPECT_EQ(window.state.Conversion.top, 2760);
}

TEST(HelpCommand, OpensTheShippedGuideFromTheCatalogueFolder) {
  StartedWindow window;
  window.state.workingFolder = (fs::path(BRELOSTA_SOURCE_DIR) / "data").string();
  click(window.app, window.state.Master);
  ASSERT_EQ(window.toolkit.helpRequests.size(), 1U);
  const fs::path guide = window.toolkit.helpRequests[0];
  EXPECT_TRUE(fs::equivalent(guide, fs::path(BRELOSTA_SOURCE_DIR) / "docs" / "ayuda.html")) << guide;
  EXPECT_TRUE(window.toolkit.messages.empty());

  window.state.helpGuide = "/opt/brelosta/ayuda.html";
  click(window.app, window.state.Master);
  EXPECT_EQ(window.toolkit.helpRequests.back(), fs::path("/opt/brelosta/ayuda.html"));
}

TEST(HelpCommand, SaysWhereTheGuideIsWhenNoViewerStarts) {
  StartedWindow window;
  // Absolute on every system (on Windows with the drive of the current folder).
  const std::string guide = utf8FromPath(fs::absolute("/opt/brelosta/ayuda.html"));
  window.state.helpGuide = guide;
  window.toolkit.helpViewerAvailable = false;
  const MainWindowState before = window.state;
  click(window.app, window.state.Master);
  ASSERT_EQ(window.toolkit.messages.size(), 1U);
  EXPECT_EQ(window.toolkit.messages[0].title, "Atención");
  EXPECT_NE(window.toolkit.messages[0].text.find(guide), std::string::npos);
  EXPECT_TRUE(window.state == before);
}

TEST(HelpGuide, IsASpanishPageOnEveryPanelModeMethodAndLayout) {
  const auto page = readFileBytes(fs::path(BRELOSTA_SOURCE_DIR) / "docs" / "ayuda.html");
  ASSERT_TRUE(page);
  for (const char* subject : {"Geográficas",
                              "UTM",
                              "Transverse Mercator",
                              "Mercator",
                              "Conica de Lambert",
                              "Loma Quintana (Ven)",
                              "Grad Min Seg",
                              "Grados Decimales",
                              "Conversion Individual",
                              "Conversion Archivos",
                              "Molodensky",
                              "Bursa - Wolf",
                              "Badekas-Molodensky",
                              "Con Encabezado",
                              "Altura Geoidal",
                              "Revisar Archivo de Entrada",
                              "Norte Este",
                              "Este Norte",
                              "Id Norte Este",
                              "Id Este Norte",
                              "Norte Este H",
                              "Este Norte H",
                              "Id Norte Este H",
                              "Id Este Norte H",
                              "LAT LON",
                              "LON LAT",
                              "Id LAT LON",
                              "Id LON LAT",
                              "LAT LON H",
                              "LON LAT H",
                              "Id LAT LON H",
                              "Id LON LAT H"})
    EXPECT_NE(page->find(subject), std::string::npos) << subject;
}

TEST(StartUp, KeepsTheReferenceEllipsoid) {
  StartedWindow shipped;
  EXPECT_EQ(shipped.state.Wgs84Ellipsoid.name, "WGS 84");
  EXPECT_EQ(shipped.state.Wgs84Ellipsoid.semiMajorAxis, 6378137.0);
  EXPECT_EQ(shipped.state.Wgs84Ellipsoid.inverseFlattening, 298.257223563);

  StartedWindow withoutReference;
  ASSERT_TRUE(writeTextFile(withoutReference.folder() / "datum.txt",
                            {"\"SAD 69 - Venezuela\",\"SA69\",\"NIMA\",-45,12,-33,0,0,0,0,0,0,0"}));
  MainWindowState state;
  RecordingToolkit toolkit;
  App app{state, toolkit};
  startUp(app, withoutReference.folder());
  EXPECT_TRUE(state.Wgs84Ellipsoid == Wgs84EllipsoidValues{});
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0].text, "No se encontró el datum WGS84 en datum.txt");
  EXPECT_EQ(toolkit.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(state.Units_R.text, "Grad Min Seg");  // the sequence ran to its end
  EXPECT_EQ(state.workingFolder, withoutReference.folder().string());
}

}  // namespace
}  // namespace brelosta
