#include <unistd.h>

#include "cli/platform/console.hpp"

namespace brelosta::platform {

std::vector<std::string> commandLineArguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

// POSIX streams never translate bytes.
void useBinaryStandardStreams() {}

bool standardErrorIsTerminal() { return ::isatty(STDERR_FILENO) != 0; }

}  // namespace brelosta::platform
