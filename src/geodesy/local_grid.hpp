#pragma once

#include <string_view>

namespace brelosta {

// The local grid "Loma Quintana (Ven)": a Transverse Mercator with scale 1
// and no false origin, on the datum "PSAD 56 - La Canoa (2)", centred on the
// Loma Quintana station. Everything the program fixes for it is here.

// The one non-reference datum the grid is defined on.
inline constexpr std::string_view kLocalGridDatum = "PSAD 56 - La Canoa (2)";

// The station. The two directions carry its latitude to a different ninth
// decimal (about 0.2 mm of northing); each keeps its own.
inline constexpr double kLomaQuintanaLatitudeInverse = 10.50674278;   // degrees
inline constexpr double kLomaQuintanaLatitudeForward = 10.506742778;  // degrees
inline constexpr double kLomaQuintanaMeridian = -66.933632222;       // degrees

// The datum's shift to WGS84, fixed whatever the catalogue says, each a
// whole number of thousandths: dX, dY, dZ (metres), rX, rY, rZ (arc
// seconds), scale (parts per million), fundamental point X, Y, Z (metres).
struct LocalGridShift {
  long long dX, dY, dZ, rX, rY, rZ, scale, originX, originY, originZ;
};
inline constexpr LocalGridShift kLocalGridShiftThousandths{
    .dX = -270933,
    .dY = 115599,
    .dZ = -360226,
    .rX = -5266,
    .rY = -1238,
    .rZ = 2381,
    .scale = -5109,
    .originX = 2464351594,
    .originY = -5783466613,
    .originZ = 974809808,
};

// Its ellipsoid, International 1924.
inline constexpr std::string_view kLocalGridEllipsoid = "International 1924";
inline constexpr double kLocalGridSemiMajorAxis = 6378388.0;  // metres
inline constexpr double kLocalGridInverseFlattening = 297.0;

}  // namespace brelosta
