#pragma once

#include <string>

#include "app/main_window_state.hpp"
#include "geodesy/datum_shift.hpp"
#include "geodesy/ellipsoid_shape.hpp"

namespace brelosta {

// The datum stage of one convert command: carries a position from the
// source datum to the target datum through WGS84, with the method and shift
// parameters shown in the window. The method and parameter boxes are read
// once, at the first point that reaches the stage, so that a point refused
// or stopped earlier is reported as such.
class DatumStage {
 public:
  DatumStage(std::string sourceDatum, std::string targetDatum, EllipsoidShape sourceEllipsoid,
             EllipsoidShape targetEllipsoid);

  // The position on the target datum; throws DataError for a box that is
  // not a number in the user's format or a non-finite result.
  GeodeticPosition shift(const MainWindowState& state, GeodeticPosition position);
  // Reads the method and parameter boxes now, unless read already; throws
  // DataError for a box that is not a number.
  void readParameters(const MainWindowState& state);

 private:
  void readWindow(const MainWindowState& state);

  DatumShift shift_;
  bool windowRead_ = false;
};

}  // namespace brelosta
