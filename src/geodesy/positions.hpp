#pragma once

#include <cmath>

namespace brelosta {

// A position in decimal degrees (latitude north-positive, longitude
// east-positive).
struct LatLon {
  double latitude = 0.0;
  double longitude = 0.0;
  friend bool operator==(const LatLon&, const LatLon&) = default;
};

// A projected position in metres.
struct GridPoint {
  double east = 0.0;
  double north = 0.0;
};

// The hand-off between the stages of a conversion: latitude and longitude in
// decimal degrees and the ellipsoidal height in metres.
struct GeodeticPosition {
  double latitude = 0.0;
  double longitude = 0.0;
  double height = 0.0;
};

inline bool allFinite(double value) { return std::isfinite(value); }
inline bool allFinite(LatLon p) { return std::isfinite(p.latitude) && std::isfinite(p.longitude); }
inline bool allFinite(GridPoint p) { return std::isfinite(p.east) && std::isfinite(p.north); }
inline bool allFinite(GeodeticPosition p) {
  return std::isfinite(p.latitude) && std::isfinite(p.longitude) && std::isfinite(p.height);
}

}  // namespace brelosta
