#pragma once

#include <windows.h>

#include <functional>

#include "app/background_run_toolkit.hpp"

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
// The Unicode text on the clipboard, as UTF-8; nothing when it holds none.
// On the user-interface thread.
std::optional<std::string> readClipboardText();

class Win32Toolkit : public BackgroundRunToolkit {
 public:
  explicit Win32Toolkit(const MainWindowState& state);
  ~Win32Toolkit() override;
  Win32Toolkit(const Win32Toolkit&) = delete;
  Win32Toolkit& operator=(const Win32Toolkit&) = delete;

  MessageAnswer showMessage(const MessageRequest& request) override;
  std::optional<std::string> chooseFile(const FileDialogRequest& request) override;
  std::optional<std::string> clipboardText() override;
  bool startHelpViewer(const std::filesystem::path& guide) override;
  bool openWithViewer(const std::filesystem::path& file) override;

  void post(std::function<void()> job) override;

  // The window message boxes and dialogs belong to.
  std::function<HWND()> dialogOwner;
  // Called on the user-interface thread before a box or dialog asked for by
  // the conversion thread, which waits meanwhile: the windows may be shown
  // from the state.
  std::function<void()> beforeConversionDialog;

 private:
  static LRESULT CALLBACK messageWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool onConversionThread() const override { return GetCurrentThreadId() != userInterfaceThread_; }
  void waitCursorSwitched(bool on) override;
  void leaveEventLoop() override;
  template <class Result, class Function>
  Result onUserInterfaceThread(Function function);

  DWORD userInterfaceThread_;
  HWND messageWindow_ = nullptr;  // receives the jobs of other threads
};

}  // namespace brelosta
