#pragma once

#include <iosfwd>
#include <string_view>
#include <vector>

namespace brelosta {

// brelosta-cli convert: a point file converted with the panels of a saved
// configuration, as the window would convert it (see kConvertUsage). Returns
// the exit code: 0 when the output file was written, 1 when the run ended
// without writing it, 2 for a command line that cannot be run, 3 when it was
// written without the records that failed (--keep-going).
int convertCommand(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err,
                   bool errIsTerminal);

extern const std::string_view kConvertUsage;

}  // namespace brelosta
