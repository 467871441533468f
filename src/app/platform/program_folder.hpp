#pragma once

#include <filesystem>

namespace brelosta {

// The folder that holds the running program's executable, from the system
// (not from argv[0] or the current folder); empty when the system does not
// say.
std::filesystem::path programFolder();

}  // namespace brelosta
