#include "ui/configuration.hpp"

namespace brelosta {

void saveConfiguration(App& /*app*/) {}

void restoreConfiguration(App& /*app*/) {}

bool restoreConfigurationFile(App& /*app*/, const std::filesystem::path& /*path*/) { return false; }

}  // namespace brelosta
