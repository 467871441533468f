#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/number_format.hpp"

namespace brelosta {

struct ProgramOptions {
  // Where to start; nothing = the current directory.
  std::optional<std::filesystem::path> workingFolder;
  NumberFormat numberFormat;
};

// The options of the command line (UTF-8, without the program name), then
// of the environment variable BRELOSTA_NUMBER_FORMAT ("point" or "comma",
// given as `numberFormatVariable`), then of the user's decimal mark in the
// regional settings. A text with the reason when they cannot be used.
std::variant<ProgramOptions, std::string> programOptions(const std::vector<std::string>& arguments,
                                                        const std::string& numberFormatVariable,
                                                        NumberFormat regionalFormat);

// The number format of the user's regional settings.
NumberFormat regionalNumberFormat();

extern const char* const kProgramUsage;

}  // namespace brelosta
