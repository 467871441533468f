#pragma once

#include "engine/system_panel.hpp"
#include "ui/app.hpp"

namespace brelosta {

// The angle-format reaction of a panel (Units_L / Units_R selected): in
// point mode, re-lays the point row and rewrites the angles it shows.
void angleFormatSelected(App& app, Side side);

}  // namespace brelosta
