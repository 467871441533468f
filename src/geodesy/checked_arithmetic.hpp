#pragma once

#include <cfenv>

#if defined(__SSE2__)
#include <immintrin.h>
#endif

#include "core/data_error.hpp"
#include "geodesy/positions.hpp"

namespace brelosta {

inline constexpr int kArithmeticFaults = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

// The arithmetic faults raised so far. Where doubles are computed in SSE
// registers (x86-64) their flags are read straight from its status
// register, whose flag bits are the FE_ values: a few cycles, where the
// library call also reads the x87 unit, which no double arithmetic uses
// there. It is checked several times for every point of a file.
inline int raisedArithmeticFaults() {
#if defined(__SSE2__) && defined(__x86_64__)
  return static_cast<int>(_mm_getcsr()) & kArithmeticFaults;
#else
  return std::fetestexcept(kArithmeticFaults);
#endif
}

// Runs one arithmetic stage of a conversion and turns an invalid operation,
// a division by zero, an overflow or a non-finite result into a data error.
// Underflow and loss of precision are not errors.
template <class Compute>
auto checkedArithmetic(Compute&& compute) {
  // Testing the flags is much cheaper than clearing them, and they are
  // almost never set.
  if (raisedArithmeticFaults() != 0) std::feclearexcept(kArithmeticFaults);
  const auto result = compute();
  if (raisedArithmeticFaults() != 0 || !allFinite(result)) throw DataError{};
  return result;
}

}  // namespace brelosta
