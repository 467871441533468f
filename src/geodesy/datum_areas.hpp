#pragma once

#include <optional>
#include <string_view>

#include "geodesy/positions.hpp"

namespace brelosta {

// A box of latitudes and longitudes, decimal degrees, edges included.
struct GeographicBox {
  double south = 0.0;
  double north = 0.0;
  double west = 0.0;
  double east = 0.0;

  friend bool operator==(const GeographicBox&, const GeographicBox&) = default;

  bool contains(LatLon p) const {
    return p.latitude >= south && p.latitude <= north && p.longitude >= west && p.longitude <= east;
  }
};

// Venezuela with its islands and waters: 0.64 to 16.75 N, 73.38 to 58.95 W
// (the area of use EPSG gives the country, code 1251).
inline constexpr GeographicBox kVenezuelaArea{0.64, 16.75, -73.38, -58.95};

// Where the shift of a datum of the shipped catalogue is meant to be used:
// Venezuela for the Venezuelan realisations of PSAD 56, SAD 69 and SIRGAS
// (REGVEN), Venezuela east of 67 30' W for "PSAD 56 - Venezuela Oriental",
// South America for the continental means of PSAD 56 and SAD 69 (13.5 N to
// 56 S, 82 to 34 W). Nothing for WGS84, which holds everywhere, and for a
// datum the catalogue adds, whose area the program does not know.
std::optional<GeographicBox> datumAreaOfUse(std::string_view datumName);

}  // namespace brelosta
