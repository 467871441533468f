// brelosta.exe: the Windows desktop program, its main window over the
// window state.

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include "app/number_format_choice.hpp"
#include "app/working_folder.hpp"
#include "core/path_text.hpp"
#include "win32/desktop_program.hpp"
#include "win32/program_options.hpp"
#include "win32/wide_text.hpp"

namespace {

std::vector<std::string> commandLineArguments() {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int k = 1; k < count; ++k) arguments.push_back(brelosta::utf8Text(wide[k]));
  LocalFree(wide);
  return arguments;
}

int refuse(const std::string& problem) {
  const std::wstring text = brelosta::wideText(problem + "\n\n" + brelosta::kProgramUsage);
  MessageBoxW(nullptr, text.c_str(), L"Brelosta", MB_ICONERROR | MB_OK);
  return 2;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const auto parsed = brelosta::programOptions(commandLineArguments());
  if (const auto* problem = std::get_if<std::string>(&parsed)) return refuse(*problem);
  const auto& options = std::get<brelosta::ProgramOptions>(parsed);
  // The regional settings' decimal mark, unless BRELOSTA_NUMBER_FORMAT or
  // --number-format says otherwise.
  const auto format = brelosta::userNumberFormat(options.numberFormat);
  if (const auto* problem = std::get_if<std::string>(&format)) return refuse(*problem);
  // The working folder is the current directory, as for any program started
  // there (the Start-menu shortcut starts it in Documents\Brelosta);
  // --workdir moves there first, so file dialogs open there too.
  if (options.workingFolder) {
    std::error_code error;
    std::filesystem::current_path(*options.workingFolder, error);
    if (error)
      return refuse("no se pudo abrir la carpeta de trabajo: " +
                    brelosta::utf8FromPath(*options.workingFolder));
  }

  const std::filesystem::path shipped = brelosta::shippedFolder();
  const brelosta::WorkingFolder working = brelosta::chooseWorkingFolder(
      options.workingFolder ? std::optional(std::filesystem::current_path()) : std::nullopt, shipped);
  // The file dialogs start in the user folder too.
  if (working.userFolder) {
    std::error_code error;
    std::filesystem::current_path(working.folder, error);
  }

  brelosta::DesktopProgram program(std::get<brelosta::NumberFormat>(format));
  program.start(working, shipped);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (program.dispatchDialogMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
