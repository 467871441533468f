#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "app/main_window_state.hpp"

namespace brelosta {

// Ties the child windows and menu entries of the dialogs to the controls of
// MainWindowState by the controls' names ("LAT_D_L", "Degrees(2)",
// "Progreso.Ok"), through the numbers the resource script gives them, and
// shows the state in them.
class ControlBinder {
 public:
  struct Binding {
    std::string name;
    Control* control;  // in the live state
    HWND dialog;
    int id;                    // child window or menu entry number
    HWND window;               // the child window, the dialog for a window control, nullptr for a menu entry
    HWND container = nullptr;  // the frame that holds it, if any
    RECT placeDlu{};           // where the template puts it, dialog units
  };

  explicit ControlBinder(MainWindowState& state);

  // Binds every control of one window ("Main", "Progreso", "Preview", "Mapa" or
  // "About") to its dialog: child windows and menu entries by their
  // numbers, the window control to the dialog itself.
  void bindDialog(std::string_view window, HWND dialog);

  const Binding* find(std::string_view name) const;
  const Binding* find(HWND dialog, int id) const;
  const std::vector<Binding>& bindings() const { return bindings_; }

  // Frames stacked from the top of the first one's place, hidden ones
  // taking no room, each moving with what it holds.
  void stackFrames(std::vector<std::string> frames) { stacked_ = std::move(frames); }

  // Shows the controls of `state` in the bound windows: the live state, or
  // a copy. With a window name ("Progreso") only that window's controls.
  void show(MainWindowState& state, std::string_view window = {});
  // True while show() is setting texts, whose change notifications are not
  // the user's.
  bool showing() const { return showing_; }

  // While false, the controls of every window but the progress window show
  // disabled.
  void setInteractive(bool interactive) { interactive_ = interactive; }

 private:
  void showChild(const Binding& binding, const Control& control, bool shown);
  void showMenuEntry(const Binding& binding, const Control& control);
  void place(const Binding& binding, const Control& control, int topDlu);

  MainWindowState& state_;
  std::vector<Binding> bindings_;
  std::unordered_map<std::string, std::size_t> byName_;
  std::vector<std::string> stacked_;
  struct MenuEntryCopy {
    HMENU parent = nullptr;
    MENUITEMINFOW info{};
    int nextId = -1;  // the entry that followed it, -1 for none
  };
  // Whether each menu entry is in its menu, by entry number, and what is
  // needed to put back one taken out while hidden.
  std::unordered_map<int, bool> menuEntryPresent_;
  std::unordered_map<int, MenuEntryCopy> removedEntries_;
  // Where each moved or resized child window was last put, dialog units.
  std::unordered_map<HWND, RECT> placed_;
  // Dialogs with a child window moved by the show under way.
  std::unordered_set<HWND> moved_;
  bool showing_ = false;
  bool interactive_ = true;
};

}  // namespace brelosta
