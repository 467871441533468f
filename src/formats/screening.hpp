#pragma once

#include "core/field_stream.hpp"
#include "core/number_format.hpp"

namespace brelosta {

// Whether a file run passes over a record without converting it, judged on
// its first coordinate field: a field that differs from 0 while its leading
// number, as the user's format reads it, is 0. An empty field counts as 0
// and is not skipped (the run then stops at it); a text that is not a number
// in the user's format is a data error (a title line such as Norte,Este,H).
bool skippedByScreening(const Field& first, NumberFormat format);

}  // namespace brelosta
