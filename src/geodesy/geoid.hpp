#pragma once

#include <optional>

namespace brelosta {

// The EGM96 geoid undulation N (metres) at a position in decimal degrees,
// interpolated bilinearly in the built-in regional grid; nothing outside it.
std::optional<double> geoidUndulation(double latitude, double longitude);

}  // namespace brelosta
