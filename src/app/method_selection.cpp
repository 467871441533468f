#include "app/method_selection.hpp"

#include <array>

namespace brelosta {
namespace {

constexpr std::array kMethods = {DatumShiftMethod::Molodensky, DatumShiftMethod::BursaWolf,
                                 DatumShiftMethod::BadekasMolodensky};

Control& methodBox(MainWindowState& state, DatumShiftMethod method) {
  switch (method) {
    case DatumShiftMethod::Molodensky:
      return state.Check1;
    case DatumShiftMethod::BursaWolf:
      return state.Check2;
    case DatumShiftMethod::BadekasMolodensky:
      return state.Check3;
  }
  return state.Check3;
}

}  // namespace

void showMethodFrames(MainWindowState& state) {
  state.Conversion.visible = true;
  state.Parametros.visible = true;
  if (!state.Check1.checked()) state.PF.visible = true;
}

void hideMethodFrames(MainWindowState& state) {
  state.Conversion.visible = false;
  state.Parametros.visible = false;
  state.PF.visible = false;
}

void methodBoxClicked(App& app, DatumShiftMethod method) {
  MainWindowState& state = app.state;
  if (!methodBox(state, method).checked()) return;
  for (const DatumShiftMethod other : kMethods) methodBox(state, other).value = other == method ? 1 : 0;

  // Molodensky uses the translations only; the seven-parameter methods also
  // the rotations and scale; Badekas-Molodensky also its origin point.
  const bool usesRotationsAndScale = method != DatumShiftMethod::Molodensky;
  for (Control* control : {&state.Rx_label, &state.Ry_label, &state.Rz_label, &state.Rxlabel, &state.Rylabel,
                           &state.Rzlabel, &state.SC_label, &state.SClabel})
    control->visible = usesRotationsAndScale;
  state.PF.visible = method == DatumShiftMethod::BadekasMolodensky;
}

void methodLabelClicked(App& app, DatumShiftMethod method) {
  methodBox(app.state, method).value = 1;
  methodBoxClicked(app, method);
}

}  // namespace brelosta
