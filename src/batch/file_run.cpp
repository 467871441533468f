#include "batch/file_run.hpp"

#include "engine/pipeline.hpp"

namespace brelosta {

void runFileConversion(App& app, ConversionDirection direction) {
  runConversionCommand(app, direction, [] {});
}

}  // namespace brelosta
