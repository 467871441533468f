// The main window fits the screens it is used on: 1366 x 768 at 100 %, and
// 1920 x 1080 at 150 % (run this test with QT_SCALE_FACTOR=1.5 too), in
// every kind of both panels and in both modes.

#include <QApplication>
#include <QLayout>
#include <QScreen>
#include <cstdio>

#include "app/commands.hpp"
#include "program_fixture.hpp"

namespace brelosta {
namespace {

// Screens in physical pixels and the room a Windows desktop leaves a window
// on them: the taskbar (40 pixels at 100 %), the title bar (31) and the
// side borders (8 each), scaled with the screen.
struct Screen {
  int width;
  int height;
  double scale;
};
constexpr Screen kScreens[] = {{1366, 768, 1.0}, {1920, 1080, 1.5}};
constexpr int kTaskbar = 40;
constexpr int kTitleBar = 31;
constexpr int kBorder = 8;

TEST_F(ProgramTest, TheWindowFitsTheScreensItIsUsedOn) {
  MainWindowState& state = program->state();
  const auto kinds = state.Coord_L.entries;
  ASSERT_FALSE(kinds.empty());
  QSize largest;
  std::string largestCase;
  for (const char* mode : {"M_Puntual", "M_Archivo"}) {
    choose(mode);
    for (const std::string& left : kinds) {
      for (const std::string& right : kinds) {
        selectText(program->app(), state.Coord_L, left);
        selectText(program->app(), state.Coord_R, right);
        program->refresh();
        QMainWindow& window = program->mainWindow();
        window.layout()->activate();
        QApplication::processEvents();
        // What the window needs at least, and what it has grown to.
        const QSize needed = window.minimumSizeHint().expandedTo(window.size());
        if (needed.width() > largest.width() || needed.height() > largest.height()) {
          largest = largest.expandedTo(needed);
          largestCase = std::string(mode) + ", " + left + " | " + right;
        }
      }
    }
  }
  for (const char* name : {"Progreso", "Preview", "About"}) {
    auto* other = widget<QWidget>(name);
    ASSERT_NE(other, nullptr);
    const QSize needed = other->minimumSizeHint().expandedTo(other->sizeHint());
    if (needed.width() > largest.width() || needed.height() > largest.height()) {
      largest = largest.expandedTo(needed);
      largestCase = name;
    }
  }
  // Sizes in device-independent pixels; QT_SCALE_FACTOR scales them all.
  const double factor = QGuiApplication::primaryScreen()->devicePixelRatio();
  RecordProperty("largest", std::to_string(largest.width()) + "x" + std::to_string(largest.height()));
  std::printf("largest window: %d x %d device-independent pixels at scale %.2f (%s), font %s\n",
              largest.width(), largest.height(), factor, largestCase.c_str(),
              QApplication::font().toString().toStdString().c_str());
  for (const Screen& screen : kScreens) {
    const double roomWidth = screen.width / screen.scale - 2 * kBorder;
    const double roomHeight = (screen.height - screen.scale * (kTaskbar + kTitleBar + kBorder)) / screen.scale;
    EXPECT_LE(largest.width(), roomWidth) << screen.width << "x" << screen.height << ": " << largestCase;
    EXPECT_LE(largest.height(), roomHeight) << screen.width << "x" << screen.height << ": " << largestCase;
  }
}

}  // namespace
}  // namespace brelosta
