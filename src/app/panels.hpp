#pragma once

#include "app/app.hpp"
#include "app/system_panel.hpp"

namespace brelosta {

// The kind reaction of a panel (Coord_L / Coord_R selected): re-lays the
// panel for the chosen coordinate system kind.
void kindSelected(App& app, Side side);

// Hemisferio_L / Hemisferio_R: toggles "Hemisferio Norte" and "Hemisferio
// Sur"; any other caption stays.
void toggleHemisphere(App& app, Side side);

}  // namespace brelosta
