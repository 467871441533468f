#include <windows.h>

#include <cwchar>
#include <string_view>

#include "child_process.hpp"

namespace brelosta {

const bool kLinuxFileReaders = false;

namespace {

std::wstring wide(const std::string& utf8) {
  const int size = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), size);
  return text;
}

// One argument quoted the way CommandLineToArgvW and the C runtime split a
// command line: backslashes are literal except before a double quote.
std::wstring quoted(const std::wstring& argument) {
  std::wstring text = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    text.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    text += c;
  }
  text.append(2 * backslashes, L'\\');
  return text + L"\"";
}

HANDLE createOutput(const std::filesystem::path& path) {
  SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  return ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// This process's environment block with the variables of `environment`
// put in place of their namesakes.
std::wstring environmentBlock(const std::vector<std::string>& environment) {
  std::vector<std::wstring> own;
  for (const std::string& variable : environment) own.push_back(wide(variable));
  const auto overridden = [&](std::wstring_view variable) {
    for (const std::wstring& mine : own)
      if (variable.starts_with(std::wstring_view(mine).substr(0, mine.find(L'=') + 1))) return true;
    return false;
  };
  std::wstring block;
  wchar_t* const strings = ::GetEnvironmentStringsW();
  for (const wchar_t* variable = strings; *variable != L'\0'; variable += std::wcslen(variable) + 1)
    if (!overridden(variable)) block.append(variable) += L'\0';
  ::FreeEnvironmentStringsW(strings);
  for (const std::wstring& mine : own) block.append(mine) += L'\0';
  return block += L'\0';
}

}  // namespace

int runProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& out, const std::filesystem::path& err,
               const std::vector<std::string>& environment) {
  std::wstring commandLine = quoted(program.wstring());
  for (const std::string& argument : arguments) commandLine += L" " + quoted(wide(argument));

  const HANDLE outFile = createOutput(out);
  const HANDLE errFile = createOutput(err);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = outFile;
  startup.hStdError = errFile;
  PROCESS_INFORMATION process{};
  std::wstring variables = environmentBlock(environment);
  const bool started =
      ::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                       CREATE_UNICODE_ENVIRONMENT, variables.data(), nullptr, &startup, &process) != 0;
  ::CloseHandle(outFile);
  ::CloseHandle(errFile);
  if (!started) return -1;
  ::WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 0;
  const bool ended = ::GetExitCodeProcess(process.hProcess, &exitCode) != 0;
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return ended ? static_cast<int>(exitCode) : -1;
}

}  // namespace brelosta
