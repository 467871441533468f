#include "app/browse.hpp"

namespace brelosta {
namespace {

constexpr std::string_view kDialogTitle = "Archivo de Entrada";

}  // namespace

void browseFile(App& app, Side side) {
  const SystemPanel panel = systemPanel(app.state, side);
  // The dialog keeps its last choice: cancelling it leaves that choice, which
  // goes into the file box all the same.
  // Either panel's file may be the output of the next conversion, so a name
  // that does not exist yet is accepted.
  FileDialogRequest request;
  request.title = kDialogTitle;
  request.filter = kPointFileFilter;
  request.initialFile = panel.Dialogo.text;
  request.mustExist = false;
  const auto chosen = app.toolkit.chooseFile(request);
  if (chosen && !chosen->empty()) panel.Dialogo.text = *chosen;
  panel.File.text = panel.Dialogo.text;
}

}  // namespace brelosta
