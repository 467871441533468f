#pragma once

#include <filesystem>
#include <string_view>

#include "app/app.hpp"

namespace brelosta {

// guardar: asks for a file name and saves both panels' settings there.
void saveConfiguration(App& app);
// recuperar: asks for a file name and restores the settings saved there.
void restoreConfiguration(App& app);
// Restores a configuration file without a dialog; false when the file could
// not be read or did not fit the window (the controls set before the failing
// step keep their new values, as in the window).
bool restoreConfigurationFile(App& app, const std::filesystem::path& path);
// The same from the file's text (UTF-8).
bool restoreConfigurationText(App& app, std::string_view text);

}  // namespace brelosta
