#pragma once

#include <QStringList>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>

#include "app/number_format_choice.hpp"
#include "core/number_format.hpp"

namespace brelosta {

struct ProgramOptions {
  // Where to start; nothing = the current directory.
  std::optional<std::filesystem::path> workingFolder;
  NumberFormat numberFormat;
  bool helpOnly = false;
};

// The options of the command line (without the program name); the number
// format as every front end chooses it (chooseNumberFormat) from the
// system's `systemFormat`, the environment variable BRELOSTA_NUMBER_FORMAT
// (given as `numberFormatVariable`) and --number-format. A text with the
// reason when the command line cannot be used.
std::variant<ProgramOptions, QString> programOptions(const QStringList& arguments, const QString& numberFormatVariable,
                                                    NumberFormat systemFormat);

QString programUsage();

}  // namespace brelosta
