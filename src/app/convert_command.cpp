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
constexpr std::string_view kConversionCancelled = "Conversión cancelada";
constexpr std::string_view kConversionInterrupted = "Conversión interrumpida: no se escribió el archivo de salida";

std::string_view outcomeText(RunOutcome outcome) {
  switch (outcome) {
    case RunOutcome::Written:
      return kConversionDone;
    case RunOutcome::Cancelled:
      return kConversionCancelled;
    case RunOutcome::Interrupted:
      break;
  }
  return kConversionInterrupted;
}

}  // namespace

void runConversionCommand(App& app, ConversionDirection direction, bool fileRun,
                          const std::function<RunResult()>& body) {
  MainWindowState& state = app.state;
  if (fileRun) {
    state.Progreso.Progreso.visible = true;
    state.Progreso.ProgressBar1.progress = 0.0F;
    state.Progreso.Ok.enabled = false;
    state.Progreso.Cancelar.enabled = true;
    state.Progreso.espere.text = kPleaseWait;
  }
  const bool rightToLeft = direction == ConversionDirection::RightToLeft;
  if (rightToLeft) app.toolkit.setWaitCursor(true);
  RunResult result;
  try {
    result = body();
  } catch (const CommandEnded&) {
    // The refusal was shown where it happened; a silent stop shows nothing.
  } catch (const DataError& error) {
    showCritical(app, kDataErrorText, error.detail);
  } catch (const std::exception&) {
    showCritical(app, kDataErrorText);
  }
  if (rightToLeft) app.toolkit.setWaitCursor(false);
  if (!fileRun) return;
  state.Progreso.Ok.enabled = true;
  state.Progreso.Cancelar.enabled = false;
  state.Progreso.espere.text = result.label.empty() ? std::string(outcomeText(result.outcome)) : result.label;
}

void convert(App& app, ConversionDirection direction) {
  if (app.state.M_Archivo.checked()) {
    runFileConversion(app, direction);
    return;
  }
  runConversionCommand(app, direction, false, [&] {
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
    return RunResult{RunOutcome::Written, {}};
  });
}

}  // namespace brelosta
