#include "app/system_panel.hpp"

namespace brelosta {

// One list for both sides: X is the side letter of the mirrored controls,
// the other arguments are the controls that do not follow the _L/_R rule.
#define BRELOSTA_SYSTEM_PANEL(X, sideValue, localGrid, label2, labelLon, labelFe, labelFn, line,   \
                              frame, latitudeSign, longitudeSign, heightCaption, heightUnit)       \
  SystemPanel {                                                                                    \
    .side = sideValue, .Coord = s.Coord_##X, .Units = s.Units_##X, .Proj = s.Proj_##X,             \
    .Zone = s.Zone_##X, .Hemisferio = s.Hemisferio_##X, .Fijar = s.Fijar_##X,                     \
    .Automatico = s.Automatico_##X, .Lon_origen = s.Lon_origen_##X,                                \
    .Lat_origen = s.Lat_origen_##X, .Para_2 = s.Para_2_##X, .Feste = s.Feste_##X,                  \
    .Fnorte = s.Fnorte_##X, .secondParallelLabel = s.label2, .originLongitudeLabel = s.labelLon,   \
    .falseEastingLabel = s.labelFe, .falseNorthingLabel = s.labelFn, .separatorLine = s.line,      \
    .systemFrame = s.frame, .DATUM = s.DATUM_##X, .localGridBox = s.localGrid,                     \
    .Title_Lat = s.Title_Lat_##X, .Title_Lon = s.Title_Lon_##X, .LAT_D = s.LAT_D_##X,              \
    .LAT_M = s.LAT_M_##X, .LAT_S = s.LAT_S_##X, .LON_D = s.LON_D_##X, .LON_M = s.LON_M_##X,        \
    .LON_S = s.LON_S_##X, .ALT_M = s.ALT_M_##X, .latitudeDegreesSign = s.Degrees[latitudeSign],    \
    .longitudeDegreesSign = s.Degrees[longitudeSign],                                              \
    .latitudeMinutesSign = s.Minutes[latitudeSign], .longitudeMinutesSign = s.Minutes[longitudeSign], \
    .latitudeSecondsSign = s.Seconds[latitudeSign], .longitudeSecondsSign = s.Seconds[longitudeSign], \
    .heightLabel = s.heightCaption, .heightUnitLabel = s.heightUnit, .File = s.File_##X,           \
    .Browse = s.Browse_##X, .Formato = s.Formato_##X, .Dialogo = s.Dialogo_##X                     \
  }

SystemPanel systemPanel(MainWindowState& s, Side side) {
  if (side == Side::Left)
    return BRELOSTA_SYSTEM_PANEL(L, Side::Left, LQ_R, Label18, Label19, Label20, Label21, Line2, Frame1,
                                 0, 1, Label3, Label4);
  return BRELOSTA_SYSTEM_PANEL(R, Side::Right, LQ_L, Label22, Label23, Label24, Label25, Line3, Frame3,
                               2, 3, Label7, Label8);
}

#undef BRELOSTA_SYSTEM_PANEL

}  // namespace brelosta
