#include "app/keyboard.hpp"

#include <algorithm>
#include <array>
#include <utility>

#include "app/commands.hpp"
#include "app/system_panel.hpp"

namespace brelosta {
namespace {

bool inPanel(const SystemPanel& panel, const Control& box) {
  const Control* boxes[] = {&panel.LAT_D,      &panel.LAT_M,  &panel.LAT_S,      &panel.LON_D,
                            &panel.LON_M,      &panel.LON_S,  &panel.ALT_M,      &panel.Zone,
                            &panel.Lat_origen, &panel.Para_2, &panel.Lon_origen, &panel.Feste,
                            &panel.Fnorte};
  return std::find(std::begin(boxes), std::end(boxes), &box) != std::end(boxes);
}

// Access keys, unique among the entries of each menu: the bar (Archivo,
// Edición, Herramientas, Ayuda), the Archivo menu, its Configuración
// submenu.
constexpr std::array<std::pair<std::string_view, std::string_view>, 18> kAccessKeys = {{
    {"Archivo", "&Archivo"},
    {"Edicion", "&Edición"},
    {"Pegar", "&Pegar puntos"},
    {"Herramientas", "&Herramientas"},
    {"Ayuda", "Ay&uda"},
    {"M_Puntual", "Conversion &Individual"},
    {"M_Archivo", "Conversion &Archivos"},
    {"sinencabezado", "Si&n Encabezado"},
    {"conencabezado", "Con &Encabezado"},
    {"param", "C&onfiguración"},
    {"guardar", "&Guardar"},
    {"recuperar", "&Recuperar"},
    {"Geoidal", "Altura &Geoidal"},
    {"Salir", "&Salir"},
    {"Revisar", "&Revisar Archivo de Entrada"},
    {"Acercade", "&Acerca de"},
    {"Master", "&Informacion"},
    {"Mapa", "&Mapa"},
}};

constexpr std::string_view kTabOrder[] = {
    // left panel
    "Coord_L", "Units_L", "Zone_L", "Para_2_L", "Fijar_L", "Lat_origen_L", "Lon_origen_L", "Hemisferio_L",
    "Feste_L", "Fnorte_L", "DATUM_L", "LAT_D_L", "LAT_M_L", "LAT_S_L", "LON_D_L", "LON_M_L", "LON_S_L",
    "ALT_M_L", "File_L", "Browse_L", "Formato_L", "Titulos",
    // convert buttons
    "Command1", "Command2",
    // right panel
    "Coord_R", "Units_R", "Zone_R", "Para_2_R", "Fijar_R", "Lat_origen_R", "Lon_origen_R", "Hemisferio_R",
    "Feste_R", "Fnorte_R", "DATUM_R", "LAT_D_R", "LAT_M_R", "LAT_S_R", "LON_D_R", "LON_M_R", "LON_S_R",
    "ALT_M_R", "File_R", "Browse_R", "Formato_R", "Continuar",
    // datum shift, top to bottom
    "H_EGM96", "Check1", "Check2", "Check3", "Codigo", "Dx_label", "Dy_label", "Dz_label", "Rx_label",
    "Ry_label", "Rz_label", "SC_label", "XXMM", "YYMM", "ZZMM", "elipsoide_n", "elipsoide_a", "elipsoide_f",
    // the output format and the commands, along the bottom
    "Formato_Salida", "Ver_Mapa", "Borrar", "Command4"};

}  // namespace

std::span<const std::string_view> tabOrder() { return kTabOrder; }

Control* convertButtonForEnter(MainWindowState& state, const Control& box) {
  // A file run may overwrite the other panel's file, so it starts from its
  // button only.
  if (box.kind != ControlKind::Box || state.M_Archivo.checked()) return nullptr;
  if (inPanel(systemPanel(state, Side::Left), box)) return &state.Command1;
  if (inPanel(systemPanel(state, Side::Right), box)) return &state.Command2;
  return nullptr;
}

bool enterPressed(App& app, const Control& box) {
  Control* button = convertButtonForEnter(app.state, box);
  if (button == nullptr) return false;
  click(app, *button);
  return true;
}

std::string menuCaption(std::string_view controlName, std::string_view caption) {
  for (const auto& [name, marked] : kAccessKeys) {
    if (name != controlName) continue;
    std::string plain(marked);
    std::erase(plain, '&');
    return plain == caption ? std::string(marked) : std::string(caption);
  }
  return std::string(caption);
}

}  // namespace brelosta
