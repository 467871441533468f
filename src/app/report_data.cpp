#include "app/report_data.hpp"

#include "app/system_panel.hpp"

namespace brelosta {
namespace {

// The file names are those of the files converted, from the panels' file
// boxes: the file dialog's last choice names another file once the user has
// typed a path into the box.
ReportPanel reportPanel(const SystemPanel& panel) {
  return {fileNameOf(panel.File.text), panel.Coord.text,   panel.angleFormat(), panel.Zone.text,
          panel.Para_2.text,           panel.Feste.text,   panel.Fnorte.text,   panel.Lat_origen.text,
          panel.Lon_origen.text,       panel.DATUM.text};
}

std::string shiftMethod(const MainWindowState& state) {
  std::string method;
  if (state.Check1.checked()) method = "Molodensky";
  if (state.Check2.checked()) method = "Bursa Wolf";
  if (state.Check3.checked()) method = "Badekas-Molodensky";
  return method;
}

}  // namespace

ReportData reportData(MainWindowState& state, ConversionDirection direction) {
  const SystemPanel source = systemPanel(state, sourceSide(direction));
  const SystemPanel target = systemPanel(state, otherSide(source.side));
  return {reportPanel(source),
          reportPanel(target),
          shiftMethod(state),
          state.Codigo.text,
          {state.Dx_label.text, state.Dy_label.text, state.Dz_label.text, state.Rx_label.text, state.Ry_label.text,
           state.Rz_label.text, state.XXMM.text, state.YYMM.text, state.ZZMM.text, state.SC_label.text},
          state.elipsoide_n.text,
          state.Wgs84Ellipsoid.name};
}

}  // namespace brelosta
