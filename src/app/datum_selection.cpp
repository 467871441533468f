#include "app/datum_selection.hpp"

#include <variant>

#include "app/commands.hpp"
#include "app/datum_display.hpp"
#include "app/messages.hpp"
#include "core/path_text.hpp"
#include "formats/catalogues.hpp"

namespace brelosta {
namespace {

// The one non-reference datum the local grid "Loma Quintana (Ven)" works on.
constexpr std::string_view kLocalGridDatum = "PSAD 56 - La Canoa (2)";

constexpr std::string_view kDatumFileError = "Error en el archivo datum.txt";

bool allowedBesideLocalGrid(std::string_view datum) {
  return datum == kReferenceDatum || datum == kLocalGridDatum;
}

bool localGridOnEitherSide(const MainWindowState& state) {
  return state.Coord_L.text == kLomaQuintanaText || state.Coord_R.text == kLomaQuintanaText;
}

void hideMethodFrames(MainWindowState& state) {
  state.Conversion.visible = false;
  state.Parametros.visible = false;
  state.PF.visible = false;
}

// With Molodensky checked the origin frame keeps its state.
void showMethodFrames(MainWindowState& state) {
  state.Conversion.visible = true;
  state.Parametros.visible = true;
  if (!state.Check1.checked()) state.PF.visible = true;
}

// The datum of the selected entry, from catalogues just read: entry k is the
// record of line k + 1. False when the file no longer has that line.
bool showSelectedDatum(MainWindowState& state, const Catalogues& catalogues, int entry) {
  const auto slot = static_cast<std::size_t>(entry);
  if (slot >= catalogues.datums.size()) return false;
  const std::optional<Datum>& datum = catalogues.datums[slot];
  showDatumParameters(state, datum);
  if (!datum) return true;
  // No matching ellipsoid leaves the boxes showing the previous one.
  if (const Ellipsoid* ellipsoid = ellipsoidOf(catalogues.ellipsoids, datum->ellipsoidKey))
    showEllipsoid(state, *ellipsoid);
  return true;
}

}  // namespace

void datumSelected(App& app, Side side) {
  MainWindowState& state = app.state;
  const SystemPanel self = systemPanel(state, side);
  const SystemPanel other = systemPanel(state, otherSide(side));

  // Beside the local grid only WGS84 and its own datum may stand. Entry 0
  // is taken as it is: re-selecting it when the catalogue does not start
  // with an allowed datum would run this reaction without end.
  if (other.Coord.text == kLomaQuintanaText && !allowedBesideLocalGrid(self.DATUM.text) && self.DATUM.index != 0)
    selectIndex(app, self.DATUM, 0);

  // At most one non-reference datum in play.
  if (self.DATUM.text != other.DATUM.text && !self.onReferenceDatum()) selectIndex(app, other.DATUM, 0);
  if (self.DATUM.text == other.DATUM.text && self.onReferenceDatum()) {
    state.Codigo.text.clear();
    showEllipsoid(state, state.Wgs84Ellipsoid);
  }

  for (Control* box : {&self.Lat_origen, &self.Lon_origen, &self.Zone, &self.Para_2}) box->enabled = true;

  const auto read = readCatalogues(pathFromUtf8(state.workingFolder));
  if (const auto* failure = std::get_if<CatalogueFailure>(&read)) {
    showCritical(app, catalogueFailureMessage(*failure));
    return;
  }
  // Entry 0, the reference datum, leaves the display showing the last
  // non-reference datum.
  if (self.DATUM.index != 0 && !showSelectedDatum(state, std::get<Catalogues>(read), self.DATUM.index)) {
    showCritical(app, kDatumFileError);
    return;
  }

  // The method frames: hidden beside the local grid, whose parameters are
  // fixed, and when both sides hold the same entry.
  const bool localGrid = localGridOnEitherSide(state);
  if (localGrid) {
    hideMethodFrames(state);
    state.Codigo.text.clear();
  } else {
    showMethodFrames(state);
  }
  if (state.DATUM_L.index == state.DATUM_R.index)
    hideMethodFrames(state);
  else if (!localGrid)
    showMethodFrames(state);
}

}  // namespace brelosta
