#pragma once

#include <array>
#include <functional>
#include <optional>
#include <vector>
#include <string>
#include <string_view>

#include "app/control.hpp"
#include "app/map_point.hpp"
#include "app/map_view.hpp"
#include "core/number_format.hpp"
#include "formats/map_outline.hpp"

namespace brelosta {

// Every control of the main window: name, kind and design caption. The names
// are the ones the action-script driver and the Qt layer bind to.
#define BRELOSTA_MAIN_WINDOW_CONTROLS(X)                          \
  X(Main, Window, "BRELOSTA Version " BRELOSTA_VERSION)                    \
  /* left system frame */                                         \
  X(Frame1, Frame, "Coordenadas")                                 \
  X(Coord_L, List, "")                                            \
  X(Units_L, List, "")                                            \
  X(Proj_L, Label, "Unidades")                                    \
  X(Zone_L, Box, "")                                              \
  X(Hemisferio_L, Button, "Hemisferio Norte")                     \
  X(Fijar_L, Check, "")                                           \
  X(Automatico_L, Label, "Automático")                            \
  X(Lon_origen_L, Box, "")                                        \
  X(Lat_origen_L, Box, "")                                        \
  X(Para_2_L, Box, "")                                            \
  X(Feste_L, Box, "")                                             \
  X(Fnorte_L, Box, "")                                            \
  X(Label19, Label, "Lon Origen")                                 \
  X(Label18, Label, "2 Paralelo")                                 \
  X(Label20, Label, "Falso Este")                                 \
  X(Label21, Label, "Falso Norte")                                \
  X(Line2, Line, "")                                              \
  /* left datum frame */                                          \
  X(Frame2, Frame, "Datum")                                       \
  X(DATUM_L, List, "")                                            \
  X(LQ_R, Box, "Loma Quintana (Ven)")                             \
  /* right system frame */                                        \
  X(Frame3, Frame, "Coordenadas")                                 \
  X(Coord_R, List, "")                                            \
  X(Units_R, List, "")                                            \
  X(Proj_R, Label, "Unidades")                                    \
  X(Zone_R, Box, "")                                              \
  X(Hemisferio_R, Button, "Hemisferio Norte")                     \
  X(Fijar_R, Check, "")                                           \
  X(Automatico_R, Label, "Automatico ")                           \
  X(Lon_origen_R, Box, "")                                        \
  X(Lat_origen_R, Box, "")                                        \
  X(Para_2_R, Box, "")                                            \
  X(Feste_R, Box, "")                                             \
  X(Fnorte_R, Box, "")                                            \
  X(Label23, Label, "Lon Origen")                                 \
  X(Label22, Label, "2 Paralelo")                                 \
  X(Label24, Label, "Falso Este")                                 \
  X(Label25, Label, "Falso Norte")                                \
  X(Line3, Line, "")                                              \
  /* right datum frame */                                         \
  X(Frame4, Frame, "Datum")                                       \
  X(DATUM_R, List, "")                                            \
  X(LQ_L, Box, "Loma Quintana")                                   \
  /* point and file rows */                                       \
  X(Frame5, Frame, "")                                            \
  X(Title_Lat_L, Label, "LAT")                                    \
  X(Title_Lon_L, Label, "LON")                                    \
  X(Title_Lat_R, Label, "LAT")                                    \
  X(Title_Lon_R, Label, "LON")                                    \
  X(LAT_D_L, Box, "")                                             \
  X(LAT_M_L, Box, "")                                             \
  X(LAT_S_L, Box, "")                                             \
  X(LON_D_L, Box, "")                                             \
  X(LON_M_L, Box, "")                                             \
  X(LON_S_L, Box, "")                                             \
  X(ALT_M_L, Box, "")                                             \
  X(LAT_D_R, Box, "")                                             \
  X(LAT_M_R, Box, "")                                             \
  X(LAT_S_R, Box, "")                                             \
  X(LON_D_R, Box, "")                                             \
  X(LON_M_R, Box, "")                                             \
  X(LON_S_R, Box, "")                                             \
  X(ALT_M_R, Box, "")                                             \
  X(Label3, Label, "H")                                           \
  X(Label4, Label, "m")                                           \
  X(Label7, Label, "H")                                           \
  X(Label8, Label, "m")                                           \
  X(File_L, Box, "")                                              \
  X(File_R, Box, "")                                              \
  X(Browse_L, Button, "Buscar")                                   \
  X(Browse_R, Button, "Buscar")                                   \
  X(Formato_L, EditableList, "")                                  \
  X(Formato_R, EditableList, "")                                  \
  X(Label12, Label, "Formato")                                    \
  X(Label13, Label, "Formato")                                    \
  X(Label15, Label, "Formato")                                    \
  /* datum-shift method */                                        \
  X(Conversion, Frame, "Método de Conversión")                    \
  X(Check1, Check, "")                                            \
  X(Check2, Check, "")                                            \
  X(Check3, Check, "")                                            \
  X(Label9, Label, "Molodensky")                                  \
  X(Label10, Label, "Bursa - Wolf")                               \
  X(Label11, Label, "Badekas-Molodensky")                         \
  /* shift parameters */                                          \
  X(Parametros, Frame, "Parametros")                              \
  X(Dx_label, Box, "")                                            \
  X(Dy_label, Box, "")                                            \
  X(Dz_label, Box, "")                                            \
  X(Rx_label, Box, "")                                            \
  X(Ry_label, Box, "")                                            \
  X(Rz_label, Box, "")                                            \
  X(SC_label, Box, "")                                            \
  X(Dxlabel, Label, "Dx =")                                       \
  X(Dylabel, Label, "Dy =")                                       \
  X(Dzlabel, Label, "Dz =")                                       \
  X(Rxlabel, Label, "Rx =")                                       \
  X(Rylabel, Label, "Ry =")                                       \
  X(Rzlabel, Label, "Rz =")                                       \
  X(SClabel, Label, "E   =")                                      \
  /* fundamental point of the Badekas-Molodensky method */        \
  X(PF, Frame, "Punto Fundamental")                               \
  X(XXMM, Box, "")                                                \
  X(YYMM, Box, "")                                                \
  X(ZZMM, Box, "")                                                \
  X(Label1, Label, "X =")                                         \
  X(Label2, Label, "Y =")                                         \
  X(Label5, Label, "Z =")                                         \
  /* parameter code and ellipsoid */                              \
  X(Frame7, Frame, "Codigo de los Parámetros")                    \
  X(Codigo, Box, "")                                              \
  X(Frame9, Frame, "  Elipsoide")                                 \
  X(elipsoide_n, Box, "")                                         \
  X(elipsoide_a, Box, "")                                         \
  X(elipsoide_f, Box, "")                                         \
  X(Label26, Label, "Nombre =")                                   \
  X(Label16, Label, "a =")                                        \
  X(Label17, Label, "f  =")                                       \
  /* geoid height */                                              \
  X(Frame8, Frame, "Altura Geoidal EGM 96")                       \
  X(H_EGM96, Box, "")                                             \
  /* commands */                                                  \
  X(Frame6, Frame, "")                                            \
  X(Borrar, Button, "Borrar")                                     \
  X(Command4, Button, "Salir")                                    \
  X(Command1, Button, "")                                         \
  X(Command2, Button, "")                                         \
  X(Settings, Dialog, "")                                         \
  X(Dialogo_L, Dialog, "")                                        \
  X(Dialogo_R, Dialog, "")                                        \
  /* menus */                                                     \
  X(Archivo, MenuEntry, "Archivo")                                \
  X(M_Puntual, MenuEntry, "Conversion Individual")                \
  X(M_Archivo, MenuEntry, "Conversion Archivos")                  \
  X(barra1, MenuEntry, "-")                                       \
  X(sinencabezado, MenuEntry, "Sin Encabezado")                   \
  X(conencabezado, MenuEntry, "Con Encabezado")                   \
  X(barra2, MenuEntry, "-")                                       \
  X(param, MenuEntry, "Configuración")                            \
  X(guardar, MenuEntry, "Guardar")                                \
  X(recuperar, MenuEntry, "Recuperar")                            \
  X(Geoidal, MenuEntry, "Altura Geoidal")                         \
  X(barra3, MenuEntry, "-")                                       \
  X(Salir, MenuEntry, "Salir")                                    \
  X(Herramientas, MenuEntry, "Herramientas")                      \
  X(Revisar, MenuEntry, "Revisar Archivo de Entrada")             \
  X(Ayuda, MenuEntry, "Ayuda")                                    \
  X(Acercade, MenuEntry, "Acerca de")                             \
  X(Master, MenuEntry, "Informacion")                             \
  /* the form of a file run's output, beside the file rows */     \
  X(Label27, Label, "Formato de salida")                          \
  X(Formato_Salida, List, "")                                     \
  /* spreadsheet input: the file rows' options, pasting rows */   \
  X(Titulos, Check, "Primera línea: títulos")                     \
  X(Continuar, Check, "Continuar tras errores")                   \
  X(Edicion, MenuEntry, "Edición")                                \
  X(Pegar, MenuEntry, "Pegar puntos")                             \
  /* the map: the last entry of Herramientas and a command button */ \
  X(Mapa, MenuEntry, "Mapa")                                      \
  X(Ver_Mapa, Button, "Mapa")

// The progress window of a file conversion.
#define BRELOSTA_PROGRESS_WINDOW_CONTROLS(X) \
  X(Progreso, Window, "Brelosta")            \
  X(ProgressBar1, ProgressBar, "")           \
  X(espere, Label, "")                       \
  X(Cancelar, Button, "Cancelar")            \
  X(Ok, Button, "Ok")

// The input-file preview window.
#define BRELOSTA_PREVIEW_WINDOW_CONTROLS(X)       \
  X(Preview, Window, "Brelosta - Preview")        \
  X(Frame1, Frame, "Archivo a examinar")          \
  X(File_Preview, Box, "")                        \
  X(Command1, Button, "Buscar")                   \
  X(Frame2, Frame, "Tipo de Coordenadas")         \
  X(Coord, List, "")                              \
  X(Frame3, Frame, "Formato")                     \
  X(Formato, List, "")                            \
  X(Examinar, Button, "Preview")                  \
  X(Salida, Button, "Salir")                      \
  X(Dialogo, Dialog, "")                          \
  X(List1, ListBox, "")                           \
  X(List2, ListBox, "")                           \
  X(List3, ListBox, "")                           \
  X(List4, ListBox, "")                           \
  X(List5, ListBox, "")                           \
  X(List6, ListBox, "")                           \
  X(List7, ListBox, "")                           \
  X(List8, ListBox, "")                           \
  X(List9, ListBox, "")                           \
  X(List10, ListBox, "")                          \
  X(List11, ListBox, "")                          \
  X(Text15, Label, "Norte")                       \
  X(Text16, Label, "Este")                        \
  X(Text17, Label, "Grados Decimales")            \
  X(Text18, Label, "Grados Decimales")             \
  /* how the file examined separates its fields */ \
  X(Separador, Label, "")

// The about window.
#define BRELOSTA_ABOUT_WINDOW_CONTROLS(X) \
  X(About, Window, "BRELOSTA ")           \
  X(Version, Label, "Versión: " BRELOSTA_VERSION)     \
  X(Elaborado, Label, "Elaborado por:")   \
  X(Carpeta, Label, "")                   \
  X(Command1, Button, "Cerrar")

// The map window. Its window control is "Mapa.Ventana": "Mapa" names the
// main window's menu entry.
#define BRELOSTA_MAP_WINDOW_CONTROLS(X)           \
  X(Ventana, Window, "Brelosta - Mapa")           \
  X(Fuente, Label, "")                            \
  X(Mas, Button, "+")                             \
  X(Menos, Button, "-")                           \
  X(Ajustar, Button, "Ajustar a los puntos")      \
  X(Venezuela, Button, "Venezuela")               \
  X(Abrir_KML, Button, "Abrir en Google Earth")   \
  X(Cerrar, Button, "Cerrar")                     \
  X(Lienzo, Canvas, "")                           \
  X(Estado, Label, "")                            \
  X(Aviso, Label, "")

#define BRELOSTA_DECLARE_CONTROL(name, kind, caption) Control name{ControlKind::kind, caption};

struct ProgressWindowState {
  BRELOSTA_PROGRESS_WINDOW_CONTROLS(BRELOSTA_DECLARE_CONTROL)
  ProgressWindowState();
  friend bool operator==(const ProgressWindowState&, const ProgressWindowState&) = default;
};

struct PreviewWindowState {
  BRELOSTA_PREVIEW_WINDOW_CONTROLS(BRELOSTA_DECLARE_CONTROL)
  PreviewWindowState();
  friend bool operator==(const PreviewWindowState&, const PreviewWindowState&) = default;
};

struct AboutWindowState {
  BRELOSTA_ABOUT_WINDOW_CONTROLS(BRELOSTA_DECLARE_CONTROL)
  AboutWindowState();
  friend bool operator==(const AboutWindowState&, const AboutWindowState&) = default;
};

// The canvas size the map assumes until its front end tells the real one
// (pixels): the size both front ends open it with.
inline constexpr CanvasSize kMapCanvasSize{760, 520};

struct MapWindowState {
  BRELOSTA_MAP_WINDOW_CONTROLS(BRELOSTA_DECLARE_CONTROL)
  // The points shown, in WGS84, and the outline under them (read from the
  // shipped file when the window first opens; empty when it could not be).
  std::vector<MapPoint> points;
  MapOutline outline;
  bool outlineRead = false;
  MapView view;
  CanvasSize canvas = kMapCanvasSize;
  // The box the view fits as the canvas changes size, until the user moves
  // or zooms it.
  std::optional<GeographicBox> fittedBox;

