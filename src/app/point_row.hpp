#pragma once

#include "app/system_panel.hpp"

namespace brelosta {

// The three ways a panel's point row is laid out: an angle in three boxes,
// an angle in one box, or northing and easting in metres.
enum class PointRowLayout { DegreesMinutesSeconds, DecimalDegrees, Grid };

// Sets the widths of the degree boxes, shows or hides the minute and second
// boxes and writes the unit signs after them; the texts are not touched.
void setPointRowLayout(const SystemPanel& panel, PointRowLayout layout);

// The layout the row shows, recognised by the minutes box: visible means
// degrees, minutes and seconds.
inline bool showsDegreesMinutesSeconds(const SystemPanel& panel) { return panel.LAT_M.visible; }

}  // namespace brelosta
