#pragma once

#include "app/app.hpp"
#include "app/system_panel.hpp"
#include "geodesy/lambert.hpp"
#include "geodesy/local_grid.hpp"
#include "geodesy/mercator.hpp"
#include "geodesy/transverse_mercator.hpp"

namespace brelosta {

// Reading a panel's projection parameters for a conversion. Each reader
// first normalises the parameter boxes in a fixed order: a box whose lenient
// value is 0 counts as missing and either gets a default written into it or
// ends the command with a message naming what to enter. Then it reads the
// numbers (strict reads where they enter the formulas; a few offsets are read
// leniently, as the panel always has).

enum class PanelRole { Source, Target };

TransverseMercatorParameters transverseMercatorParameters(App& app, const SystemPanel& panel, PanelRole role);
MercatorParameters mercatorParameters(App& app, const SystemPanel& panel, PanelRole role);
LambertParameters lambertParameters(App& app, const SystemPanel& panel, PanelRole role);

// The UTM parameters of a source panel: the zone is the lenient value of the
// zone box, used as typed (0 is refused); a southern hemisphere caption moves
// the false northing.
TransverseMercatorParameters utmSourceParameters(App& app, const SystemPanel& panel);

// The UTM parameters of a target panel for a converted longitude (degrees):
// the automatic zone, or a typed zone that is the automatic zone or one of
// its two neighbours; any other typed zone ends the command. Writes the zone
// used into the zone box when it is the automatic one and, in point mode,
// checks the automatic-zone box.
TransverseMercatorParameters utmTargetParameters(App& app, const SystemPanel& panel, double longitude,
                                                 bool pointMode);

TransverseMercatorParameters lomaQuintanaParameters(PanelRole role);

}  // namespace brelosta
