#include "app/startup.hpp"

#include <variant>

#include "app/commands.hpp"
#include "app/datum_display.hpp"
#include "app/messages.hpp"
#include "app/output_format.hpp"
#include "app/reaction_errors.hpp"
#include "core/path_text.hpp"
#include "formats/catalogues.hpp"
#include "geodesy/coordinate_system.hpp"

namespace brelosta {
namespace {

constexpr std::array<std::string_view, 2> kAngleFormatTexts = {kDmsText, kDecimalDegreesText};

std::vector<std::string> datumNames(const DatumCatalogue& datums) {
  std::vector<std::string> names;
  for (const auto& datum : datums) names.push_back(datum ? datum->name : std::string());
  return names;
}

// Fills the lists and selects their first entries (each selection runs its
// reaction), shows the first datum and keeps the reference ellipsoid.
void fillLists(App& app, const Catalogues& catalogues) {
  MainWindowState& state = app.state;
  fillList(state.Coord_R, kKindTexts);
  selectIndex(app, state.Coord_R, 0);

  fillList(state.DATUM_L, datumNames(catalogues.datums));
  if (!selectIndex(app, state.DATUM_L, 0)) throw DataError{};  // an empty catalogue
  const std::optional<Datum>& selected = catalogues.datums[static_cast<std::size_t>(state.DATUM_L.index)];
  showDatumParameters(state, selected);

  const Datum* reference = nullptr;
  for (const auto& datum : catalogues.datums)
    if (datum && datum->name == kReferenceDatum) reference = &*datum;
  for (const auto& ellipsoid : catalogues.ellipsoids) {
    if (!ellipsoid) continue;
    if (selected && ellipsoid->key == selected->ellipsoidKey) showEllipsoid(state, *ellipsoid);
    if (reference && ellipsoid->key == reference->ellipsoidKey)
      state.Wgs84Ellipsoid = {ellipsoid->name, ellipsoid->semiMajorAxis, ellipsoid->inverseFlattening};
  }
  // Every datum shift goes through WGS84: without it, or without its
  // ellipsoid, no conversion can be right. The window still opens.
  if (reference == nullptr)
    showCritical(app, "No se encontró el datum WGS84 en datum.txt");
  else if (state.Wgs84Ellipsoid.semiMajorAxis == 0.0)
    showCritical(app, "No se encontró el elipsoide del datum WGS84 en elipsoide.txt");

  fillList(state.Coord_L, kKindTexts);
  selectIndex(app, state.Coord_L, 0);
  fillList(state.DATUM_R, datumNames(catalogues.datums));
  selectIndex(app, state.DATUM_R, 0);
  fillList(state.Units_L, kAngleFormatTexts);
  selectIndex(app, state.Units_L, 0);
  fillList(state.Units_R, kAngleFormatTexts);
  selectIndex(app, state.Units_R, 0);

  state.PF.visible = false;
  for (Control* box :
       {&state.LAT_D_L, &state.LAT_M_L, &state.LAT_S_L, &state.LON_D_L, &state.LON_M_L, &state.LON_S_L, &state.ALT_M_L,
        &state.LAT_D_R, &state.LAT_M_R, &state.LAT_S_R, &state.LON_D_R, &state.LON_M_R, &state.LON_S_R, &state.ALT_M_R})
    box->text.clear();
}

}  // namespace

void startUp(App& app, const std::filesystem::path& workingFolder) {
  app.state.workingFolder = utf8FromPath(workingFolder);
  app.state.About.Carpeta.text = "Carpeta de trabajo: " + app.state.workingFolder;
  // Not from the catalogues: there whatever else start-up meets.
  fillOutputFormats(app);
  const auto read = readCatalogues(workingFolder);
  if (const auto* failure = std::get_if<CatalogueFailure>(&read)) {
    showCritical(app, catalogueFailureMessage(*failure));
    return;
  }
  // A failure in the rest of the sequence skips what is left of it; the
  // window opens as far as it got.
  try {
    fillLists(app, std::get<Catalogues>(read));
  } catch (const CommandEnded&) {
    // A nested reaction has shown its own message.
  } catch (const DataError&) {
    showCritical(app, "Error en el archivo datum.txt");
  } catch (const std::exception&) {
    showCritical(app, "Error en el archivo datum.txt");
  }
}

}  // namespace brelosta
