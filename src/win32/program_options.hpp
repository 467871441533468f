#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace brelosta {

struct ProgramOptions {
  // Where to start; nothing = the current directory.
  std::optional<std::filesystem::path> workingFolder;
  // The value of --number-format, if given (see number_format_choice.hpp).
  std::optional<std::string> numberFormat;
};

// The options of the command line (UTF-8, without the program name), or the
// text that says why they cannot be used.
std::variant<ProgramOptions, std::string> programOptions(const std::vector<std::string>& arguments);

extern const char* const kProgramUsage;

}  // namespace brelosta
