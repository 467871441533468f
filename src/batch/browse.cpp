#include "batch/browse.hpp"

namespace brelosta {

void browseFile(App& /*app*/, Side /*side*/) {}

}  // namespace brelosta
