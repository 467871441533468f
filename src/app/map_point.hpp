#pragma once

#include <string>

namespace brelosta {

// One point of the map: its WGS84 position (decimal degrees), its Id (may
// be empty), and whether it lies outside the geoid grid or outside the area
// its datum's shift is meant for.
struct MapPoint {
  double latitude = 0.0;
  double longitude = 0.0;
  std::string id;
  bool outside = false;
  friend bool operator==(const MapPoint&, const MapPoint&) = default;
};

}  // namespace brelosta
