// The file conversion run as the window drives it: progress reports,
// cancelling, the wait cursor, the output written whole or not at all, the
// record limit, and the Buscar dialogs.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/commands.hpp"
#include "app/convert_command.hpp"
#include "app/recording_toolkit.hpp"
#include "app/startup.hpp"
#include "core/text_file.hpp"
#include "temp_folder.hpp"

namespace brelosta {
namespace {

namespace fs = std::filesystem;

// A toolkit whose user asks to cancel after the run has asked a number of
// times.
class CancellingToolkit : public RecordingToolkit {
 public:
  explicit CancellingToolkit(int answersBeforeCancel) : left_(answersBeforeCancel) {}
  bool cancelRequested() override { return left_-- <= 0; }

 private:
  int left_;
};

class FileRunTest : public ::testing::Test {
 protected:
  // Both panels geographic in decimal degrees on WGS84, file mode, layout
  // "Id LAT LON" on both sides.
  void setUpPanels(App& app) {
    startUp(app, fs::path(BRELOSTA_SOURCE_DIR) / "data");
    MainWindowState& s = app.state;
    s.Units_L.text = "Grados Decimales";
    s.Units_R.text = "Grados Decimales";
    s.M_Archivo.value = 1;
    s.Formato_L.text = "Id LAT LON";
    s.Formato_R.text = "Id LAT LON";
  }

  fs::path write(const std::string& name, const std::string& bytes) {
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
    return folder_ / name;
  }

  std::string points(int count) {
    std::string text;
    for (int n = 1; n <= count; ++n) text += "P" + std::to_string(n) + ",10.5,-66.25\r\n";
    return text;
  }