  MapWindowState();
  friend bool operator==(const MapWindowState&, const MapWindowState&) = default;
};

// Name, semi-major axis (metres) and inverse flattening of the ellipsoid of
// the datum "WGS84", kept from start-up.
struct Wgs84EllipsoidValues {
  std::string name;
  double semiMajorAxis = 0.0;
  double inverseFlattening = 0.0;
  friend bool operator==(const Wgs84EllipsoidValues&, const Wgs84EllipsoidValues&) = default;
};

// The toolkit-free record of all control values of the program's windows,
// and the few window-level values; there is no other store.
struct MainWindowState {
  BRELOSTA_MAIN_WINDOW_CONTROLS(BRELOSTA_DECLARE_CONTROL)
  // Unit signs after the point boxes: elements 0 and 1 belong to the left
  // panel (latitude, longitude), 2 and 3 to the right panel.
  std::array<Control, 4> Degrees;
  std::array<Control, 4> Minutes;
  std::array<Control, 4> Seconds;

  ProgressWindowState Progreso;
  PreviewWindowState Preview;
  AboutWindowState About;
  MapWindowState Map;

  std::string workingFolder;
  // The user guide that "Informacion" opens. A relative path is taken from
  // the working folder; a front end that knows where its guide is installed
  // sets the full path at start.
  std::string helpGuide = "../docs/ayuda.html";
  // The outline the map draws; relative paths as for the guide. A front end
  // sets the shipped file at start.
  std::string mapOutline = std::string(kMapOutlineFileName);
  Wgs84EllipsoidValues Wgs84Ellipsoid;
  NumberFormat numberFormat;

  MainWindowState();
  friend bool operator==(const MainWindowState&, const MainWindowState&) = default;
};

#undef BRELOSTA_DECLARE_CONTROL

// Calls visit(name, control) for every control of every window; controls of
// the secondary windows are named "Progreso.Ok" or "Mapa.Estado", array
// elements "Degrees(2)".
void forEachControl(MainWindowState& state, const std::function<void(std::string_view, Control&)>& visit);

// The control of that name, or nullptr. A window is named "Main",
// "Progreso", "Preview", "About" or "Mapa.Ventana".
Control* findControl(MainWindowState& state, std::string_view name);

}  // namespace brelosta
