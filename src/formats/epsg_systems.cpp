#include "formats/epsg_systems.hpp"

#include <array>

namespace brelosta {
namespace {

// The datums of the catalogue that the EPSG dataset holds, with the codes of
// their geographic 2D system and UTM zones (code = utmBase + zone, northern
// zones firstZone to lastZone, the ones over Venezuela) and their ESRI
// names. The catalogue's reference "WGS84" carries the WGS 84 ellipsoid and
// is the datum KML and GeoJSON are defined on; REGVEN (ITRF94 at 1995.4 on
// GRS 1980) is the catalogue's "SIRGAS-REGVEN". The two agree to well
// within a decimetre, but a .prj names the ellipsoid the numbers were
// computed on.
struct EpsgDatum {
  std::string_view catalogueName;
  int geographic;
  int utmBase;
  int firstZone;
  int lastZone;
  std::string_view epsgName;       // "PSAD56"
  std::string_view esriUtmPrefix;  // "PSAD_1956" in "PSAD_1956_UTM_Zone_19N"
  std::string_view esriGeographic;
  std::string_view esriDatum;
  std::string_view esriSpheroid;
  std::string_view semiMajorAxis;      // metres, as the WKT writes it
  std::string_view inverseFlattening;  // as the WKT writes it
};

constexpr std::array<EpsgDatum, 4> kDatums{{
    {"WGS84", 4326, 32600, 18, 21, "WGS 84", "WGS_1984", "GCS_WGS_1984", "D_WGS_1984", "WGS_1984",
     "6378137.0", "298.257223563"},
    {"SIRGAS-REGVEN", 4189, 2183, 18, 20, "REGVEN", "REGVEN", "GCS_REGVEN", "D_REGVEN", "GRS_1980",
     "6378137.0", "298.257222101"},
    {"PSAD 56", 4248, 24800, 18, 21, "PSAD56", "PSAD_1956", "GCS_Provisional_S_American_1956",
     "D_Provisional_S_American_1956", "International_1924", "6378388.0", "297.0"},
    {"SAD 69", 4618, 29150, 18, 21, "SAD69", "SAD_1969", "GCS_South_American_1969", "D_South_American_1969",
     "GRS_1967_Truncated", "6378160.0", "298.25"},
}};

constexpr std::string_view kFamilySeparator = " - ";

const EpsgDatum* datumNamed(std::string_view name) {
  for (const EpsgDatum& datum : kDatums) {
    if (name == datum.catalogueName) return &datum;
    if (name.starts_with(datum.catalogueName) &&
        name.substr(datum.catalogueName.size()).starts_with(kFamilySeparator))
      return &datum;
  }
  return nullptr;
}

std::string geographicWkt(const EpsgDatum& d) {
  return "GEOGCS[\"" + std::string(d.esriGeographic) + "\",DATUM[\"" + std::string(d.esriDatum) +
         "\",SPHEROID[\"" + std::string(d.esriSpheroid) + "\"," + std::string(d.semiMajorAxis) + "," +
         std::string(d.inverseFlattening) +
         "]],PRIMEM[\"Greenwich\",0.0],UNIT[\"Degree\",0.0174532925199433]]";
}

// UTM: Transverse Mercator with k0 = 0.9996 on the zone's central meridian,
// 6 degrees a zone from 180 W, false easting 500 km.
std::string utmWkt(const EpsgDatum& d, int zone) {
  const int centralMeridian = 6 * zone - 183;
  return "PROJCS[\"" + std::string(d.esriUtmPrefix) + "_UTM_Zone_" + std::to_string(zone) + "N\"," +
         geographicWkt(d) +
         ",PROJECTION[\"Transverse_Mercator\"],PARAMETER[\"False_Easting\",500000.0],"
         "PARAMETER[\"False_Northing\",0.0],PARAMETER[\"Central_Meridian\"," +
         std::to_string(centralMeridian) +
         ".0],PARAMETER[\"Scale_Factor\",0.9996],PARAMETER[\"Latitude_Of_Origin\",0.0],UNIT[\"Meter\",1.0]]";
}

}  // namespace

std::optional<EpsgSystem> epsgSystem(std::string_view datumName, std::optional<UtmZoneId> utm) {
  const EpsgDatum* datum = datumNamed(datumName);
  if (datum == nullptr) return std::nullopt;
  if (!utm) return EpsgSystem{datum->geographic, std::string(datum->epsgName), geographicWkt(*datum)};
  if (utm->south || utm->zone < datum->firstZone || utm->zone > datum->lastZone) return std::nullopt;
  return EpsgSystem{datum->utmBase + utm->zone,
                    std::string(datum->epsgName) + " / UTM zone " + std::to_string(utm->zone) + "N",
                    utmWkt(*datum, utm->zone)};
}

}  // namespace brelosta
