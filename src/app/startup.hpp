#pragma once

#include <filesystem>

#include "app/app.hpp"

namespace brelosta {

// The main window's load reaction: takes the working folder, reads the
// catalogues, fills the lists and selects their first entries (each
// selection runs its reaction at once), and empties the point boxes. A
// failure is reported in a critical message box and the rest of the
// sequence is skipped.
void startUp(App& app, const std::filesystem::path& workingFolder);

}  // namespace brelosta
