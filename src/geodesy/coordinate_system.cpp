#include "geodesy/coordinate_system.hpp"

namespace brelosta {
namespace {

struct KindName {
  CoordinateSystemKind kind;
  std::string_view text;
};

constexpr std::array<KindName, 6> kKindNames = {{
    {CoordinateSystemKind::Geographic, "Geográficas"},
    {CoordinateSystemKind::Utm, "UTM"},
    {CoordinateSystemKind::LambertConic, "Conica de Lambert"},
    {CoordinateSystemKind::TransverseMercator, "Transverse Mercator"},
    {CoordinateSystemKind::Mercator, "Mercator"},
    {CoordinateSystemKind::LomaQuintana, "Loma Quintana (Ven)"},
}};

}  // namespace

std::optional<CoordinateSystemKind> kindFromText(std::string_view text) {
  for (const KindName& name : kKindNames)
    if (name.text == text) return name.kind;
  return std::nullopt;
}

std::string_view kindText(CoordinateSystemKind kind) {
  for (const KindName& name : kKindNames)
    if (name.kind == kind) return name.text;
  return {};
}

}  // namespace brelosta
