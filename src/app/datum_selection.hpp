#pragma once

#include "app/app.hpp"
#include "app/system_panel.hpp"

namespace brelosta {

// The reaction to a selection in DATUM_L (side left) or DATUM_R (side
// right): keeps at most one non-reference datum in play and shows its shift
// parameters, code and ellipsoid, read afresh from the catalogues.
void datumSelected(App& app, Side side);

}  // namespace brelosta
