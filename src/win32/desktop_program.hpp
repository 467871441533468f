#pragma once

#include <windows.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>
#include <thread>

#include "app/app.hpp"
#include "win32/control_binder.hpp"
#include "win32/map_canvas.hpp"
#include "win32/win32_toolkit.hpp"

namespace brelosta {

struct WorkingFolder;

// The Windows desktop program: the window state, its dialogs and the Win32
// toolkit. Every user action runs the same reaction as the action-script
// driver; the windows then show the state again. A file conversion runs on
// a second thread, during which the user-interface thread leaves the state
// alone: the windows are disabled, the progress window follows copies of
// its state, and only Cancelar acts.
class DesktopProgram {
 public:
  explicit DesktopProgram(NumberFormat numberFormat);
  ~DesktopProgram();
  DesktopProgram(const DesktopProgram&) = delete;
  DesktopProgram& operator=(const DesktopProgram&) = delete;

  // The start-up sequence with the catalogues of the working folder, then
  // the windows show the state.
  void start(const std::filesystem::path& workingFolder);
  // Start-up in the folder the working-folder rule chose (the shortcut's
  // Documents\Brelosta, --workdir, or the current folder with datum.txt).
  void start(const WorkingFolder& working, const std::filesystem::path& shipped);

  // Shows the whole window state in the windows.
  void refresh();

  // Hands a message of the loop to the dialog it belongs to (keyboard
  // navigation, F1); false when it is none of theirs.
  bool dispatchDialogMessage(MSG& message);

  bool converting() const { return worker_.joinable(); }

  MainWindowState& state() { return state_; }
  App& app() { return app_; }
  Win32Toolkit& toolkit() { return toolkit_; }
  // The dialog or child window bound to a control name ("LAT_D_L",
  // "Progreso.Ok", "Main"), or nullptr (menu entries have none).
  HWND window(std::string_view name) const;
  // The dialog and number of the child window or menu entry bound to a
  // control name, for sending WM_COMMAND as a user's action does.
  const ControlBinder::Binding* binding(std::string_view name) const { return binder_.find(name); }

 private:
  static INT_PTR CALLBACK dialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  void command(HWND dialog, int id, int code);
  HWND createDialog(int resource, HWND owner);
  void orderTabStops();
  void showPictures();
  void clicked(Control& control);
  void selected(Control& control, int index);
  void edited(Control& control, HWND window);
  void enterPressed(HWND focus);
  // Ctrl+V in the main window: rows on the clipboard pasted from the panel
  // of the box that has the focus (see pasteSide), or Pegar outside the
  // text boxes; true when it was taken.
  bool pastePressed(HWND focus);
  void closeRequested(HWND dialog);
  // Runs a reaction on the user-interface thread, then shows the state.
  // A user action that arrives while a reaction waits in a message box or
  // dialog is dropped: reactions run one at a time.
  void react(const std::function<void()>& reaction);
  bool busy() const { return converting() || reacting_; }
  void runInBackground(std::function<void()> job);
  void conversionEnded();
  void connectMapCanvas();
  // Lays the map window's controls out for its size: the canvas takes what
  // the commands and status lines leave.
  void layOutMap();

  MainWindowState state_;
  Win32Toolkit toolkit_;
  App app_;
  ControlBinder binder_;
  HWND main_ = nullptr;
  HWND progress_ = nullptr;
  HWND preview_ = nullptr;
  HWND about_ = nullptr;
  HWND map_ = nullptr;
  std::unique_ptr<MapCanvasWindow> mapCanvas_;
  MainWindowState progressCopy_;
  std::thread worker_;
  std::atomic<bool> workerDone_{false};
  bool reacting_ = false;
  std::vector<HICON> icons_;
  std::vector<HFONT> fonts_;
};

}  // namespace brelosta