  std::vector<std::string> folderContents() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  TempFolder temp_;
  const fs::path folder_ = temp_.path();
};

TEST_F(FileRunTest, ReportsProgressWhenTheBarMovesByAWholePercent) {
  MainWindowState state;
  RecordingToolkit toolkit;
  App app{state, toolkit};
  setUpPanels(app);
  state.File_L.text = write("three.txt", points(3)).string();
  state.File_R.text = (folder_ / "out.txt").string();
  convert(app, ConversionDirection::LeftToRight);
  // The window is repainted at 0 before the file is read.
  EXPECT_EQ(toolkit.progressValues,
            (std::vector<float>{0.0F, static_cast<float>(100.0 / 3), static_cast<float>(200.0 / 3), 100.0F}));
  EXPECT_NEAR(toolkit.progressValues.at(1), 33.3, 0.05);
  EXPECT_NEAR(toolkit.progressValues.at(2), 66.7, 0.05);
  EXPECT_EQ(state.Progreso.ProgressBar1.progress, 100.0F);
  EXPECT_EQ(state.Progreso.espere.text, "Conversión completa");
  EXPECT_TRUE(state.Progreso.Ok.enabled);
  EXPECT_FALSE(state.Progreso.Cancelar.enabled);
  EXPECT_TRUE(state.Progreso.Progreso.visible);
  EXPECT_TRUE(toolkit.messages.empty());

  toolkit.progressValues.clear();
  state.File_L.text = write("many.txt", points(5000)).string();
  convert(app, ConversionDirection::LeftToRight);
  ASSERT_EQ(toolkit.progressValues.size(), 101u);  // not once per record
  EXPECT_EQ(toolkit.progressValues.at(1), 1.0F);
  EXPECT_EQ(toolkit.progressValues.back(), 100.0F);
  EXPECT_TRUE(fs::exists(folder_ / "out.txt"));
}

TEST_F(FileRunTest, ACancelledRunEndsWithoutOutputAndLeavesTheOldOne) {
  // Cancelled before the first record, between the two records, and after
  // the last one, before the output is written.
  for (const int answers : {0, 1, 2}) {
    MainWindowState state;
    CancellingToolkit toolkit(answers);
    App app{state, toolkit};
    setUpPanels(app);
    ASSERT_TRUE(writeTextFile(folder_ / "out.txt", {"old"}));
    state.File_L.text = write("in.txt", points(2)).string();
    state.File_R.text = (folder_ / "out.txt").string();
    convert(app, ConversionDirection::LeftToRight);
    EXPECT_EQ(readFileBytes(folder_ / "out.txt"), "old\r\n") << answers;
    EXPECT_TRUE(toolkit.messages.empty());
    EXPECT_EQ(state.Progreso.espere.text, "Conversión cancelada");
    EXPECT_TRUE(state.Progreso.Ok.enabled);
    EXPECT_FALSE(state.Progreso.Cancelar.enabled);
    EXPECT_EQ(folderContents(), (std::vector<std::string>{"in.txt", "out.txt"}));
  }
}

TEST_F(FileRunTest, RightToLeftShowsTheWaitCursorForTheWholeRun) {
  MainWindowState state;
  RecordingToolkit toolkit;
  App app{state, toolkit};
  setUpPanels(app);
  state.File_R.text = write("in.txt", points(2)).string();
  state.File_L.text = (folder_ / "out.txt").string();
  convert(app, ConversionDirection::RightToLeft);
  EXPECT_EQ(toolkit.cursorChanges, (std::vector<bool>{true, false}));
  EXPECT_EQ(readFileBytes(folder_ / "out.txt"),
            "P1,10.500000000,-66.250000000\r\nP2,10.500000000,-66.250000000\r\n");
  toolkit.cursorChanges.clear();
  state.File_L.text = (folder_ / "in.txt").string();
  state.File_R.text = (folder_ / "out2.txt").string();
  convert(app, ConversionDirection::LeftToRight);
  EXPECT_TRUE(toolkit.cursorChanges.empty());
}

TEST_F(FileRunTest, TheOutputIsWrittenWholeOrNotAtAll) {
  MainWindowState state;
  RecordingToolkit toolkit;
  App app{state, toolkit};
  setUpPanels(app);
  ASSERT_TRUE(writeTextFile(folder_ / "out.txt", {"old"}));
  state.File_L.text = write("bad.txt", points(4) + "P5,not a number,-66\r\n").string();
  state.File_R.text = (folder_ / "out.txt").string();
  convert(app, ConversionDirection::LeftToRight);
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0].text,
            "Error en los Datos\nRegistro 5, línea 5 del archivo bad.txt, campo LAT: \"not a number\"");
  EXPECT_EQ(toolkit.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(state.Progreso.espere.text, "Conversión interrumpida: no se escribió el archivo de salida");
  EXPECT_EQ(readFileBytes(folder_ / "out.txt"), "old\r\n");
  EXPECT_EQ(folderContents(), (std::vector<std::string>{"bad.txt", "out.txt"}));  // no partial file beside it

  // A report that fails while it is written (a shift parameter that is not
  // a number) leaves nothing either.
  state.DATUM_R.text = "SIRGAS-REGVEN";
  state.conencabezado.value = 1;
  state.Dx_label.text = "x";
  state.File_L.text = write("good.txt", points(2)).string();
  convert(app, ConversionDirection::LeftToRight);
  EXPECT_EQ(toolkit.messages.size(), 2u);
  EXPECT_EQ(readFileBytes(folder_ / "out.txt"), "old\r\n");
  EXPECT_EQ(folderContents(), (std::vector<std::string>{"bad.txt", "good.txt", "out.txt"}));
}

TEST_F(FileRunTest, ReadsLfFilesAndALastLineWithoutLineEnd) {
  MainWindowState state;
  RecordingToolkit toolkit;
  App app{state, toolkit};
  setUpPanels(app);
  state.File_L.text = write("lf.txt", "P1,10.5,-66.25\nP2,-1.5,-60\n\n").string();
  state.File_R.text = (folder_ / "out.txt").string();
  convert(app, ConversionDirection::LeftToRight);
  EXPECT_EQ(readFileBytes(folder_ / "out.txt"),
            "P1,10.500000000,-66.250000000\r\nP2,-1.500000000,-60.000000000\r\n");
  state.File_L.text = write("open_end.txt", "P1,10.5,-66.25\r\nP2,-1.5,-60").string();
  convert(app, ConversionDirection::LeftToRight);
  EXPECT_EQ(readFileBytes(folder_ / "out.txt"),
            "P1,10.500000000,-66.250000000\r\nP2,-1.500000000,-60.000000000\r\n");
  EXPECT_TRUE(toolkit.messages.empty());
}

// A line of a gigabyte (a file that is no point file) is never held whole:
// the run reads past it in blocks and refuses its record, with the record
// and its line, and writes nothing.
TEST_F(FileRunTest, AGigabyteLineIsRefusedAtItsRecord) {
  MainWindowState state;
  RecordingToolkit toolkit;
  App app{state, toolkit};
  setUpPanels(app);
  const fs::path huge = folder_ / "enorme.txt";
  {
    std::ofstream out(huge, std::ios::binary);
    out << points(2);
    const std::string block(std::size_t{1} << 20, '7');
    for (int k = 0; k < 1024; ++k) out << block;
    out << "\r\n" << points(1);
  }
  state.File_L.text = huge.string();
  state.File_R.text = (folder_ / "out.txt").string();
  convert(app, ConversionDirection::LeftToRight);
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0].text,
            "Error en los Datos\nRegistro 3, línea 3 del archivo enorme.txt: la línea tiene más de 1 048 576 "
            "caracteres");
  EXPECT_EQ(folderContents(), std::vector<std::string>{"enorme.txt"});
}

