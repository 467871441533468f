#pragma once

#include "app/app.hpp"
#include "app/system_panel.hpp"

namespace brelosta {

// The filters of every dialog that picks a point file.
inline constexpr std::string_view kPointFileFilter =
    "Archivos de texto (*.txt)|*.txt|Todos los archivos (*.*)|*.*";

// Browse_L / Browse_R: the panel's file dialog; the chosen file name goes
// into the panel's file box.
void browseFile(App& app, Side side);

}  // namespace brelosta
