#include "geodesy/datum_areas.hpp"

#include <array>
#include <utility>

namespace brelosta {
namespace {

constexpr GeographicBox kSouthAmericaArea{-56.0, 13.5, -82.0, -34.0};
// Venezuela east of 67 30' W, where EPSG:1516 holds.
constexpr GeographicBox kEasternVenezuelaArea{0.64, 16.75, -67.5, -58.95};

constexpr std::array<std::pair<std::string_view, GeographicBox>, 7> kAreas = {{
    {"PSAD 56 - La Canoa (1)", kVenezuelaArea},
    {"PSAD 56 - La Canoa (2)", kVenezuelaArea},
    {"PSAD 56 - Promedio Sudamérica", kSouthAmericaArea},
    {"PSAD 56 - Venezuela Oriental", kEasternVenezuelaArea},
    {"SAD 69 - Venezuela", kVenezuelaArea},
    {"SAD 69 - Promedio Sudamérica", kSouthAmericaArea},
    {"SIRGAS-REGVEN", kVenezuelaArea},
}};

}  // namespace

std::optional<GeographicBox> datumAreaOfUse(std::string_view datumName) {
  for (const auto& [name, area] : kAreas)
    if (name == datumName) return area;
  return std::nullopt;
}

}  // namespace brelosta
