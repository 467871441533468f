#pragma once

#include <functional>
#include <optional>

#include "app/app.hpp"
#include "app/datum_stage.hpp"
#include "geodesy/coordinate_system.hpp"
#include "geodesy/ellipsoid_shape.hpp"

namespace brelosta {

// One convert command (Command1 left to right, Command2 right to left): in
// point mode the point in the source panel, in file mode every record of the
// source panel's file.
void convert(App& app, ConversionDirection direction);

// What one command keeps while it runs.
struct ConversionRun {
  ConversionDirection direction = ConversionDirection::LeftToRight;
  bool fileMode = false;
  EllipsoidShape sourceEllipsoid;
  EllipsoidShape targetEllipsoid;
  std::optional<DatumStage> datum;
  double sourceHeight = 0.0;  // metres, of the current point
  double targetHeight = 0.0;  // metres, after the datum stage
};

// The frame every convert command runs in: the progress window (file mode)
// and the wait cursor (right to left) first; then the body, whose refusals
// end it quietly and whose run-time failures are reported once as "Error en
// los Datos"; then the end-of-run steps, on every exit.
void runConversionCommand(App& app, ConversionDirection direction, const std::function<void()>& body);

// The per-command values: the source and target ellipsoids (the reference
// ellipsoid for a "WGS84" side, the ellipsoid boxes otherwise).
ConversionRun startConversionRun(App& app, ConversionDirection direction);

// Converts the point in the source panel's entry boxes and shows it in the
// target panel, as one typed point; throws CommandEnded after a refusal or
// a silent stop and DataError on a run-time failure.
void convertPoint(App& app, ConversionRun& run);

}  // namespace brelosta
