// Thousands of random user sessions through the action-script driver: random
// kinds, datums, formats, modes, typed texts (garbage included), clicks of
// every command, configurations saved and restored, file runs on small
// generated files. After every action the window must still make sense.
// The seeds are fixed; BRELOSTA_RANDOM_SESSIONS=N runs more sessions.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>

#include "cli/script_driver.hpp"
#include "core/text_file.hpp"
#include "temp_folder.hpp"

namespace brelosta {
namespace {

namespace fs = std::filesystem;

const char* const kBoxes[] = {
    "LAT_D_L", "LAT_M_L", "LAT_S_L", "LON_D_L", "LON_M_L", "LON_S_L", "ALT_M_L", "LAT_D_R", "LAT_M_R",
    "LAT_S_R", "LON_D_R", "LON_M_R", "LON_S_R", "ALT_M_R", "Zone_L", "Zone_R", "Lat_origen_L",
    "Lat_origen_R", "Lon_origen_L", "Lon_origen_R", "Para_2_L", "Para_2_R", "Feste_L", "Feste_R",
    "Fnorte_L", "Fnorte_R", "Dx_label", "Dy_label", "Dz_label", "Rx_label", "Ry_label", "Rz_label",
    "SC_label", "XXMM", "YYMM", "ZZMM", "elipsoide_a", "elipsoide_f"};

const char* const kClicks[] = {
    "Command1", "Command2", "Command1", "Command2", "Borrar", "Hemisferio_L", "Hemisferio_R", "Check1",
    "Check2", "Check3", "Label9", "Label10", "Label11", "Fijar_L", "Fijar_R", "M_Puntual", "M_Archivo",
    "sinencabezado", "conencabezado", "Geoidal", "Revisar", "Acercade", "About.Command1", "Progreso.Ok",
    "Progreso.Cancelar", "Master", "Preview.Examinar", "Preview.Salida", "Command4"};

const char* const kTexts[] = {
    "", "0", "-0", "1", "10", "-66", "19", "20", "88", "-88", "88.5", "180", "-180.5", "45.5", "0.9996",
    "500000", "1106908.8542", "171071.264", "9000000", "-10000000", "1e999", "-1e999", "1e-999", "nan",
    "inf", "abc", "12a", "1,5", "1.5", "1,234.5", "1.234,5", "10.5", "  7 ", "0x1A", "--5", ",", ".",
    "99999999999999999999999", "-0.0000001", "59.99999", "Geográficas", "\"q\""};

const char* const kPointFiles[][3] = {
    {"utm.txt", "P1,1106908.8542,171071.264,10", "\"P 2, b\",1000000,500000,"},
    {"dms.txt", "P1,10,0,0,-66,0,0,5", "P2,-0,30,0,-66,30,0"},
    {"dec.txt", "10.5,-66.5", "4,-70"},
    {"bad.txt", "Norte,Este,H", "1,2"},
    {"wide.txt", "1,2,3,4,5", ""},
};

class RandomSession {
 public:
  RandomSession(std::uint64_t seed, const fs::path& folder)
      : random_(seed),
        folder_(folder),
        session_(out_, err_,
                 ScriptOptions{folder, seed % 2 == 0 ? NumberFormat::point() : NumberFormat::comma(), kShippedData}) {}

  // Runs `count` random actions, checking the window after each.
  void run(int count) {
    for (int k = 0; k < count && !session_.ended(); ++k) {
      const std::string line = randomLine();
      const std::size_t messagesBefore = session_.toolkit().messages.size();
      const bool fileRun = isConversion(line) && session_.state().M_Archivo.checked();
      if (fileRun) fs::remove(output());
      ASSERT_TRUE(session_.runLine(line, k + 1)) << line << ": " << err_.str();
      checkInvariants(line, messagesBefore, fileRun);
      if (::testing::Test::HasFatalFailure()) return;
    }
  }

 private:
  template <class Array>
  auto pick(const Array& items) {
    return items[std::uniform_int_distribution<std::size_t>(0, std::size(items) - 1)(random_)];
  }
  int upTo(int n) { return std::uniform_int_distribution<int>(0, n)(random_); }
  fs::path output() const { return folder_ / "out.txt"; }

  std::string randomText() {
    std::string text = pick(kTexts);
    if (session_.state().numberFormat.decimalMark == ',' && upTo(1) == 0)
      for (char& c : text)
        if (c == '.') c = ',';
    return text;
  }

