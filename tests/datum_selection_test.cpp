#include "app/datum_selection.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/commands.hpp"
#include "app/recording_toolkit.hpp"
#include "app/startup.hpp"
#include "temp_folder.hpp"

namespace brelosta {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kLocalGrid = "Loma Quintana (Ven)";

// The program started in a folder of its own, with the shipped catalogues
// unless a test writes others before starting it.
class RunningProgram : public ::testing::Test {
 protected:
  void SetUp() override { temp_.copyShippedCatalogues(); }

  void start() { startUp(app_, folder_); }
  void write(const std::string& name, const std::string& bytes) {
    std::ofstream(folder_ / name, std::ios::binary | std::ios::trunc) << bytes;
  }
  bool select(Control& list, std::string_view text) { return selectText(app_, list, text); }

  std::vector<std::string> messages() const {
    std::vector<std::string> texts;
    for (const MessageRequest& m : toolkit_.messages) {
      EXPECT_EQ(m.icon, MessageIcon::Critical) << m.text;
      EXPECT_EQ(m.title, "Atención");
      texts.push_back(m.text);
    }
    return texts;
  }

  // Everything the selection shows: parameters, code, ellipsoid.
  std::vector<std::string> display() const {
    const MainWindowState& s = state_;
    return {s.Dx_label.text, s.Dy_label.text, s.Dz_label.text, s.Rx_label.text,    s.Ry_label.text,
            s.Rz_label.text, s.SC_label.text, s.XXMM.text,     s.YYMM.text,        s.ZZMM.text,
            s.Codigo.text,   s.elipsoide_n.text, s.elipsoide_a.text, s.elipsoide_f.text};
  }

  struct Frames {
    bool conversion, parameters, origin;
    friend bool operator==(const Frames&, const Frames&) = default;
  };
  Frames frames() const { return {state_.Conversion.visible, state_.Parametros.visible, state_.PF.visible}; }

