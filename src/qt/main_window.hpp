#pragma once

#include <QMainWindow>

#include "qt/widget_binder.hpp"

namespace brelosta {

// The main window: the two mirror panels, the datum-shift frames, the point
// and file rows, the convert buttons and the menus, each widget bound to its
// control of the window state.
class MainWindow : public QMainWindow {
 public:
  MainWindow(MainWindowState& state, WidgetBinder& binder);

  // Called when the user closes the window; false keeps it open.
  std::function<bool()> closeRequested;

 protected:
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace brelosta
