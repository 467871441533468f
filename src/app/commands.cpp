#include "app/commands.hpp"

#include <algorithm>
#include <exception>
#include <functional>
#include <utility>

#include "app/browse.hpp"
#include "app/configuration.hpp"
#include "app/convert_command.hpp"
#include "app/datum_selection.hpp"
#include "app/display.hpp"
#include "app/map_window.hpp"
#include "app/messages.hpp"
#include "app/method_selection.hpp"
#include "app/modes.hpp"
#include "app/output_format.hpp"
#include "app/panels.hpp"
#include "app/paste.hpp"
#include "app/preview.hpp"
#include "app/reaction_errors.hpp"
#include "app/typed_numbers.hpp"

namespace brelosta {
namespace {

using Reaction = std::function<void(App&)>;

// A number typed with an ambiguous grouping is refused before anything is
// read, so that no box is converted with a value the user did not mean.
void convertTyped(App& app, ConversionDirection direction) {
  if (typedNumbersClear(app, direction, !app.state.M_Archivo.checked())) convert(app, direction);
}

// The command map: the control a user acts on and the reaction it runs.
std::vector<std::pair<const Control*, Reaction>> clickReactions(MainWindowState& s) {
  const auto method = [](DatumShiftMethod m) { return [m](App& app) { methodBoxClicked(app, m); }; };
  const auto methodLabel = [](DatumShiftMethod m) { return [m](App& app) { methodLabelClicked(app, m); }; };
  return {
      {&s.Command1, [](App& app) { convertTyped(app, ConversionDirection::LeftToRight); }},
      {&s.Command2, [](App& app) { convertTyped(app, ConversionDirection::RightToLeft); }},
      {&s.Hemisferio_L, [](App& app) { toggleHemisphere(app, Side::Left); }},
      {&s.Hemisferio_R, [](App& app) { toggleHemisphere(app, Side::Right); }},
      {&s.Check1, method(DatumShiftMethod::Molodensky)},
      {&s.Check2, method(DatumShiftMethod::BursaWolf)},
      {&s.Check3, method(DatumShiftMethod::BadekasMolodensky)},
      {&s.Label9, methodLabel(DatumShiftMethod::Molodensky)},
      {&s.Label10, methodLabel(DatumShiftMethod::BursaWolf)},
      {&s.Label11, methodLabel(DatumShiftMethod::BadekasMolodensky)},
      {&s.Browse_L, [](App& app) { browseFile(app, Side::Left); }},
      {&s.Browse_R, [](App& app) { browseFile(app, Side::Right); }},
      {&s.Borrar, clearPanels},
      {&s.Command4, exitWithConfirmation},
      {&s.M_Puntual, switchToPointMode},
      {&s.M_Archivo, switchToFileMode},
      {&s.sinencabezado, [](App& app) { chooseReportHeader(app, false); }},
      {&s.conencabezado, [](App& app) { chooseReportHeader(app, true); }},
      {&s.guardar, saveConfiguration},
      {&s.recuperar, restoreConfiguration},
      {&s.Geoidal, toggleGeoidHeight},
      {&s.Salir, exitAtOnce},
      {&s.Revisar, openPreview},
      {&s.Pegar, [](App& app) { pastePoints(app, Side::Left); }},
      {&s.Acercade, showAbout},
      {&s.Master, openHelp},
      {&s.Progreso.Ok, closeProgress},
      {&s.Preview.Command1, previewBrowse},
      {&s.Preview.Examinar, previewExamine},
      {&s.Preview.Salida, closePreview},
      {&s.About.Command1, closeAbout},
      {&s.Mapa, openMap},
      {&s.Ver_Mapa, openMap},
      {&s.Map.Mas, zoomMapIn},
      {&s.Map.Menos, zoomMapOut},
      {&s.Map.Ajustar, fitMapToPoints},
      {&s.Map.Venezuela, fitMapToVenezuela},
      {&s.Map.Abrir_KML, openMapInGoogleEarth},
      {&s.Map.Cerrar, closeMap},
  };
}

std::vector<std::pair<const Control*, Reaction>> selectionReactions(MainWindowState& s) {
  return {
      {&s.Coord_L, [](App& app) { kindSelected(app, Side::Left); }},
      {&s.Coord_R, [](App& app) { kindSelected(app, Side::Right); }},
      {&s.Units_L, [](App& app) { angleFormatSelected(app, Side::Left); }},
      {&s.Units_R, [](App& app) { angleFormatSelected(app, Side::Right); }},
      {&s.DATUM_L, [](App& app) { datumSelected(app, Side::Left); }},
      {&s.DATUM_R, [](App& app) { datumSelected(app, Side::Right); }},
      {&s.Formato_Salida, outputFormatSelected},
      {&s.Preview.Coord, previewCoordSelected},
      {&s.Preview.Formato, previewFormatSelected},
  };
}

void runReaction(App& app, const std::vector<std::pair<const Control*, Reaction>>& reactions,
                 const Control& control) {
  for (const auto& [candidate, reaction] : reactions) {
    if (candidate == &control) {
      reaction(app);
      return;
    }
  }
}

}  // namespace

void click(App& app, Control& control) {
  if (control.kind == ControlKind::Check) control.value = control.checked() ? 0 : 1;
  runReaction(app, clickReactions(app.state), control);
}

bool clickStartsFileRun(const MainWindowState& state, const Control& control) {
  if (&control == &state.Pegar) return !state.M_Archivo.checked();
  const bool convert = &control == &state.Command1 || &control == &state.Command2;
  const bool map = &control == &state.Mapa || &control == &state.Ver_Mapa;
  return (convert || map) && state.M_Archivo.checked();
}

void runReportingFailures(App& app, const std::function<void()>& reaction) {
  try {
    reaction();
  } catch (const CommandEnded&) {
  } catch (const DataError& error) {
    showCritical(app, kDataErrorText, error.detail);
  } catch (const std::exception&) {
    showCritical(app, kDataErrorText);
  }
}

bool selectIndex(App& app, Control& list, int index) {
  if (index == -1) {
    list.index = -1;
    if (list.kind == ControlKind::List) list.text.clear();
    return true;
  }
  if (index < 0 || index >= static_cast<int>(list.entries.size())) return false;
  list.index = index;
  list.text = list.entries[static_cast<std::size_t>(index)];
  runReaction(app, selectionReactions(app.state), list);
  return true;
}

bool selectText(App& app, Control& list, std::string_view text) {
  const auto found = std::find(list.entries.begin(), list.entries.end(), text);
  if (found == list.entries.end()) return false;
  return selectIndex(app, list, static_cast<int>(found - list.entries.begin()));
}

}  // namespace brelosta
