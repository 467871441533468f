#pragma once

#include <QObject>
#include <atomic>
#include <chrono>
#include <functional>

#include "app/main_window_state.hpp"
#include "app/toolkit.hpp"

class QWidget;

namespace brelosta {

// The Qt filter for a dialog filter of "description|pattern" pairs. The
// all-files pattern *.* becomes *, which matches names without a dot too.
QString qtFileFilter(std::string_view filter);

// The toolkit of the desktop program. It may be called from the thread that
// runs a file conversion: message boxes and file dialogs then run on the
// user-interface thread while the caller waits, the wait cursor is switched
// there, and the progress window is sent copies of its state, so that the
// user-interface thread never reads the window state while the conversion
// writes it.
class QtToolkit : public QObject, public Toolkit {
 public:
  explicit QtToolkit(const MainWindowState& state);

  MessageAnswer showMessage(const MessageRequest& request) override;
  std::optional<std::string> chooseFile(const FileDialogRequest& request) override;
  void setWaitCursor(bool on) override;
  void progressChanged(float value) override;
  bool cancelRequested() override;
  bool startHelpViewer(const std::filesystem::path& guide) override;
  void endProgram() override;

  // Cancelar of the progress window during a file conversion.
  void requestCancel() { cancel_ = true; }
  // A new file conversion starts: no cancellation, no copy sent yet.
  void startRun();
  // The conversion has ended: a wait cursor it left on is switched off.
  void endRun();

  // The window message boxes and dialogs belong to.
  std::function<QWidget*()> dialogParent;
  // Called on the user-interface thread before a box or dialog asked for by
  // the conversion thread, which waits meanwhile: the window may be shown
  // from the state.
  std::function<void()> beforeConversionDialog;
  // Shows a copy of the progress window's state; on the user-interface
  // thread.
  std::function<void(const ProgressWindowState&)> showProgress;
  // Ends the program; by default leaves the application's event loop.
  std::function<void()> onEndProgram;

 private:
  bool onConversionThread() const;
  void sendProgress();
  void switchWaitCursor(bool on);
  template <class Result, class Function>
  Result onUserInterfaceThread(Function function);

  const MainWindowState& state_;
  std::atomic<bool> cancel_{false};
  int waitCursorDepth_ = 0;  // user-interface thread only
  std::chrono::steady_clock::time_point lastProgressSent_{};  // conversion thread only
  bool progressSent_ = false;                                  // conversion thread only
};

}  // namespace brelosta
