#pragma once

#include <array>

namespace brelosta {

// The regional EGM96 geoid grid over Venezuela: undulations N in metres
// (two decimals) at 0.5 degree nodes, rows from latitude 13 down to 0,
// columns from longitude -74 east to -58.
inline constexpr int kGeoidColumns = 33;
inline constexpr int kGeoidRows = 27;
inline constexpr double kGeoidStep = 0.5;     // degrees
inline constexpr double kGeoidNorth = 13.0;   // latitude of row 1
inline constexpr double kGeoidSouth = 0.0;    // latitude of row 27
inline constexpr double kGeoidWest = -74.0;   // longitude of column 1
inline constexpr double kGeoidEast = -58.0;   // longitude of column 33

using GeoidGrid = std::array<std::array<double, kGeoidColumns>, kGeoidRows>;

// Element [j - 1][i - 1] is the node of row j, column i.
extern const GeoidGrid kEgm96Grid;

}  // namespace brelosta
