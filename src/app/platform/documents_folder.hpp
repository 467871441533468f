#pragma once

#include <filesystem>

namespace brelosta {

// The user's documents folder as the desktop names it ("Documentos" in a
// Spanish session), else the home folder; empty when neither is known.
std::filesystem::path documentsFolder();

}  // namespace brelosta