  std::string randomLine() {
    MainWindowState& s = session_.state();
    const std::string side = upTo(1) == 0 ? "_L" : "_R";
    switch (upTo(11)) {
      case 0:
        return "index Coord" + side + " " + std::to_string(upTo(5));
      case 1:
        return "index Units" + side + " " + std::to_string(upTo(1));
      case 2:
        return s.DATUM_L.entries.empty() ? "click Borrar"
                                         : "index DATUM" + side + " " +
                                               std::to_string(upTo(static_cast<int>(s.DATUM_L.entries.size()) - 1));
      case 3:
        return (side == "_L" ? s.Formato_L : s.Formato_R).entries.empty()
                   ? "click Geoidal"
                   : "index Formato" + side + " " + std::to_string(upTo(7));
      case 4:
      case 5:
      case 6:
        return std::string("set ") + pick(kBoxes) + " " + randomText();
      case 7:
        return filesForRun();
      case 8:
        return dialogAnswer("guardar", (folder_ / "config.txt").string());
      case 9:
        return dialogAnswer("recuperar", upTo(2) == 0 ? (folder_ / "utm.txt").string()
                                                      : (folder_ / "config.txt").string());
      default: {
        const std::string click = pick(kClicks);
        if (click == "Command4") {
          pending_.push_back("answer no");
        }
        return "click " + click;
      }
    }
  }

  // Queues the dialog's answer and returns the click that opens it.
  std::string dialogAnswer(const std::string& command, const std::string& path) {
    pending_.push_back("file " + (upTo(4) == 0 ? std::string() : path));
    return "click " + command;
  }

  // Names a generated point file as the input of the side and the output
  // file as the other side's file.
  std::string filesForRun() {
    for (const auto& file : kPointFiles) {
      std::vector<std::string> lines;
      for (int k = 1; k < 3; ++k)
        if (*file[k] != '\0') lines.emplace_back(file[k]);
      writeTextFile(folder_ / file[0], lines);
    }
    const bool left = upTo(1) == 0;
    pending_.push_back(std::string("set File") + (left ? "_R " : "_L ") + output().string());
    return std::string("set File") + (left ? "_L " : "_R ") + (folder_ / pick(kPointFiles)[0]).string();
  }

  static bool isConversion(const std::string& line) {
    return line == "click Command1" || line == "click Command2";
  }

  void checkInvariants(const std::string& line, std::size_t messagesBefore, bool fileRun) {
    // Lines queued by the last action (dialog answers, the output file) run first.
    while (!pending_.empty()) {
      const std::string next = pending_.front();
      pending_.erase(pending_.begin());
      ASSERT_TRUE(session_.runLine(next, 0)) << next;
    }
    const MainWindowState& s = session_.state();
    SCOPED_TRACE(line);
    EXPECT_EQ(s.M_Puntual.value + s.M_Archivo.value, 1);
    EXPECT_EQ(s.sinencabezado.value + s.conencabezado.value, 1);
    if (line.find("Check") != std::string::npos || line.find("Label") != std::string::npos) {
      EXPECT_LE(s.Check1.value + s.Check2.value + s.Check3.value, 1);
    }
    for (const Control* caption : {&s.Hemisferio_L, &s.Hemisferio_R}) {
      EXPECT_TRUE(caption->text == "Hemisferio Norte" || caption->text == "Hemisferio Sur") << caption->text;
    }
    const auto& messages = session_.toolkit().messages;
    for (std::size_t k = messagesBefore; k < messages.size(); ++k) {
      const bool exitQuestion = messages[k].text == "Desea realmente salir ?";
      EXPECT_EQ(messages[k].title, exitQuestion ? "Brelosta" : "Atención") << messages[k].text;
    }
    if (fileRun && messages.size() > messagesBefore) {
      EXPECT_FALSE(fs::exists(output())) << "a run that ended with a message left an output file";
    }
    if (fileRun) {
      // The progress window's last label tells the outcome.
      const bool complete = s.Progreso.espere.text == "Conversión completa";
      if (messages.size() > messagesBefore) {
        EXPECT_FALSE(complete) << "a failed run reported as complete";
      }
      if (fs::exists(output())) {
        EXPECT_TRUE(complete) << s.Progreso.espere.text;
      }
      if (!complete) {
        EXPECT_EQ(s.Progreso.espere.text, "Conversión interrumpida: no se escribió el archivo de salida");
      }
      EXPECT_TRUE(s.Progreso.Ok.enabled);
      EXPECT_FALSE(s.Progreso.Cancelar.enabled);
    }
  }

  std::mt19937_64 random_;
  fs::path folder_;
  std::ostringstream out_;
  std::ostringstream err_;
  ScriptSession session_;
  std::vector<std::string> pending_;
};

TEST(RandomSessions, KeepTheWindowConsistent) {
  const char* requested = std::getenv("BRELOSTA_RANDOM_SESSIONS");
  const int sessions = requested != nullptr ? std::atoi(requested) : 150;
  for (int seed = 1; seed <= sessions; ++seed) {
    const TempFolder folder;
    folder.copyShippedCatalogues();
    SCOPED_TRACE("seed " + std::to_string(seed));
    RandomSession(static_cast<std::uint64_t>(seed), folder.path()).run(120);
    if (::testing::Test::HasFailure()) break;
  }
}

}  // namespace
}  // namespace brelosta