  TempFolder temp_;
  const fs::path folder_ = temp_.path();
  MainWindowState state_;
  RecordingToolkit toolkit_;
  App app_{state_, toolkit_};
};

TEST_F(RunningProgram, EverySelectionReadsTheCataloguesAfresh) {
  start();
  ASSERT_TRUE(select(state_.DATUM_L, "SAD 69 - Venezuela"));
  write("datum.txt",
        "\"WGS84\",\"WGS84\",\"R\",0,0,0,0,0,0,0,0,0,0\r\n"
        "\"Cambiado\",\"GRS80\",\"NUEVO\",1.5,2,3,4,5,6,7,8,9,10\r\n");
  ASSERT_TRUE(select(state_.DATUM_L, "PSAD 56 - La Canoa (1)"));  // entry 1: now line 2 of the new file
  EXPECT_EQ(state_.Dx_label.text, "1.5");
  EXPECT_EQ(state_.ZZMM.text, "10");
  EXPECT_EQ(state_.Codigo.text, "NUEVO");
  EXPECT_EQ(state_.elipsoide_n.text, "GRS 1980");
}

TEST_F(RunningProgram, DeletedDatumFileIsReportedAndTheDisplayStays) {
  start();
  ASSERT_TRUE(select(state_.DATUM_L, "SAD 69 - Venezuela"));
  const auto before = display();
  fs::remove(folder_ / "datum.txt");
  ASSERT_TRUE(select(state_.DATUM_L, "PSAD 56 - La Canoa (1)"));
  EXPECT_EQ(state_.DATUM_L.text, "PSAD 56 - La Canoa (1)");  // the pick itself stays
  EXPECT_EQ(display(), before);
  const auto texts = messages();
  ASSERT_FALSE(texts.empty());
  for (const std::string& text : texts) EXPECT_EQ(text, "No se encontró datum.txt");
}

// A malformed datum.txt is never reported as missing, on either side.
TEST_F(RunningProgram, MalformedCatalogueIsReportedByItsFileOnEitherSide) {
  struct Case {
    const char* file;
    std::string bytes;
    const char* message;
  };
  std::string thousandLines;
  for (int n = 0; n < 1000; ++n) thousandLines += "\"WGS84\",\"WGS84\",\"R\",0,0,0,0,0,0,0,0,0,0\r\n";
  const Case cases[] = {
      {"datum.txt", "\"WGS84\",\"WGS84\",\"R\",0,0,0\r\n", "Error en el archivo datum.txt"},
      {"datum.txt", thousandLines, "Error en el archivo datum.txt"},
      {"elipsoide.txt", "\"WGS84\",\"WGS 84\",6378137,298.257223563\r\n\r\n", "Error en el archivo elipsoide.txt"},
      {"elipsoide.txt", "\"WGS84\",\"WGS 84\",6378137\r\n", "Error en el archivo elipsoide.txt"},
  };
  for (const Case& c : cases) {
    for (Control* list : {&state_.DATUM_L, &state_.DATUM_R}) {
      SetUp();
      state_ = MainWindowState();
      toolkit_.messages.clear();
      start();
      ASSERT_TRUE(select(*list, "SAD 69 - Venezuela"));
      const auto before = display();
      write(c.file, c.bytes);
      ASSERT_TRUE(select(*list, "PSAD 56 - La Canoa (2)"));
      const auto texts = messages();
      ASSERT_FALSE(texts.empty()) << c.file;
      for (const std::string& text : texts) EXPECT_EQ(text, c.message) << c.file;
      EXPECT_EQ(display(), before) << c.file;
    }
  }
}

TEST_F(RunningProgram, DatumFileShorterThanTheListIsADatumFileError) {
  start();
  ASSERT_TRUE(select(state_.DATUM_L, "SAD 69 - Venezuela"));
  const auto before = display();
  write("datum.txt", "\"WGS84\",\"WGS84\",\"R\",0,0,0,0,0,0,0,0,0,0\r\n");
  ASSERT_TRUE(select(state_.DATUM_L, "SIRGAS-REGVEN"));
  EXPECT_EQ(messages(), std::vector<std::string>{"Error en el archivo datum.txt"});
  EXPECT_EQ(display(), before);
}

TEST_F(RunningProgram, LocalGridKeepsTheMethodFramesHidden) {
  start();
  for (const int molodensky : {0, 1}) {
    state_.Check1.value = molodensky;
    // The right panel shows the local grid, which works on La Canoa (2).
    state_.Coord_R.text = kLocalGrid;
    ASSERT_TRUE(select(state_.DATUM_R, "PSAD 56 - La Canoa (2)"));
    EXPECT_EQ(frames(), (Frames{false, false, false})) << molodensky;
    EXPECT_EQ(state_.Codigo.text, "");
    ASSERT_TRUE(select(state_.DATUM_L, "WGS84"));
    EXPECT_EQ(frames(), (Frames{false, false, false})) << molodensky;
    // Left and right mirrored.
    state_.Coord_R.text = "Geográficas";
    state_.Coord_L.text = kLocalGrid;
    ASSERT_TRUE(select(state_.DATUM_L, "PSAD 56 - La Canoa (2)"));
    EXPECT_EQ(frames(), (Frames{false, false, false})) << molodensky;
    ASSERT_TRUE(select(state_.DATUM_R, "WGS84"));
    EXPECT_EQ(frames(), (Frames{false, false, false})) << molodensky;
    // Without the local grid the frames come back.
    state_.Coord_L.text = "UTM";
    ASSERT_TRUE(select(state_.DATUM_L, "PSAD 56 - La Canoa (2)"));
    EXPECT_EQ(frames(), (Frames{true, true, molodensky == 0})) << molodensky;
    state_.Coord_L.text = "Geográficas";
  }
}

// A catalogue whose first entry is neither WGS84 nor La Canoa (2): the
// guard takes entry 0 as it is instead of selecting it again and again.
TEST_F(RunningProgram, LocalGridGuardEndsWithACatalogueNotStartingWithWgs84) {
  write("datum.txt",
        "\"SAD 69\",\"SA69\",\"S\",-45,12,-33,0,0,0,0,0,0,0\r\n"
        "\"PSAD 56\",\"INT24\",\"P\",-295,173,-371,0,0,0,0,0,0,0\r\n");
  start();
  ASSERT_EQ(messages().size(), 1u);  // start-up says the reference datum is missing
  EXPECT_EQ(messages()[0], "No se encontró el datum WGS84 en datum.txt");
  EXPECT_TRUE(state_.Wgs84Ellipsoid.name.empty());
  state_.Coord_R.text = kLocalGrid;
  ASSERT_TRUE(select(state_.DATUM_L, "PSAD 56"));
  EXPECT_EQ(state_.DATUM_L.index, 0);
  ASSERT_TRUE(select(state_.DATUM_R, "PSAD 56"));
  EXPECT_EQ(messages().size(), 1u);
}

TEST_F(RunningProgram, SelectionEnablesItsSidesProjectionBoxes) {
  start();
  for (Control* box : {&state_.Lat_origen_R, &state_.Lon_origen_R, &state_.Zone_R, &state_.Para_2_R})
    box->enabled = false;
  state_.Para_2_L.enabled = false;
  ASSERT_TRUE(select(state_.DATUM_R, "WGS84"));
  for (Control* box : {&state_.Lat_origen_R, &state_.Lon_origen_R, &state_.Zone_R, &state_.Para_2_R})
    EXPECT_TRUE(box->enabled);
  EXPECT_FALSE(state_.Para_2_L.enabled);
}

}  // namespace
}  // namespace brelosta
