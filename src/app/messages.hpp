#pragma once

#include <string_view>

#include "app/app.hpp"

namespace brelosta {

inline constexpr std::string_view kMessageTitle = "Atención";
inline constexpr std::string_view kDataErrorText = "Error en los Datos";

// A refusal of user input: warning icon, OK button.
void showWarning(App& app, std::string_view text);
// A run-time or catalogue failure: critical (stop) icon, OK button.
void showCritical(App& app, std::string_view text);
// Shows the refusal and ends the running command.
[[noreturn]] void refuse(App& app, std::string_view text);

}  // namespace brelosta
