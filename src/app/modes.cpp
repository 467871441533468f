#include "app/modes.hpp"

#include <filesystem>

#include "app/commands.hpp"
#include "app/messages.hpp"
#include "app/output_format.hpp"
#include "app/point_row.hpp"
#include "app/system_panel.hpp"
#include "core/path_text.hpp"

namespace brelosta {
namespace {

// Top of the method frame, twips: below the geoid frame in point mode, in
// its place in file mode, where the geoid frame is hidden.
constexpr int kMethodFrameTopPointMode = 2760;
constexpr int kMethodFrameTopFileMode = 1920;

constexpr std::string_view kFileRowTitle = "       Archivo";

void showUnitSigns(MainWindowState& state, bool show) {
  for (auto* signs : {&state.Degrees, &state.Minutes, &state.Seconds})
    for (Control& sign : *signs) sign.visible = show;
}

void showHeightCaptions(MainWindowState& state, bool show) {
  for (Control* label : {&state.Label3, &state.Label4, &state.Label7, &state.Label8}) label->visible = show;
}

// Both point rows in point mode: the angle boxes laid out for the format
// each panel's list shows, so that what the user types is read the way the
// row presents it.
void layOutPointRowForEntry(const SystemPanel& panel) {
  setPointRowLayout(panel, panel.angleFormat() == AngleFormat::DecimalDegrees ? PointRowLayout::DecimalDegrees
                                                                              : PointRowLayout::DegreesMinutesSeconds);
  panel.LAT_D.visible = true;
  panel.LON_D.visible = true;
}

}  // namespace

void switchToFileMode(App& app) {
  MainWindowState& s = app.state;
  s.Herramientas.visible = true;
  s.Conversion.top = kMethodFrameTopFileMode;
  for (Control* c : {&s.Browse_L, &s.Browse_R, &s.Formato_L, &s.Formato_R, &s.Label27, &s.Formato_Salida, &s.Titulos,
                     &s.Continuar})
    c->visible = true;
  s.Pegar.enabled = false;  // rows are pasted in point mode
  s.H_EGM96.visible = false;
  s.Frame8.visible = false;
  s.M_Archivo.value = 1;
  s.M_Puntual.value = 0;
  // The header entries count for the data file and the report only.
  outputFormatSelected(app);
  s.File_L.visible = true;
  s.File_R.visible = true;
  // The point boxes keep their texts, hidden.
  for (Control* box : {&s.LAT_D_L, &s.LAT_M_L, &s.LAT_S_L, &s.LON_D_L, &s.LON_M_L, &s.LON_S_L, &s.LAT_D_R, &s.LAT_M_R,
                       &s.LAT_S_R, &s.LON_D_R, &s.LON_M_R, &s.LON_S_R, &s.ALT_M_L, &s.ALT_M_R})
    box->visible = false;
  showUnitSigns(s, false);
  s.Title_Lat_L.text = kFileRowTitle;
  s.Title_Lat_R.text = kFileRowTitle;
  s.Title_Lon_L.visible = false;
  s.Title_Lon_R.visible = false;
  showHeightCaptions(s, false);
}

void switchToPointMode(App& app) {
  MainWindowState& s = app.state;
  s.Herramientas.visible = false;
  s.sinencabezado.enabled = false;  // the header choice keeps its check mark
  s.conencabezado.enabled = false;
  s.Conversion.top = kMethodFrameTopPointMode;
  // Still in file mode here, so the kind reactions leave the point rows alone.
  selectText(app, s.Coord_L, kGeographicText);
  selectText(app, s.Coord_R, kGeographicText);
  clearPanels(app);
  s.Browse_L.visible = false;
  s.Browse_R.visible = false;
  s.H_EGM96.visible = true;
  s.Frame8.visible = true;
  s.Formato_L.visible = false;
  s.Formato_R.visible = false;
  s.Label27.visible = false;
  s.Formato_Salida.visible = false;
  s.Titulos.visible = false;
  s.Continuar.visible = false;
  s.Pegar.enabled = true;
  s.M_Archivo.value = 0;
  s.M_Puntual.value = 1;
  s.File_L.visible = false;
  s.File_R.visible = false;
  layOutPointRowForEntry(systemPanel(s, Side::Right));
  layOutPointRowForEntry(systemPanel(s, Side::Left));
  showUnitSigns(s, true);
  s.ALT_M_L.visible = true;
  s.ALT_M_R.visible = true;
  s.Title_Lat_L.text = "LAT";
  s.Title_Lat_R.text = "LAT";
  s.Title_Lon_L.text = "LON";
  s.Title_Lon_R.text = "LON";
  for (Control* title : {&s.Title_Lat_L, &s.Title_Lat_R, &s.Title_Lon_L, &s.Title_Lon_R}) title->visible = true;
  showHeightCaptions(s, true);
}

void chooseReportHeader(App& app, bool withHeader) {
  app.state.conencabezado.value = withHeader ? 1 : 0;
  app.state.sinencabezado.value = withHeader ? 0 : 1;
}

void toggleGeoidHeight(App& app) {
  const bool show = !app.state.Geoidal.checked();
  app.state.Geoidal.value = show ? 1 : 0;
  app.state.Frame8.visible = show;
}

// Files are opened and closed inside each command, so none is open here.
void clearPanels(App& app) {
  MainWindowState& s = app.state;
  s.Progreso.ProgressBar1.progress = 0.0F;
  for (Control* box : {&s.LAT_D_L,  &s.LAT_M_L,      &s.LAT_S_L,      &s.LON_D_L,      &s.LON_M_L,      &s.LON_S_L,
                       &s.ALT_M_L,  &s.LAT_D_R,      &s.LAT_M_R,      &s.LAT_S_R,      &s.LON_D_R,      &s.LON_M_R,
                       &s.LON_S_R,  &s.ALT_M_R,      &s.Zone_L,       &s.Zone_R,       &s.File_R,       &s.File_L,
                       &s.H_EGM96,  &s.Lat_origen_L, &s.Lon_origen_L, &s.Lat_origen_R, &s.Lon_origen_R, &s.Para_2_L,
                       &s.Para_2_R, &s.Fnorte_R,     &s.Fnorte_L,     &s.Feste_R,      &s.Feste_L})
    box->text.clear();
}

void exitWithConfirmation(App& app) {
  const MessageAnswer answer = app.toolkit.showMessage(MessageRequest{
      "Brelosta", "Desea realmente salir ?", MessageIcon::Critical, MessageButtons::YesNo, MessageAnswer::No});
  if (answer == MessageAnswer::Yes) app.toolkit.endProgram();
}

void exitAtOnce(App& app) { app.toolkit.endProgram(); }

std::filesystem::path helpGuidePath(const MainWindowState& state) {
  const std::filesystem::path guide = pathFromUtf8(state.helpGuide);
  if (guide.is_absolute()) return guide;
  return (pathFromUtf8(state.workingFolder) / guide).lexically_normal();
}

void openHelp(App& app) {
  const std::filesystem::path guide = helpGuidePath(app.state);
  if (!app.toolkit.startHelpViewer(guide))
    showWarning(app, "No se pudo abrir la ayuda. La guía del usuario está en " + utf8FromPath(guide));
}

void showAbout(App& app) { app.state.About.About.visible = true; }

void closeAbout(App& app) { app.state.About.About.visible = false; }

void closeProgress(App& app) { app.state.Progreso.Progreso.visible = false; }

}  // namespace brelosta
