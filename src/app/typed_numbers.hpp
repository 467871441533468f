#pragma once

#include <string>
#include <string_view>

#include "app/app.hpp"
#include "core/field_stream.hpp"
#include "geodesy/coordinate_system.hpp"

namespace brelosta {

// The refusal of a typed number whose single group separator may as well be
// a decimal mark ("100.250" with a decimal comma): the text, and the two
// ways of writing what it may mean.
std::string ambiguousNumberMessage(std::string_view text, NumberFormat format);

// Why a number field of a ";" or tab file is refused for its marks, with
// the text as read and how to write it: "\"728.310\" es ambiguo: escriba
// 728,310 si el punto separa decimales, o 728310 si separa miles";
// "\"1.163.200,562\" separa los miles: escriba 1163200,562".
std::string doubtfulFieldText(std::string_view text, NumberDoubt doubt);

// Whether a box's text is such a number; shows the refusal when it is.
bool refuseAmbiguousNumber(App& app, const Control& box);

// Whether every number box a conversion in `direction` reads is free of such
// numbers: both panels' projection parameters, the source point's boxes
// (with `pointBoxes`: a typed point), the shift parameters and the
// ellipsoid. Shows the refusal for the first one that is not.
bool typedNumbersClear(App& app, ConversionDirection direction, bool pointBoxes);

}  // namespace brelosta
