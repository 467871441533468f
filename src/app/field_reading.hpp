#pragma once

#include "app/control.hpp"
#include "app/reaction_errors.hpp"
#include "core/number_reading.hpp"

namespace brelosta {

// The strict value of a box's text; a text that is not a number is a data
// error of the running command, and so is a number whose only group
// separator may be a decimal mark (a quoted field of a point file, which
// writes its decimals with a point, is copied into the box as it is).
inline double strictOf(const Control& box, NumberFormat format) {
  const auto value = strictValue(box.text, format);
  if (!value || ambiguousGrouping(box.text, format)) throw DataError{};
  return *value;
}

inline double lenientOf(const Control& box, NumberFormat format) { return lenientValue(box.text, format); }

}  // namespace brelosta
