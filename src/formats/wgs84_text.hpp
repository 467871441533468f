#pragma once

#include <string>

#include "geodesy/positions.hpp"

namespace brelosta {

// A WGS84 position as KML and GeoJSON write it: "longitude,latitude" in
// decimal degrees with nine decimals (0.1 mm), then ",height" in metres with
// four when `withHeight`.
void appendWgs84Coordinates(std::string& out, const GeodeticPosition& position, bool withHeight);

}  // namespace brelosta
