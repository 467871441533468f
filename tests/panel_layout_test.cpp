// The kind reaction lays a panel out as a function of the kind, the mode and
// the angle format alone: whatever kind the panel showed before, the result
// is the layout a fresh panel gets.

#include <gtest/gtest.h>

#include "app/commands.hpp"
#include "app/modes.hpp"
#include "app/system_panel.hpp"
#include "started_window.hpp"

namespace brelosta {
namespace {

// Controls that remember the datum chosen for the local grid, which is not
// part of a panel's layout.
bool isDatumDisplay(std::string_view name) {
  for (std::string_view datum :
       {"DATUM_L", "DATUM_R", "Dx_label", "Dy_label", "Dz_label", "Rx_label", "Ry_label", "Rz_label", "SC_label",
        "XXMM", "YYMM", "ZZMM", "Codigo", "elipsoide_n", "elipsoide_a", "elipsoide_f"})
    if (name == datum) return true;
  return false;
}

// Differences a user can see: the caption of a label that stays hidden (the
// left zone check box keeps the caption of the last projected kind) is not
// one, nor the working folder the about window names (each window has a
// folder of its own).
std::string layoutDifferences(MainWindowState& a, MainWindowState& b) {
  std::string names;
  forEachControl(a, [&](std::string_view name, Control& control) {
    if (name == "About.Carpeta") return;
    Control other = *findControl(b, name);
    if (!control.visible && !other.visible && control.kind == ControlKind::Label) other.text = control.text;
    if (!isDatumDisplay(name) && !(control == other)) names += std::string(name) + " ";
  });
  return names;
}

struct Setting {
  bool fileMode;
  int angleFormat;
};

void prepare(App& app, Setting setting, Side side) {
  if (setting.fileMode) switchToFileMode(app);
  selectIndex(app, side == Side::Left ? app.state.Units_L : app.state.Units_R, setting.angleFormat);
}

TEST(KindReaction, LayoutDoesNotDependOnThePreviousKind) {
  for (const Side side : {Side::Left, Side::Right}) {
    for (const Setting setting : {Setting{false, 0}, Setting{false, 1}, Setting{true, 0}}) {
      for (std::string_view before : kKindTexts) {
        for (std::string_view after : kKindTexts) {
          SCOPED_TRACE(std::string(side == Side::Left ? "left " : "right ") + std::string(before) + " -> " +
                       std::string(after) + (setting.fileMode ? " file mode" : " point mode") + " format " +
                       std::to_string(setting.angleFormat));
          StartedWindow switched;
          prepare(switched.app, setting, side);
          Control& kindList = side == Side::Left ? switched.state.Coord_L : switched.state.Coord_R;
          selectText(switched.app, kindList, before);
          selectText(switched.app, kindList, after);

          StartedWindow fresh;
          prepare(fresh.app, setting, side);
          selectText(fresh.app, side == Side::Left ? fresh.state.Coord_L : fresh.state.Coord_R, after);

          EXPECT_EQ(layoutDifferences(switched.state, fresh.state), "");
        }
      }
    }
  }
}

}  // namespace
}  // namespace brelosta
