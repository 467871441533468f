#pragma once

#include <QCloseEvent>
#include <QDialog>
#include <functional>

namespace brelosta {

// A window shown beside the main window without blocking it (progress,
// preview, about). Closing it from the title bar or with Escape does what
// its own close button does; whether it then hides is the window state's
// business.
class SecondaryWindow : public QDialog {
 public:
  using QDialog::QDialog;

  std::function<void()> closeRequested;

  void reject() override {
    if (closeRequested) closeRequested();
  }

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    if (closeRequested) closeRequested();
  }
};

}  // namespace brelosta
