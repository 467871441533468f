#include "app/main_window_state.hpp"

namespace brelosta {

// Design values that differ from a visible, enabled, unchecked control.
MainWindowState::MainWindowState() {
  Check3.value = 1;
  Fijar_L.value = 1;
  Fijar_R.value = 1;
  M_Puntual.value = 1;
  sinencabezado.value = 1;
  sinencabezado.enabled = false;
  conencabezado.enabled = false;
  Herramientas.visible = false;
  Frame8.visible = false;
  for (Control* c : {&File_L, &File_R, &Browse_L, &Browse_R, &Formato_L, &Formato_R, &Label27, &Formato_Salida, &Titulos,
                     &Continuar})
    c->visible = false;
  for (Control* c : {&Zone_L, &Hemisferio_L, &Fijar_L, &Automatico_L, &Lon_origen_L, &Lat_origen_L,
                     &Para_2_L, &Feste_L, &Fnorte_L, &Label18, &Label19, &Label20, &Label21, &Line2,
                     &Zone_R, &Hemisferio_R, &Fijar_R, &Automatico_R, &Lon_origen_R, &Lat_origen_R,
                     &Para_2_R, &Feste_R, &Fnorte_R, &Label22, &Label23, &Label24, &Label25, &Line3})
    c->visible = false;
  constexpr int kDegreesBoxWidth = 495;  // twips, degree-minute-second entry
  for (Control* c : {&LAT_D_L, &LON_D_L, &LAT_D_R, &LON_D_R}) c->width = kDegreesBoxWidth;
  for (std::size_t k = 0; k < Degrees.size(); ++k) {
    Degrees[k] = Control{ControlKind::Label, "°"};
    Minutes[k] = Control{ControlKind::Label, "'"};
    Seconds[k] = Control{ControlKind::Label, "\""};
  }
}

ProgressWindowState::ProgressWindowState() { Progreso.visible = false; }

PreviewWindowState::PreviewWindowState() { Preview.visible = false; }

AboutWindowState::AboutWindowState() { About.visible = false; }

MapWindowState::MapWindowState() { Ventana.visible = false; }

void forEachControl(MainWindowState& state, const std::function<void(std::string_view, Control&)>& visit) {
#define BRELOSTA_VISIT(name, kind, caption) visit(#name, state.name);
  BRELOSTA_MAIN_WINDOW_CONTROLS(BRELOSTA_VISIT)
#undef BRELOSTA_VISIT
  const auto visitArray = [&](std::string_view arrayName, std::array<Control, 4>& elements) {
    for (std::size_t k = 0; k < elements.size(); ++k)
      visit(std::string(arrayName) + "(" + std::to_string(k) + ")", elements[k]);
  };
  visitArray("Degrees", state.Degrees);
  visitArray("Minutes", state.Minutes);
  visitArray("Seconds", state.Seconds);
#define BRELOSTA_VISIT(name, kind, caption) \
  visit(#name == windowName ? std::string(#name) : windowName + "." #name, window.name);
  {
    const std::string windowName = "Progreso";
    auto& window = state.Progreso;
    BRELOSTA_PROGRESS_WINDOW_CONTROLS(BRELOSTA_VISIT)
  }
  {
    const std::string windowName = "Preview";
    auto& window = state.Preview;
    BRELOSTA_PREVIEW_WINDOW_CONTROLS(BRELOSTA_VISIT)
  }
  {
    const std::string windowName = "About";
    auto& window = state.About;
    BRELOSTA_ABOUT_WINDOW_CONTROLS(BRELOSTA_VISIT)
  }
  {
    const std::string windowName = "Mapa";
    auto& window = state.Map;
    BRELOSTA_MAP_WINDOW_CONTROLS(BRELOSTA_VISIT)
  }
#undef BRELOSTA_VISIT
}

Control* findControl(MainWindowState& state, std::string_view name) {
  Control* found = nullptr;
  forEachControl(state, [&](std::string_view candidate, Control& control) {
    if (found == nullptr && candidate == name) found = &control;
  });
  return found;
}

}  // namespace brelosta
