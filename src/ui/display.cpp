#include "ui/display.hpp"

namespace brelosta {

void angleFormatSelected(App& /*app*/, Side /*side*/) {}

}  // namespace brelosta
