#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brelosta {

// A coordinate reference system of the EPSG dataset that a target system
// is: its code, its EPSG name ("PSAD56 / UTM zone 19N") and its definition as
// ESRI WKT, the text of a .prj file.
struct EpsgSystem {
  int code = 0;
  std::string name;
  std::string wkt;
};

// A UTM zone (1 to 60) and hemisphere.
struct UtmZoneId {
  int zone = 0;
  bool south = false;
};

// The EPSG system of geographic coordinates (no zone) or of a UTM zone on
// the catalogue datum of that name; nothing for a datum or zone without one.
// A datum is known by its whole name or by the part before " - ", which
// every parameter set of one datum shares ("PSAD 56 - La Canoa (1)").
std::optional<EpsgSystem> epsgSystem(std::string_view datumName, std::optional<UtmZoneId> utm);

}  // namespace brelosta
