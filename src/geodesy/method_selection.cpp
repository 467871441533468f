#include "geodesy/method_selection.hpp"

namespace brelosta {

void methodBoxClicked(App& /*app*/, DatumShiftMethod /*method*/) {}

void methodLabelClicked(App& /*app*/, DatumShiftMethod /*method*/) {}

}  // namespace brelosta
