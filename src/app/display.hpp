#pragma once

#include "app/app.hpp"
#include "app/system_panel.hpp"

namespace brelosta {

// The angle-format reaction of a panel (Units_L / Units_R selected): in
// point mode, re-lays the point row and rewrites the angles it shows.
void angleFormatSelected(App& app, Side side);

}  // namespace brelosta
