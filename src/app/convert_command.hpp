#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "app/app.hpp"
#include "geodesy/coordinate_system.hpp"

namespace brelosta {

// One convert command (Command1 left to right, Command2 right to left): in
// point mode the point in the source panel, in file mode every record of the
// source panel's file.
void convert(App& app, ConversionDirection direction);

// How a convert command ended: in file mode, whether the output file was
// written, or the user cancelled, or the run stopped without writing it.
enum class RunOutcome { Written, Cancelled, Interrupted };

// The outcome, and the progress window's last label when it is not the
// outcome's own (a file written without the records that failed).
struct RunResult {
  RunOutcome outcome = RunOutcome::Interrupted;
  std::string label;
};

// How that label starts: "Conversión completa con errores: 2 de 10
// registros no convertidos (lista en salida.errores.txt)".
inline constexpr std::string_view kDoneWithErrors = "Conversión completa con errores";

// The frame every convert command runs in: the progress window (a file run)
// and the wait cursor (right to left) first; then the body, whose refusals
// end it quietly and whose run-time failures are reported once as "Error en
// los Datos" (with their detail as a second line); then the end-of-run
// steps, on every exit. After a file run the progress window's last label
// tells the outcome, Ok is enabled and Cancelar disabled; a body that
// throws interrupted the run.
void runConversionCommand(App& app, ConversionDirection direction, bool fileRun,
                          const std::function<RunResult()>& body);

}  // namespace brelosta