TEST_F(FileRunTest, AFileOfMoreThan999999RecordsIsADataError) {
  MainWindowState state;
  RecordingToolkit toolkit;
  App app{state, toolkit};
  setUpPanels(app);
  std::string text;
  text.reserve(12'000'000);
  for (int n = 0; n < 1'000'000; ++n) text += "P,1,2\n";
  state.File_L.text = write("big.txt", text).string();
  state.File_R.text = (folder_ / "out.txt").string();
  convert(app, ConversionDirection::LeftToRight);
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0].text,
            "Error en los Datos\nEl archivo de entrada " + (folder_ / "big.txt").string() +
                " tiene más de 999 999 registros");
  EXPECT_FALSE(fs::exists(folder_ / "out.txt"));
  EXPECT_EQ(state.Progreso.ProgressBar1.progress, 0.0F);  // stopped before the first record
}

TEST(Browse, AsksForAnInputFileWithTheDialogsLastChoice) {
  MainWindowState state;
  RecordingToolkit toolkit;
  App app{state, toolkit};
  toolkit.files = {std::string("/datos/a.txt"), std::nullopt, std::string("/datos/b.txt")};
  click(app, state.Browse_L);
  click(app, state.Browse_L);
  click(app, state.Browse_R);
  ASSERT_EQ(toolkit.fileDialogs.size(), 3u);
  for (const FileDialogRequest& request : toolkit.fileDialogs) {
    EXPECT_EQ(request.mode, FileDialogMode::Open);
    EXPECT_EQ(request.title, "Archivo de Entrada");  // for the output side too
    EXPECT_EQ(request.filter, "Archivos de texto (*.txt)|*.txt|Todos los archivos (*.*)|*.*");
    EXPECT_FALSE(request.mustExist);  // the output file may be named there
  }
  EXPECT_EQ(toolkit.fileDialogs[0].initialFile, "");
  EXPECT_EQ(toolkit.fileDialogs[1].initialFile, "/datos/a.txt");
  EXPECT_EQ(toolkit.fileDialogs[2].initialFile, "");
  EXPECT_EQ(state.File_L.text, "/datos/a.txt");
  EXPECT_EQ(state.File_R.text, "/datos/b.txt");
  EXPECT_EQ(state.Dialogo_R.text, "/datos/b.txt");
}

}  // namespace
}  // namespace brelosta
