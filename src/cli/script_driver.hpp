#pragma once

#include <filesystem>
#include <iosfwd>

#include "core/number_format.hpp"

namespace brelosta {

struct ScriptOptions {
  std::filesystem::path workingFolder;
  NumberFormat numberFormat = NumberFormat::point();
};

// Starts the program's window state without a window and runs one action per
// line of the script (see `brelosta-cli script --help`). Returns the exit
// code: 0, or 2 when a line has an unknown verb or control name.
int runScript(std::istream& script, std::ostream& out, std::ostream& err, const ScriptOptions& options);

}  // namespace brelosta
