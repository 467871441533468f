#pragma once

#include <cfenv>

#include "core/data_error.hpp"
#include "geodesy/positions.hpp"

namespace brelosta {

// Runs one arithmetic stage of a conversion and turns an invalid operation,
// a division by zero, an overflow or a non-finite result into a data error.
// Underflow and loss of precision are not errors.
template <class Compute>
auto checkedArithmetic(Compute&& compute) {
  constexpr int kFaults = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;
  // Testing the flags is much cheaper than clearing them, and they are
  // almost never set.
  if (std::fetestexcept(kFaults) != 0) std::feclearexcept(kFaults);
  const auto result = compute();
  if (std::fetestexcept(kFaults) != 0 || !allFinite(result)) throw DataError{};
  return result;
}

}  // namespace brelosta
