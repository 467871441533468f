#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>

#include "app/main_window_state.hpp"
#include "app/toolkit.hpp"

namespace brelosta {

// The filter of a common file dialog for a dialog filter of
// "description|pattern" pairs: the same pairs, each part ended by a null
// character, the whole ended by another.
std::wstring win32FileFilter(std::string_view filter);

// The toolkit of the Windows desktop program. It may be called from the
// thread that runs a file conversion: message boxes and file dialogs then
// run on the user-interface thread while the caller waits, the wait cursor
// is switched there, and the progress window is sent copies of its state,
// so that the user-interface thread never reads the window state while the
// conversion writes it.
class Win32Toolkit : public Toolkit {
 public:
  explicit Win32Toolkit(const MainWindowState& state);
  ~Win32Toolkit() override;
  Win32Toolkit(const Win32Toolkit&) = delete;
  Win32Toolkit& operator=(const Win32Toolkit&) = delete;

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
  // Whether the program's windows show the wait cursor.
  bool waitCursorOn() const { return waitCursorDepth_ > 0; }

  // Runs a job on the user-interface thread later; callable from any thread.
  void post(std::function<void()> job);

  // The window message boxes and dialogs belong to.
  std::function<HWND()> dialogOwner;
  // Called on the user-interface thread before a box or dialog asked for by
  // the conversion thread, which waits meanwhile: the windows may be shown
  // from the state.
  std::function<void()> beforeConversionDialog;
  // Shows a copy of the progress window's state; on the user-interface
  // thread.
  std::function<void(const ProgressWindowState&)> showProgress;
  // Ends the program; by default leaves the message loop.
  std::function<void()> onEndProgram;

 private:
  static LRESULT CALLBACK messageWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool onConversionThread() const { return GetCurrentThreadId() != userInterfaceThread_; }
  template <class Result, class Function>
  Result onUserInterfaceThread(Function function);
  void sendProgress();
  void switchWaitCursor(bool on);

  const MainWindowState& state_;
  DWORD userInterfaceThread_;
  HWND messageWindow_ = nullptr;  // receives the jobs of other threads
  std::atomic<bool> cancel_{false};
  int waitCursorDepth_ = 0;                                   // user-interface thread only
  std::chrono::steady_clock::time_point lastProgressSent_{};  // conversion thread only
  bool progressSent_ = false;                                 // conversion thread only
};

}  // namespace brelosta
