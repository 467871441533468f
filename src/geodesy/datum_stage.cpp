#include "geodesy/datum_stage.hpp"

#include "engine/checked_arithmetic.hpp"
#include "geodesy/geocentric.hpp"

namespace brelosta {

DatumStage::DatumStage(std::string sourceDatum, std::string targetDatum, EllipsoidShape sourceEllipsoid,
                       EllipsoidShape targetEllipsoid)
    : sourceDatum_(std::move(sourceDatum)),
      targetDatum_(std::move(targetDatum)),
      sourceEllipsoid_(sourceEllipsoid),
      targetEllipsoid_(targetEllipsoid) {}

GeodeticPosition DatumStage::shift(const MainWindowState& /*state*/, GeodeticPosition position) {
  return checkedArithmetic([&] {
    return fromGeocentric(toGeocentric(position, sourceEllipsoid_), targetEllipsoid_);
  });
}

}  // namespace brelosta
