#include "app/convert_command.hpp"

#include <exception>

#include "app/file_run.hpp"
#include "app/messages.hpp"
#include "app/point_conversion.hpp"
#include "app/reaction_errors.hpp"

namespace brelosta {
namespace {

constexpr std::string_view kPleaseWait = "Por favor, espere";
constexpr std::string_view kConversionDone = "Conversión completa";

}  // namespace

void runConversionCommand(App& app, ConversionDirection direction, const std::function<void()>& body) {
  MainWindowState& state = app.state;
  const bool fileMode = state.M_Archivo.checked();
  if (fileMode) {
    state.Progreso.Progreso.visible = true;
    state.Progreso.ProgressBar1.progress = 0.0F;
    state.Progreso.Ok.enabled = false;
    state.Progreso.espere.text = kPleaseWait;
  }
  const bool rightToLeft = direction == ConversionDirection::RightToLeft;
  if (rightToLeft) app.toolkit.setWaitCursor(true);
  try {
    body();
  } catch (const CommandEnded&) {
    // The refusal was shown where it happened; a silent stop shows nothing.
  } catch (const DataError&) {
    showCritical(app, kDataErrorText);
  } catch (const std::exception&) {
    showCritical(app, kDataErrorText);
  }
  if (rightToLeft) app.toolkit.setWaitCursor(false);
  state.Progreso.Ok.enabled = true;
  state.Progreso.espere.text = kConversionDone;
}

void convert(App& app, ConversionDirection direction) {
  if (app.state.M_Archivo.checked()) {
    runFileConversion(app, direction);
    return;
  }
  runConversionCommand(app, direction, [&] {
    ConversionRun run(app, direction);
    const ConversionSetup& setup = run.setup();
    const auto boxes = pointEntryBoxes(setup.source, setup.sourceFamily);
    PointEntry entry;
    for (int k = 0; k < slotCount(setup.sourceFamily); ++k)
      entry[static_cast<std::size_t>(k)] = Field{Field::Type::Text, boxes[static_cast<std::size_t>(k)]->text, 0.0};
    try {
      run.convert(entry);
    } catch (...) {
      run.show(&entry);
      throw;
    }
    run.show(&entry);
  });
}

}  // namespace brelosta
