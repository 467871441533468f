#pragma once

#include <string>
#include <string_view>

#include "app/app.hpp"
#include "geodesy/coordinate_system.hpp"

namespace brelosta {

// The refusal of a typed number whose single group separator may as well be
// a decimal mark ("100.250" with a decimal comma): the text, and the two
// ways of writing what it may mean.
std::string ambiguousNumberMessage(std::string_view text, NumberFormat format);

// Whether a box's text is such a number; shows the refusal when it is.
bool refuseAmbiguousNumber(App& app, const Control& box);

// Whether every number box a conversion in `direction` reads is free of such
// numbers: both panels' projection parameters, the source point in point
// mode, the shift parameters and the ellipsoid. Shows the refusal for the
// first one that is not.
bool typedNumbersClear(App& app, ConversionDirection direction);

}  // namespace brelosta
