#pragma once

#include "app/app.hpp"
#include "geodesy/coordinate_system.hpp"

namespace brelosta {

// A convert command in file mode: every record of the source panel's file
// through the same path as a typed point, then the output file.
void runFileConversion(App& app, ConversionDirection direction);

}  // namespace brelosta
