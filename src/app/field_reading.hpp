#pragma once

#include <optional>
#include <string_view>

#include "app/control.hpp"
#include "app/reaction_errors.hpp"
#include "core/number_reading.hpp"

namespace brelosta {

// The strict value of a text as a box reads it: nothing for a text that is
// not a number, nor for one whose only group separator may be a decimal
// mark (a quoted field of a point file, which writes its decimals with a
// point, is read as a box would read it).
inline std::optional<double> boxValue(std::string_view text, NumberFormat format) {
  if (ambiguousGrouping(text, format)) return std::nullopt;
  return strictValue(text, format);
}

// The strict value of a box's text; a text that is not a number is a data
// error of the running command.
inline double strictOf(const Control& box, NumberFormat format) {
  const auto value = boxValue(box.text, format);
  if (!value) throw DataError{};
  return *value;
}

inline double lenientOf(const Control& box, NumberFormat format) { return lenientValue(box.text, format); }

}  // namespace brelosta
