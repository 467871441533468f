#include <windows.h>
// After windows.h, which it needs.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

#include "cli/platform/console.hpp"

namespace brelosta::platform {

namespace {

std::string utf8(const wchar_t* text) {
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return {};
  std::string bytes(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
  bytes.pop_back();  // the terminating zero
  return bytes;
}

}  // namespace

// argv holds the arguments in the ANSI code page, where a name such as
// "Señales de Ávila.txt" may not fit; the wide command line holds them whole.
std::vector<std::string> commandLineArguments(int /*argc*/, char** /*argv*/) {
  int count = 0;
  wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  if (wide == nullptr) return arguments;
  for (int k = 1; k < count; ++k) arguments.push_back(utf8(wide[k]));
  ::LocalFree(wide);
  return arguments;
}

// Binary mode: no CR added before LF, no end at a Ctrl-Z. A console shows
// the UTF-8 bytes as text.
void useBinaryStandardStreams() {
  ::_setmode(::_fileno(stdin), _O_BINARY);
  ::_setmode(::_fileno(stdout), _O_BINARY);
  ::_setmode(::_fileno(stderr), _O_BINARY);
  ::SetConsoleOutputCP(CP_UTF8);
}

bool standardErrorIsTerminal() { return ::_isatty(::_fileno(stderr)) != 0; }

}  // namespace brelosta::platform
