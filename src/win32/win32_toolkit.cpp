#include "win32/win32_toolkit.hpp"

#include <commdlg.h>

#include <vector>

#include "app/platform/system_viewer.hpp"
#include "win32/wide_text.hpp"

namespace brelosta {
namespace {

// A job for the user-interface thread: wParam says whether it was posted
// (a heap copy that the receiver deletes) or sent (the sender's own).
constexpr UINT kRunJob = WM_APP + 1;
constexpr WPARAM kPostedJob = 1;
constexpr const wchar_t* kMessageWindowClass = L"BrelostaToolkit";

// The longest file name a file dialog returns, in UTF-16 units.
constexpr DWORD kFileNameCapacity = 32768;

UINT iconStyle(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Warning:
      return MB_ICONWARNING;
    case MessageIcon::Critical:
      return MB_ICONERROR;
    case MessageIcon::Question:
      return MB_ICONQUESTION;
    case MessageIcon::Information:
      return MB_ICONINFORMATION;
  }
  return 0;
}

// Spanish button captions whatever the language of Windows: the box's
// buttons are renamed as it is activated, before it is painted.
thread_local HHOOK spanishButtonsHook = nullptr;

LRESULT CALLBACK renameButtons(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    const auto box = reinterpret_cast<HWND>(wParam);
    SetDlgItemTextW(box, IDOK, L"Aceptar");
    SetDlgItemTextW(box, IDYES, L"S\u00ed");
    SetDlgItemTextW(box, IDNO, L"No");
    const HHOOK hook = spanishButtonsHook;
    spanishButtonsHook = nullptr;
    UnhookWindowsHookEx(hook);
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  return CallNextHookEx(spanishButtonsHook, code, wParam, lParam);
}

MessageAnswer runMessageBox(HWND owner, const MessageRequest& request) {
  const bool yesNo = request.buttons == MessageButtons::YesNo;
  UINT style = iconStyle(request.icon) | (yesNo ? MB_YESNO : MB_OK) | MB_SETFOREGROUND;
  if (yesNo && request.defaultAnswer == MessageAnswer::No) style |= MB_DEFBUTTON2;
  spanishButtonsHook = SetWindowsHookExW(WH_CBT, renameButtons, nullptr, GetCurrentThreadId());
  const int pressed =
      MessageBoxW(owner, wideText(request.text).c_str(), wideText(request.title).c_str(), style);
  if (spanishButtonsHook != nullptr) {
    UnhookWindowsHookEx(spanishButtonsHook);
    spanishButtonsHook = nullptr;
  }
  if (!yesNo) return MessageAnswer::Ok;
  return pressed == IDYES ? MessageAnswer::Yes : MessageAnswer::No;
}

std::optional<std::string> runFileDialog(HWND owner, const FileDialogRequest& request) {
  std::vector<wchar_t> file(kFileNameCapacity, L'\0');
  const std::wstring initial = wideText(request.initialFile);
  if (initial.size() < file.size()) std::copy(initial.begin(), initial.end(), file.begin());
  const std::wstring title = wideText(request.title);
  const std::wstring filter = win32FileFilter(request.filter);
  const std::wstring extension = wideText(request.defaultExtension);
  std::error_code error;
  const std::wstring folder = std::filesystem::current_path(error).wstring();

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = kFileNameCapacity;
  dialog.lpstrInitialDir = initial.empty() ? folder.c_str() : nullptr;
  dialog.lpstrTitle = title.c_str();
  dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  // The working folder stays where it is whatever folder the user visits.
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  bool chosen = false;
  if (request.mode == FileDialogMode::Open) {
    // Buscar also names a file not yet written: the output of the next run.
    if (request.mustExist) dialog.Flags |= OFN_FILEMUSTEXIST;
    chosen = GetOpenFileNameW(&dialog) != FALSE;
  } else {
    dialog.Flags |= OFN_OVERWRITEPROMPT;
    chosen = GetSaveFileNameW(&dialog) != FALSE;
  }
  if (!chosen) return std::nullopt;
  return utf8Text(file.data());
}

}  // namespace

