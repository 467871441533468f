#include "window_fixture.hpp"

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

#include "win32/wide_text.hpp"

namespace brelosta {
namespace {

std::string textOfWindow(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return utf8Text(text);
}

std::wstring classOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

// A message box of the program: a dialog of the user-interface thread that
// is none of the program's own windows.
struct BoxSearch {
  std::vector<HWND> own;
  HWND found = nullptr;
};

BOOL CALLBACK findBox(HWND window, LPARAM search) {
  auto* s = reinterpret_cast<BoxSearch*>(search);
  if (!IsWindowVisible(window) || classOf(window) != L"#32770") return TRUE;
  for (HWND own : s->own)
    if (own == window) return TRUE;
  s->found = window;
  return FALSE;
}

SeenBox readBox(HWND box) {
  SeenBox seen;
  seen.title = textOfWindow(box);
  const std::pair<MessageIcon, LPCWSTR> icons[] = {{MessageIcon::Warning, IDI_WARNING},
                                                   {MessageIcon::Critical, IDI_ERROR},
                                                   {MessageIcon::Question, IDI_QUESTION},
                                                   {MessageIcon::Information, IDI_INFORMATION}};
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const std::wstring kind = classOf(child);
    const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    if (kind == L"Button" && (style & WS_VISIBLE) != 0) {
      seen.buttons.push_back(textOfWindow(child));
    } else if (kind == L"Static" && (style & SS_TYPEMASK) == SS_ICON) {
      const auto shownIcon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
      for (const auto& [icon, resource] : icons)
        if (shownIcon == LoadIconW(nullptr, resource)) {
          seen.icon = icon;
          seen.iconFound = true;
        }
    } else if (kind == L"ComboBox") {
      const auto count = static_cast<int>(SendMessageW(child, CB_GETCOUNT, 0, 0));
      for (int k = 0; k < count; ++k) {
        std::wstring entry(static_cast<std::size_t>(SendMessageW(child, CB_GETLBTEXTLEN, k, 0)) + 1, L'\0');
        entry.resize(static_cast<std::size_t>(
            SendMessageW(child, CB_GETLBTEXT, k, reinterpret_cast<LPARAM>(entry.data()))));
        seen.lists.push_back(utf8Text(entry));
      }
    } else if (kind == L"Static") {
      const std::string text = textOfWindow(child);
      if (text.size() > seen.text.size()) seen.text = text;
    }
  }
  return seen;
}

bool isActive(DWORD thread, HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(thread, &info) && info.hwndActive == window;
}

}  // namespace

void WindowTest::SetUp() {
  folder.copyShippedCatalogues();
  startProgram(NumberFormat::point());
}

void WindowTest::TearDown() {
  program.reset();
  pump();
}

void WindowTest::startProgram(NumberFormat format) {
  program.reset();
  program = std::make_unique<DesktopProgram>(format);
  program->toolkit().onEndProgram = [this] { ++endRequests; };
  std::filesystem::current_path(folder.path());
  program->start(folder.path());
  pump();
}

void WindowTest::pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (program && program->dispatchDialogMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

bool WindowTest::pumpUntil(const std::function<bool()>& done, double seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    pump();
    Sleep(5);
  }
  pump();
  return true;
}

HWND WindowTest::window(std::string_view name) {
  HWND found = program->window(name);
  EXPECT_NE(found, nullptr) << name;
  return found;
}

void WindowTest::type(std::string_view box, std::string_view text) {
  HWND edit = window(box);
  SetFocus(edit);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  SendMessageW(edit, WM_CHAR, VK_BACK, 0);
  for (wchar_t c : wideText(text)) SendMessageW(edit, WM_CHAR, c, 0);
  pump();
}

void WindowTest::clickOn(std::string_view name) {
  const ControlBinder::Binding* binding = program->binding(name);
  ASSERT_NE(binding, nullptr) << name;
  if (binding->window == nullptr) {
    SendMessageW(binding->dialog, WM_COMMAND, MAKEWPARAM(binding->id, 0), 0);
  } else if (binding->control->kind == ControlKind::Label) {
    // A click on a caption that asks to hear of clicks.
    ASSERT_NE(GetWindowLongPtrW(binding->window, GWL_STYLE) & SS_NOTIFY, 0) << name;
    SendMessageW(binding->dialog, WM_COMMAND, MAKEWPARAM(binding->id, STN_CLICKED),
                 reinterpret_cast<LPARAM>(binding->window));
  } else {
    ASSERT_TRUE(IsWindowVisible(binding->window)) << name;
    ASSERT_TRUE(IsWindowEnabled(binding->window)) << name;
    SendMessageW(binding->window, BM_CLICK, 0, 0);
  }
  pump();
}

void WindowTest::pick(std::string_view list, std::string_view entry) {
  HWND combo = window(list);
  const std::wstring wide = wideText(entry);
  const LRESULT index = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(wide.c_str()));
  ASSERT_NE(index, CB_ERR) << list << ": " << entry;
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
  pump();
}

std::string WindowTest::textOf(std::string_view name) { return textOfWindow(window(name)); }

bool WindowTest::shown(std::string_view name) { return IsWindowVisible(window(name)) != FALSE; }

std::vector<SeenBox> WindowTest::answerBoxes(const std::function<void()>& action, const std::string& answer) {
  BoxSearch search;
  for (const char* own : {"Main", "Progreso", "Preview", "About", "Mapa.Ventana"})
    search.own.push_back(program->window(own));
  const DWORD thread = GetWindowThreadProcessId(program->window("Main"), nullptr);
  std::mutex guard;
  std::vector<SeenBox> seen;
  std::atomic<bool> stop{false};
  // Another thread watches for boxes, as a user's eyes would: the box's
  // modal loop holds the user-interface thread while it shows.
  std::thread watcher([&] {
    while (!stop) {
      BoxSearch s = search;
      EnumThreadWindows(thread, findBox, reinterpret_cast<LPARAM>(&s));
      if (s.found != nullptr) {
        // A message box renames its buttons as it is activated, just after
        // it shows: it is read once it is the thread's active window.
        for (int k = 0; k < 400 && !isActive(thread, s.found); ++k) Sleep(5);
        SeenBox box = readBox(s.found);
        HWND pressed = nullptr;
        for (HWND child = GetWindow(s.found, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
          if (classOf(child) != L"Button" || !IsWindowVisible(child)) continue;
          if (pressed == nullptr || textOfWindow(child) == answer) pressed = child;
        }
        {
          const std::lock_guard<std::mutex> lock(guard);
          seen.push_back(box);
        }
        if (answer == kEscape || pressed == nullptr)
          PostMessageW(s.found, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        else
          PostMessageW(s.found, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(pressed), BN_CLICKED),
                       reinterpret_cast<LPARAM>(pressed));
        while (IsWindow(s.found) && IsWindowVisible(s.found)) Sleep(5);
      }
      Sleep(10);
    }
  });
  action();
  pump();
  stop = true;
  watcher.join();
  return seen;
}

}  // namespace brelosta
