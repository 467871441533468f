#pragma once

#include <filesystem>

namespace brelosta {

// Opens a file with the program the system's desktop gives its kind,
// without waiting for it; false when no program could be started.
bool openWithSystemViewer(const std::filesystem::path& file);

}  // namespace brelosta
