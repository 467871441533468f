#pragma once

#include <string>

#include "engine/ellipsoid_shape.hpp"
#include "ui/main_window_state.hpp"

namespace brelosta {

// The datum stage of one convert command: carries a position from the
// source datum to the target datum through WGS84, with the method and shift
// parameters shown in the window.
class DatumStage {
 public:
  DatumStage(std::string sourceDatum, std::string targetDatum, EllipsoidShape sourceEllipsoid,
             EllipsoidShape targetEllipsoid);

  // The position on the target datum; may throw DataError.
  GeodeticPosition shift(const MainWindowState& state, GeodeticPosition position);

 private:
  std::string sourceDatum_;
  std::string targetDatum_;
  EllipsoidShape sourceEllipsoid_;
  EllipsoidShape targetEllipsoid_;
};

}  // namespace brelosta
