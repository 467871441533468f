#pragma once

#include <string>

#include "core/field_stream.hpp"
#include "core/number_format.hpp"

namespace brelosta {

// A field of a point file as the user would have typed it into an entry
// box: a number written out in the user's number format, with the fewest
// digits that read back as the same value and never an exponent ("-0" keeps
// its sign, which carries a negative angle under one degree); a text as it
// stands; an empty field as nothing.
void appendFieldText(std::string& out, const Field& field, NumberFormat format);

}  // namespace brelosta
