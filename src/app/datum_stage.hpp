#pragma once

#include <optional>
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

// The stage that takes positions on `datum` (on its ellipsoid) to WGS84
// with the window's method and parameters: the forward leg of a datum
// change, or the whole change in one Molodensky step. For what shows or
// writes positions in WGS84 (the map, Google Earth).
DatumStage wgs84Stage(const MainWindowState& state, std::string datum, EllipsoidShape ellipsoid);

}  // namespace brelosta
