// brelosta_window_screenshots: drives the Windows desktop program from an
// action script and saves pictures of its windows as BMP files, for
// reviewing the layout (see scripts/screenshots.sh, which runs it under
// Wine at 96 and 144 DPI).
//
//   brelosta_window_screenshots --workdir DIR --out DIR SCRIPT
//
// The actions are those of the Qt screenshot tool (set, select, value, show,
// width, click, wait, shot). Message boxes are answered with their default
// button. A line that cannot be run is reported on the error output and
// skipped; the exit code is then 1.

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <fstream>
#include <iostream>

#include "app/commands.hpp"
#include "win32/desktop_program.hpp"
#include "win32/wide_text.hpp"

namespace {

using brelosta::Control;
using brelosta::DesktopProgram;

void pump(DesktopProgram& program, int milliseconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  do {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (program.dispatchDialogMessage(message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(10);
  } while (GetTickCount() < end);
}

// Saves what a window shows, frame and title bar included, as a 24-bit BMP.
bool saveWindow(HWND window, const std::filesystem::path& file) {
  RECT r;
  GetWindowRect(window, &r);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  HDC source = GetWindowDC(window);
  HDC copy = CreateCompatibleDC(source);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(copy, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(copy, bitmap);
  BitBlt(copy, 0, 0, width, height, source, 0, 0, SRCCOPY);
  SelectObject(copy, previous);
  const DWORD rowBytes = static_cast<DWORD>((width * 3 + 3) & ~3);
  const DWORD imageBytes = rowBytes * static_cast<DWORD>(height);
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;  // "BM"
  header.bfOffBits = sizeof header + sizeof info.bmiHeader;
  header.bfSize = header.bfOffBits + imageBytes;
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
  out.write(static_cast<const char*>(bits), imageBytes);
  DeleteObject(bitmap);
  DeleteDC(copy);
  ReleaseDC(window, source);
  return static_cast<bool>(out);
}

// Answers a message box of this thread with its default button. Of the
// dialogs, only message boxes have buttons numbered IDOK or IDYES.
void CALLBACK answerBoxes(HWND, UINT, UINT_PTR, DWORD) {
  HWND box = GetActiveWindow();
  if (box == nullptr || (GetDlgItem(box, IDOK) == nullptr && GetDlgItem(box, IDYES) == nullptr)) return;
  const auto defaultButton = LOWORD(SendMessageW(box, DM_GETDEFID, 0, 0));
  std::cerr << "mensaje\n";
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(defaultButton, BN_CLICKED), 0);
}

bool runAction(DesktopProgram& program, const std::string& line, const std::filesystem::path& out) {
  const auto firstSpace = line.find(' ');
  const std::string verb = line.substr(0, firstSpace);
  const std::string rest = firstSpace == std::string::npos ? std::string() : line.substr(firstSpace + 1);
  const auto secondSpace = rest.find(' ');
  const std::string name = rest.substr(0, secondSpace);
  const std::string argument =
      secondSpace == std::string::npos ? std::string() : rest.substr(secondSpace + 1);
  if (verb == "wait") {
    for (int k = 0; k < 6000 && program.converting(); ++k) pump(program, 10);
    return !program.converting();
  }
  Control* control = brelosta::findControl(program.state(), name);
  if (control == nullptr) return false;
  if (verb == "set") {
    control->text = argument;
  } else if (verb == "select") {
    if (!brelosta::selectText(program.app(), *control, argument)) return false;
  } else if (verb == "value") {
    control->value = argument == "1" ? 1 : 0;
  } else if (verb == "show") {
    control->visible = argument == "1";
  } else if (verb == "width") {
    control->width = std::stoi(argument);
  } else if (verb == "click") {
    const auto* binding = program.binding(name);
    if (binding == nullptr) return false;
    if (binding->window == nullptr)
      SendMessageW(binding->dialog, WM_COMMAND, MAKEWPARAM(binding->id, 0), 0);
    else
      SendMessageW(binding->window, BM_CLICK, 0, 0);
  } else if (verb == "shot") {
    program.refresh();
    HWND window = program.window(name);
    if (window == nullptr) return false;
    SetForegroundWindow(window);
    pump(program, 300);
    const std::filesystem::path file = out / (argument + ".bmp");
    if (!saveWindow(window, file)) return false;
    std::cout << file.string() << '\n';
    return true;
  } else {
    return false;
  }
  program.refresh();
  pump(program, 50);
  return true;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::filesystem::path workdir = std::filesystem::current_path();
  std::filesystem::path outdir = workdir;
  std::filesystem::path script;
  for (int k = 1; k < count; ++k) {
    const std::wstring argument = arguments[k];
    if (argument == L"--workdir" && k + 1 < count)
      workdir = arguments[++k];
    else if (argument == L"--out" && k + 1 < count)
      outdir = arguments[++k];
    else
      script = argument;
  }
  LocalFree(arguments);
  std::ifstream lines(script);
  if (script.empty() || !lines) {
    std::cerr << "uso: brelosta_window_screenshots --workdir DIR --out DIR GUION\n";
    return 2;
  }
  std::filesystem::current_path(workdir);
  std::filesystem::create_directories(outdir);

  DesktopProgram program(brelosta::NumberFormat::point());
  SetTimer(nullptr, 0, 50, answerBoxes);
  program.start(std::filesystem::current_path());
  pump(program, 300);
  std::string line;
  int number = 0;
  int exitCode = 0;
  while (std::getline(lines, line)) {
    ++number;
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    if (!runAction(program, line, outdir)) {
      std::cerr << "l\u00ednea " << number << ": no se pudo: " << line << '\n';
      exitCode = 1;
    }
  }
  return exitCode;
}
