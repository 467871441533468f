#include "ui/modes.hpp"

#include "ui/messages.hpp"

namespace brelosta {

void switchToFileMode(App& /*app*/) {}

void switchToPointMode(App& /*app*/) {}

void chooseReportHeader(App& app, bool withHeader) {
  app.state.conencabezado.value = withHeader ? 1 : 0;
  app.state.sinencabezado.value = withHeader ? 0 : 1;
}

void toggleGeoidHeight(App& app) {
  const bool show = !app.state.Geoidal.checked();
  app.state.Geoidal.value = show ? 1 : 0;
  app.state.Frame8.visible = show;
}

void clearPanels(App& /*app*/) {}

void exitWithConfirmation(App& app) {
  const MessageAnswer answer = app.toolkit.showMessage(MessageRequest{
      "Brelosta", "Desea realmente salir ?", MessageIcon::Critical, MessageButtons::YesNo, MessageAnswer::No});
  if (answer == MessageAnswer::Yes) app.toolkit.endProgram();
}

void exitAtOnce(App& app) { app.toolkit.endProgram(); }

void openHelp(App& /*app*/) {}

void showAbout(App& app) { app.state.About.About.visible = true; }

void closeAbout(App& app) { app.state.About.About.visible = false; }

void closeProgress(App& app) { app.state.Progreso.Progreso.visible = false; }

}  // namespace brelosta
