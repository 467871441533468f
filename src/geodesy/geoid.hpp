#pragma once

#include <optional>

namespace brelosta {

// Whether a position in decimal degrees lies in the built-in regional grid:
// latitudes 0 to 13, longitudes -74 to -58, edges included. A position
// within 1e-9 degree (0.1 mm) outside an edge counts as on it, so that the
// rounding of a datum change (a few 1e-12 degree) does not push a point
// typed on the edge out of the grid.
bool insideGeoidGrid(double latitude, double longitude);

// The EGM96 geoid undulation N (metres) at a position in decimal degrees,
// interpolated bilinearly in the built-in grid; nothing for a position
// outside it.
std::optional<double> geoidUndulation(double latitude, double longitude);

}  // namespace brelosta
