#include "app/panels.hpp"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "app/commands.hpp"
#include "app/messages.hpp"
#include "app/method_selection.hpp"
#include "app/point_row.hpp"
#include "core/picture_format.hpp"
#include "formats/record_layout.hpp"
#include "geodesy/local_grid.hpp"

namespace brelosta {
namespace {

// What a kind does to one box or label of the panel.
enum class Cell {
  Hidden,       // hidden, text kept
  HiddenEmpty,  // hidden and emptied
  ShownEmpty,   // shown and emptied
};

// One column of the per-kind layout of a panel.
struct PanelLayout {
  std::string_view frameCaption;
  std::string_view projCaption;
  bool units = false;
  Cell zone = Cell::Hidden;
  bool automatico = false;
  std::optional<std::string_view> automaticoCaption = std::nullopt;  // nothing: caption kept
  bool utmControls = false;                                          // Hemisferio and Fijar
  bool secondParallel = false;                                       // Label18 and Para_2 shown
  std::optional<Cell> para2 = std::nullopt;                          // nothing: only hidden
  bool projectionParameters = false;                                 // the origin and false-origin labels and the line
  Cell origins = Cell::Hidden;                                       // Lon_origen, Lat_origen, Feste, Fnorte
  bool gridLayouts = false;
};

PanelLayout panelLayout(CoordinateSystemKind kind, Side side) {
  constexpr std::string_view kProjection = "Proyección";
  constexpr std::string_view kLatitudeOfOrigin = "Lat Origen";
  switch (kind) {
    case CoordinateSystemKind::Geographic:
      // The right panel also names its (hidden) zone check box.
      return {.frameCaption = "Coordenadas",
              .projCaption = "Unidades",
              .units = true,
              .automaticoCaption = side == Side::Right ? std::optional<std::string_view>("Automatico") : std::nullopt};
    case CoordinateSystemKind::Utm:
      return {.frameCaption = kProjection,
              .projCaption = "Huso",
              .zone = Cell::ShownEmpty,
              .automatico = true,
              .automaticoCaption = "Automatico",
              .utmControls = true,
              .gridLayouts = true};
    case CoordinateSystemKind::TransverseMercator:
      return {.frameCaption = kProjection,
              .projCaption = side == Side::Left ? "   FE. MC." : "  FE. MC.",
              .zone = Cell::ShownEmpty,
              .automatico = true,
              .automaticoCaption = kLatitudeOfOrigin,
              .para2 = Cell::HiddenEmpty,
              .projectionParameters = true,
              .origins = Cell::ShownEmpty,
              .gridLayouts = true};
    case CoordinateSystemKind::Mercator:
      return {.frameCaption = kProjection,
              .projCaption = "Lat FE=1",
              .zone = Cell::ShownEmpty,
              .automatico = true,
              .automaticoCaption = kLatitudeOfOrigin,
              .para2 = Cell::HiddenEmpty,
              .projectionParameters = true,
              .origins = Cell::ShownEmpty,
              .gridLayouts = true};
    case CoordinateSystemKind::LambertConic:
      return {.frameCaption = kProjection,
              .projCaption = "1 Paralelo",
              .zone = Cell::ShownEmpty,
              .automatico = true,
              .automaticoCaption = kLatitudeOfOrigin,
              .secondParallel = true,
              .para2 = Cell::ShownEmpty,
              .projectionParameters = true,
              .origins = Cell::ShownEmpty,
              .gridLayouts = true};
    case CoordinateSystemKind::LomaQuintana:
      return {.frameCaption = "Orígen Local",
              .projCaption = "",
              .zone = Cell::HiddenEmpty,
              .automaticoCaption = "",
              .gridLayouts = true};
  }
  return {};
}

void apply(Control& box, Cell cell) {
  box.visible = cell == Cell::ShownEmpty;
  if (cell != Cell::Hidden) box.text.clear();
}

// The local grid is tied to one datum: hide the datum list (the fixed text
// under it shows instead) and select that datum, through the first entry so
// that the datum reaction starts from the reference datum.
void selectLocalGridDatum(App& app, const SystemPanel& panel) {
  selectIndex(app, panel.DATUM, 0);
  panel.DATUM.visible = false;
  selectText(app, panel.DATUM, kLocalGridDatum);
}

void applyLayout(App& app, const SystemPanel& panel, CoordinateSystemKind kind) {
  const PanelLayout layout = panelLayout(kind, panel.side);
  if (kind == CoordinateSystemKind::LomaQuintana)
    selectLocalGridDatum(app, panel);
  else
    panel.DATUM.visible = true;

  if (layout.gridLayouts)
    fillList(panel.Formato, kGridLayoutNames);
  else
    fillList(panel.Formato, kGeographicLayoutNames);
  selectIndex(app, panel.Formato, 0);

  panel.Proj.text = layout.projCaption;
  panel.Units.visible = layout.units;
  apply(panel.Zone, layout.zone);
  panel.Automatico.visible = layout.automatico;
  if (layout.automaticoCaption) panel.Automatico.text = *layout.automaticoCaption;
  panel.systemFrame.text = layout.frameCaption;
  panel.Hemisferio.visible = layout.utmControls;
  panel.Fijar.visible = layout.utmControls;
  panel.secondParallelLabel.visible = layout.secondParallel;
  if (layout.secondParallel) panel.secondParallelLabel.text = "2 Paralelo";
  for (Control* label : {&panel.originLongitudeLabel, &panel.falseEastingLabel, &panel.falseNorthingLabel})
    label->visible = layout.projectionParameters;
  if (layout.para2) {
    apply(panel.Para_2, *layout.para2);
    if (layout.secondParallel) panel.Para_2.enabled = true;
  } else {
    panel.Para_2.visible = false;
  }
  for (Control* box : {&panel.Lon_origen, &panel.Lat_origen, &panel.Feste, &panel.Fnorte}) apply(*box, layout.origins);
  panel.separatorLine.visible = layout.projectionParameters;
}

// The point row of a panel in point mode, for the kind and angle format.
void layOutPointRow(const SystemPanel& panel, CoordinateSystemKind kind) {
  if (kind != CoordinateSystemKind::Geographic) {
    panel.Title_Lat.text = "N";
    panel.Title_Lon.text = "E";
    setPointRowLayout(panel, PointRowLayout::Grid);
    for (Control* box : {&panel.LAT_D, &panel.LON_D, &panel.ALT_M}) box->text.clear();
    return;
  }
  panel.Title_Lat.text = "LAT";
  panel.Title_Lon.text = "LON";
  if (panel.Units.text == kDmsText) {
    setPointRowLayout(panel, PointRowLayout::DegreesMinutesSeconds);
    for (Control* box :
         {&panel.LAT_D, &panel.LAT_M, &panel.LAT_S, &panel.LON_D, &panel.LON_M, &panel.LON_S, &panel.ALT_M})
      box->text.clear();
  } else if (panel.Units.text == kDecimalDegreesText) {
    setPointRowLayout(panel, PointRowLayout::DecimalDegrees);
    panel.LAT_D.text.clear();
    panel.LON_D.text.clear();  // the height is kept
  }
  // An angle format not chosen yet (during start-up) leaves the row alone.
}

// The boxes of the local grid's shift, in the order of LocalGridShift.
struct LocalGridValue {
  Control MainWindowState::*box;
  long long thousandths;
};

constexpr LocalGridValue kLocalGridValues[] = {
    {&MainWindowState::Dx_label, kLocalGridShiftThousandths.dX},
    {&MainWindowState::Dy_label, kLocalGridShiftThousandths.dY},
    {&MainWindowState::Dz_label, kLocalGridShiftThousandths.dZ},
    {&MainWindowState::Rx_label, kLocalGridShiftThousandths.rX},
    {&MainWindowState::Ry_label, kLocalGridShiftThousandths.rY},
    {&MainWindowState::Rz_label, kLocalGridShiftThousandths.rZ},
    {&MainWindowState::SC_label, kLocalGridShiftThousandths.scale},
    {&MainWindowState::XXMM, kLocalGridShiftThousandths.originX},
    {&MainWindowState::YYMM, kLocalGridShiftThousandths.originY},
    {&MainWindowState::ZZMM, kLocalGridShiftThousandths.originZ},
};

// Overwrites what the datum reaction showed: the local grid's parameters
// are fixed whatever the catalogue says.
void showLocalGridValues(MainWindowState& state) {
  const NumberFormat format = state.numberFormat;
  for (const LocalGridValue& value : kLocalGridValues)
    (state.*value.box).text = shortestText(static_cast<double>(value.thousandths) / 1000.0, format);
  state.elipsoide_n.text = kLocalGridEllipsoid;
  state.elipsoide_a.text = shortestText(kLocalGridSemiMajorAxis, format);
  state.elipsoide_f.text = shortestText(kLocalGridInverseFlattening, format);
}

// The same datum on both sides needs no shift.
void showMethodFramesForDatums(MainWindowState& state) {
  if (state.DATUM_L.index == state.DATUM_R.index)
    hideMethodFrames(state);
  else
    showMethodFrames(state);
}

// A local grid on either side has a fixed shift: no method to choose.
void showMethodFramesForKinds(MainWindowState& state) {
  if (state.Coord_L.text == kLomaQuintanaText || state.Coord_R.text == kLomaQuintanaText) {
    hideMethodFrames(state);
    state.Codigo.text.clear();
  } else {
    showMethodFrames(state);
  }
}

bool listHolds(const Control& list, std::string_view entry) {
  return std::find(list.entries.begin(), list.entries.end(), entry) != list.entries.end();
}

}  // namespace

void kindSelected(App& app, Side side) {
  MainWindowState& state = app.state;
  const SystemPanel panel = systemPanel(state, side);
  const auto kind = panel.kind();
  if (!kind) return;

  // Without its datum the local grid would convert on whatever datum the
  // list shows: refuse it and put the panel back on geographic coordinates.
  if (*kind == CoordinateSystemKind::LomaQuintana && !listHolds(panel.DATUM, kLocalGridDatum)) {
    showWarning(app, "El catálogo datum.txt no tiene el datum \"" + std::string(kLocalGridDatum) +
                         "\", necesario para las coordenadas Loma Quintana (Ven).");
    selectText(app, panel.Coord, kGeographicText);
    return;
  }

  showMethodFramesForDatums(state);
  showMethodFramesForKinds(state);
  applyLayout(app, panel, *kind);
  if (!state.M_Archivo.checked()) layOutPointRow(panel, *kind);
  if (*kind == CoordinateSystemKind::LomaQuintana) {
    showLocalGridValues(state);
    // The datum reactions just run may have shown the method frames again;
    // the local grid's shift is fixed, so they end hidden.
    showMethodFramesForKinds(state);
  }
}

void toggleHemisphere(App& app, Side side) {
  Control& button = side == Side::Left ? app.state.Hemisferio_L : app.state.Hemisferio_R;
  if (button.text == kNorthernHemisphere)
    button.text = kSouthernHemisphere;
  else if (button.text == kSouthernHemisphere)
    button.text = kNorthernHemisphere;
}

}  // namespace brelosta
