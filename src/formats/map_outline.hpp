#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "geodesy/positions.hpp"

namespace brelosta {

// The name of the outline file the program ships.
inline constexpr std::string_view kMapOutlineFileName = "mapa_venezuela.txt";

enum class OutlineLayer { Coast, Border, StateBorder };

// One polyline of the outline: `count` vertices of the shared array from
// `first`, and the box around them (degrees), so that a view can pass over
// a line it does not reach without looking at its vertices.
struct OutlineLine {
  OutlineLayer layer = OutlineLayer::Coast;
  std::size_t first = 0;
  std::size_t count = 0;
  double west = 0.0;
  double east = 0.0;
  double south = 0.0;
  double north = 0.0;
  friend bool operator==(const OutlineLine&, const OutlineLine&) = default;
};

// Coastlines and borders as polylines in WGS84 degrees.
struct MapOutline {
  std::vector<LatLon> vertices;
  std::vector<OutlineLine> lines;
  friend bool operator==(const MapOutline&, const MapOutline&) = default;
};

// The outline file: lines starting with "#" are comments, blank lines are
// passed over; a line "> LAYER" (costa, frontera or estado) starts a
// polyline of that layer, and each line after it holds one vertex, its
// longitude and latitude in decimal degrees with a decimal point, separated
// by blanks. Lines end at LF or CR LF. A polyline has at least two vertices.
// Returns the outline, or what is wrong and on which line.
std::variant<MapOutline, std::string> parseMapOutline(std::string_view text);

// The same for a file; a file that cannot be read says so.
std::variant<MapOutline, std::string> readMapOutline(const std::filesystem::path& path);

}  // namespace brelosta
