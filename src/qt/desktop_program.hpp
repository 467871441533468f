#pragma once

#include <QObject>
#include <QPointer>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>

#include "app/app.hpp"
#include "app/working_folder.hpp"
#include "qt/main_window.hpp"
#include "qt/qt_toolkit.hpp"
#include "qt/secondary_window.hpp"
#include "qt/widget_binder.hpp"

class QThread;

namespace brelosta {

class MapCanvas;

// The desktop program: the window state, its windows and the Qt toolkit.
// Every user action runs the same reaction as the action-script driver; the
// widgets then show the state again. A file conversion runs on a second
// thread, during which the user-interface thread leaves the state alone:
// the windows are disabled, the progress window follows copies of its
// state, and only Cancelar acts.
class DesktopProgram : public QObject {
 public:
  explicit DesktopProgram(NumberFormat numberFormat);
  ~DesktopProgram() override;

  // The start-up sequence with the catalogues of the working folder, then
  // the windows show the state.
  void start(const std::filesystem::path& workingFolder);
  // The same in the folder the program chose, with the help guide and the
  // other files it ships in `shipped`.
  void start(const WorkingFolder& working, const std::filesystem::path& shipped);

  // Shows the whole window state in the widgets.
  void refresh();

  // Runs a job on the conversion thread (a file-mode convert command).
  void runInBackground(std::function<void()> job);
  bool converting() const { return worker_ != nullptr; }

  MainWindowState& state() { return state_; }
  App& app() { return app_; }
  QtToolkit& toolkit() { return toolkit_; }
  MainWindow& mainWindow() { return *mainWindow_; }
  // The widget or menu action bound to a control name ("LAT_D_L",
  // "Progreso.Ok"), or nullptr.
  QObject* target(std::string_view name) const { return binder_.target(name); }
  template <class Widget>
  Widget* widget(std::string_view name) const {
    return qobject_cast<Widget*>(binder_.target(name));
  }

 protected:
  // Ctrl+V in a panel's box with rows on the clipboard pastes them (see
  // pasteSide) instead of the box taking the text.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void connectUserActions();
  void clicked(Control& control);
  void selected(Control& control, int index);
  void edited(Control& control, const QString& text);
  // Runs a reaction on the user-interface thread, then shows the state.
  // A user action that arrives while a reaction waits in a message box or
  // dialog is dropped: reactions run one at a time.
  void react(const std::function<void()>& reaction);
  bool busy() const { return converting() || reacting_; }
  void setInteractive(bool interactive);
  void conversionEnded();
  void connectMapCanvas();

  MainWindowState state_;
  QtToolkit toolkit_;
  App app_;
  WidgetBinder binder_;
  std::unique_ptr<MainWindow> mainWindow_;
  SecondaryWindow* progressWindow_ = nullptr;
  SecondaryWindow* previewWindow_ = nullptr;
  SecondaryWindow* aboutWindow_ = nullptr;
  SecondaryWindow* mapWindow_ = nullptr;
  MapCanvas* mapCanvas_ = nullptr;
  MainWindowState progressCopy_;
  QThread* worker_ = nullptr;
  std::map<QObject*, Control*> pasteBoxes_;
  bool reacting_ = false;
};

}  // namespace brelosta
