#pragma once

#include <QObject>
#include <functional>

#include "app/background_run_toolkit.hpp"

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
class QtToolkit : public QObject, public BackgroundRunToolkit {
 public:
  explicit QtToolkit(const MainWindowState& state);

  MessageAnswer showMessage(const MessageRequest& request) override;
  std::optional<std::string> chooseFile(const FileDialogRequest& request) override;
  std::optional<std::string> clipboardText() override;
  bool startHelpViewer(const std::filesystem::path& guide) override;
  bool openWithViewer(const std::filesystem::path& file) override;

  void post(std::function<void()> job) override;

  // The window message boxes and dialogs belong to.
  std::function<QWidget*()> dialogParent;
  // Called on the user-interface thread before a box or dialog asked for by
  // the conversion thread, which waits meanwhile: the window may be shown
  // from the state.
  std::function<void()> beforeConversionDialog;

 private:
  bool onConversionThread() const override;
  void waitCursorSwitched(bool on) override;
  void leaveEventLoop() override;
  template <class Result, class Function>
  Result onUserInterfaceThread(Function function);
};

}  // namespace brelosta
