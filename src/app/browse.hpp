#pragma once

#include "app/app.hpp"
#include "app/system_panel.hpp"

namespace brelosta {

// Browse_L / Browse_R: the panel's file dialog; the chosen file name goes
// into the panel's file box.
void browseFile(App& app, Side side);

}  // namespace brelosta
