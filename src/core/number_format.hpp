#pragma once

namespace brelosta {

// The user's way of writing numbers: the decimal mark and the digit-grouping
// separator. Passed down explicitly wherever a text becomes a number or a
// number becomes a text; files of points and catalogues always use a point.
struct NumberFormat {
  char decimalMark = '.';
  char groupSeparator = ',';

  static constexpr NumberFormat point() { return {'.', ','}; }
  static constexpr NumberFormat comma() { return {',', '.'}; }

  friend bool operator==(const NumberFormat&, const NumberFormat&) = default;
};

}  // namespace brelosta
