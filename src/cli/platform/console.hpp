#pragma once

// The command line and the standard streams as the program needs them on
// every system; one implementation per platform (console_posix.cpp,
// console_windows.cpp).

#include <string>
#include <vector>

namespace brelosta::platform {

// The program's arguments, without its name, as UTF-8 (on Windows read as
// Unicode, so that any file name passes whole).
std::vector<std::string> commandLineArguments(int argc, char** argv);

// Standard input, output and error carry the program's bytes as they are:
// UTF-8 text with LF line ends, the same on every system.
void useBinaryStandardStreams();

bool standardErrorIsTerminal();

}  // namespace brelosta::platform
