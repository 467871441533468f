#pragma once

#include "engine/system_panel.hpp"
#include "ui/app.hpp"

namespace brelosta {

// Browse_L / Browse_R: the panel's file dialog; the chosen file name goes
// into the panel's file box.
void browseFile(App& app, Side side);

}  // namespace brelosta
