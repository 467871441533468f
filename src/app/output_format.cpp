#include "app/output_format.hpp"

#include "app/commands.hpp"

namespace brelosta {

OutputFormat outputFormat(const MainWindowState& state) {
  const int index = state.Formato_Salida.index;
  if (index <= 0 || index >= static_cast<int>(kOutputFormatTexts.size())) return OutputFormat::Text;
  return static_cast<OutputFormat>(index);
}

void fillOutputFormats(App& app) {
  fillList(app.state.Formato_Salida, kOutputFormatTexts);
  selectIndex(app, app.state.Formato_Salida, 0);
}

void outputFormatSelected(App& app) {
  MainWindowState& state = app.state;
  const bool headerCounts = state.M_Archivo.checked() && outputFormat(state) == OutputFormat::Text;
  state.sinencabezado.enabled = headerCounts;
  state.conencabezado.enabled = headerCounts;
}

}  // namespace brelosta
