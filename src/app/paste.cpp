#include "app/paste.hpp"

#include "app/browse.hpp"
#include "app/file_run.hpp"
#include "app/keyboard.hpp"
#include "app/messages.hpp"
#include "app/typed_numbers.hpp"

namespace brelosta {

void pastePoints(App& app, Side source) {
  if (app.state.M_Archivo.checked()) return;
  const auto rows = app.toolkit.clipboardText();
  if (!rows || rows->find_first_not_of(" \t\r\n") == std::string::npos) {
    showWarning(app, "No hay puntos para pegar",
                "El portapapeles no tiene texto: copie las filas de puntos de la hoja de cálculo");
    return;
  }
  const ConversionDirection direction =
      source == Side::Left ? ConversionDirection::LeftToRight : ConversionDirection::RightToLeft;
  if (!typedNumbersClear(app, direction, false)) return;
  FileDialogRequest request;
  request.mode = FileDialogMode::Save;
  request.title = "Archivo de Salida";
  request.filter = kPointFileFilter;
  request.initialFile = systemPanel(app.state, otherSide(source)).Dialogo.text;
  request.defaultExtension = "txt";
  const auto output = app.toolkit.chooseFile(request);
  if (!output || output->empty()) return;
  runPastedConversion(app, direction, *rows, *output);
}

bool holdsRows(std::string_view text) {
  // A single cell comes with a line end after it.
  return text.substr(0, text.find_last_not_of("\r\n") + 1).find_first_of("\t\r\n") != std::string_view::npos;
}

std::optional<Side> pasteSide(MainWindowState& state, const Control& box) {
  // Enter in the same boxes converts from their panel.
  const Control* button = convertButtonForEnter(state, box);
  if (button == nullptr) return std::nullopt;
  return button == &state.Command1 ? Side::Left : Side::Right;
}

}  // namespace brelosta
