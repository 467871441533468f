#pragma once

#include <optional>
#include <string_view>

#include "app/control.hpp"
#include "app/reaction_errors.hpp"
#include "core/number_reading.hpp"

namespace brelosta {

// The strict value of a box's text; a text that is not a number is a data
// error of the running command.
inline double strictOf(const Control& box, NumberFormat format) {
  const auto value = boxValue(box.text, format);
  if (!value) throw DataError{};
  return *value;
}

inline double lenientOf(const Control& box, NumberFormat format) { return lenientValue(box.text, format); }

}  // namespace brelosta
