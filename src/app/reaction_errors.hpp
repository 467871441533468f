#pragma once

#include "core/data_error.hpp"

namespace brelosta {

// Thrown to end the running command: after a refusal was shown, or
// silently (an empty point field).
struct CommandEnded {};

}  // namespace brelosta