std::wstring win32FileFilter(std::string_view filter) {
  std::wstring parts = wideText(filter);
  std::size_t count = 1;
  for (wchar_t& c : parts)
    if (c == L'|') {
      c = L'\0';
      ++count;
    }
  if (parts.empty() || count % 2 != 0) return std::wstring(L"(*.*)\0*.*\0", 10) + L'\0';
  parts.push_back(L'\0');
  parts.push_back(L'\0');
  return parts;
}

Win32Toolkit::Win32Toolkit(const MainWindowState& state)
    : BackgroundRunToolkit(state), userInterfaceThread_(GetCurrentThreadId()) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass{};
  if (!GetClassInfoW(instance, kMessageWindowClass, &windowClass)) {
    windowClass.lpfnWndProc = messageWindowProcedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kMessageWindowClass;
    RegisterClassW(&windowClass);
  }
  messageWindow_ =
      CreateWindowExW(0, kMessageWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
}

Win32Toolkit::~Win32Toolkit() {
  // Jobs still queued are dropped with the window; their copies with them.
  MSG message;
  while (PeekMessageW(&message, messageWindow_, kRunJob, kRunJob, PM_REMOVE))
    if (message.wParam == kPostedJob) delete reinterpret_cast<std::function<void()>*>(message.lParam);
  DestroyWindow(messageWindow_);
}

LRESULT CALLBACK Win32Toolkit::messageWindowProcedure(HWND window, UINT message, WPARAM wParam,
                                                      LPARAM lParam) {
  if (message != kRunJob) return DefWindowProcW(window, message, wParam, lParam);
  auto* job = reinterpret_cast<std::function<void()>*>(lParam);
  (*job)();
  if (wParam == kPostedJob) delete job;
  return 0;
}

void Win32Toolkit::post(std::function<void()> job) {
  auto* copy = new std::function<void()>(std::move(job));
  if (!PostMessageW(messageWindow_, kRunJob, kPostedJob, reinterpret_cast<LPARAM>(copy))) delete copy;
}

template <class Result, class Function>
Result Win32Toolkit::onUserInterfaceThread(Function function) {
  if (!onConversionThread()) return function();
  Result result{};
  std::function<void()> job = [&] {
    if (beforeConversionDialog) beforeConversionDialog();
    result = function();
  };
  SendMessageW(messageWindow_, kRunJob, 0, reinterpret_cast<LPARAM>(&job));
  return result;
}

MessageAnswer Win32Toolkit::showMessage(const MessageRequest& request) {
  return onUserInterfaceThread<MessageAnswer>(
      [&] { return runMessageBox(dialogOwner ? dialogOwner() : nullptr, request); });
}

std::optional<std::string> Win32Toolkit::chooseFile(const FileDialogRequest& request) {
  return onUserInterfaceThread<std::optional<std::string>>(
      [&] { return runFileDialog(dialogOwner ? dialogOwner() : nullptr, request); });
}

void Win32Toolkit::waitCursorSwitched(bool /*on*/) {
  SetCursor(LoadCursorW(nullptr, waitCursorOn() ? IDC_WAIT : IDC_ARROW));
}

std::optional<std::string> readClipboardText() {
  if (OpenClipboard(nullptr) == FALSE) return std::nullopt;
  std::optional<std::string> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
    if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data)); wide != nullptr) {
      if (*wide != L'\0') text = utf8Text(wide);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

std::optional<std::string> Win32Toolkit::clipboardText() {
  return onUserInterfaceThread<std::optional<std::string>>([] { return readClipboardText(); });
}

bool Win32Toolkit::startHelpViewer(const std::filesystem::path& guide) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(guide, error)) return false;
  return openWithSystemViewer(guide);
}

bool Win32Toolkit::openWithViewer(const std::filesystem::path& file) { return openWithSystemViewer(file); }

void Win32Toolkit::leaveEventLoop() { PostQuitMessage(0); }

}  // namespace brelosta
