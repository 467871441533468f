#include "app/browse.hpp"

namespace brelosta {
namespace {

constexpr std::string_view kDialogTitle = "Archivo de Entrada";
constexpr std::string_view kAllFiles = "(*.*)|*.*";

}  // namespace

void browseFile(App& app, Side side) {
  const SystemPanel panel = systemPanel(app.state, side);
  // The dialog keeps its last choice: cancelling it leaves that choice, which
  // goes into the file box all the same.
  const auto chosen = app.toolkit.chooseFile(
      FileDialogRequest{FileDialogMode::Open, std::string(kDialogTitle), std::string(kAllFiles), panel.Dialogo.text});
  if (chosen && !chosen->empty()) panel.Dialogo.text = *chosen;
  panel.File.text = panel.Dialogo.text;
}

}  // namespace brelosta
