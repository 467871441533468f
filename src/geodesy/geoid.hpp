#pragma once

#include <optional>

namespace brelosta {

// The EGM96 geoid undulation N (metres) at a position in decimal degrees,
// interpolated bilinearly in the built-in regional grid; nothing for a
// position outside the grid (latitudes 0 to 13, longitudes -74 to -58,
// edges included).
std::optional<double> geoidUndulation(double latitude, double longitude);

}  // namespace brelosta
