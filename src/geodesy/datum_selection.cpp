#include "geodesy/datum_selection.hpp"

namespace brelosta {

void datumSelected(App& /*app*/, Side /*side*/) {}

}  // namespace brelosta
