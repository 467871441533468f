#include "app/datum_stage.hpp"

#include "app/field_reading.hpp"
#include "geodesy/checked_arithmetic.hpp"
#include "geodesy/coordinate_system.hpp"

namespace brelosta {
namespace {

// The method whose box is checked, tested in the order of the boxes.
std::optional<DatumShiftMethod> checkedMethod(const MainWindowState& state) {
  if (state.Check1.checked()) return DatumShiftMethod::Molodensky;
  if (state.Check2.checked()) return DatumShiftMethod::BursaWolf;
  if (state.Check3.checked()) return DatumShiftMethod::BadekasMolodensky;
  return std::nullopt;
}

}  // namespace

DatumStage::DatumStage(std::string sourceDatum, std::string targetDatum, EllipsoidShape sourceEllipsoid,
                       EllipsoidShape targetEllipsoid)
    : shift_{std::move(sourceDatum), std::move(targetDatum), sourceEllipsoid, targetEllipsoid, {}, {}} {}

// Every method reads the translations, and the rotation and scale boxes are
// read before the method is looked at: all seven must hold numbers whenever
// a non-reference datum is in play. The origin matters to Badekas-Molodensky
// only.
void DatumStage::readWindow(const MainWindowState& state) {
  shift_.method = checkedMethod(state);
  if (!shift_.needsParameters()) return;
  const NumberFormat format = state.numberFormat;
  const auto read = [&](const Control& box) { return strictOf(box, format); };
  const Geocentric translation{read(state.Dx_label), read(state.Dy_label), read(state.Dz_label)};
  const double rx = read(state.Rx_label);
  const double ry = read(state.Ry_label);
  const double rz = read(state.Rz_label);
  const double scale = read(state.SC_label);
  Geocentric origin;
  if (shift_.needsOrigin()) origin = {read(state.XXMM), read(state.YYMM), read(state.ZZMM)};
  shift_.parameters = ShiftParameters::fromDisplayUnits(translation, rx, ry, rz, scale, origin);
}

void DatumStage::readParameters(const MainWindowState& state) {
  if (windowRead_) return;
  readWindow(state);
  windowRead_ = true;
}

GeodeticPosition DatumStage::shift(const MainWindowState& state, GeodeticPosition position) {
  readParameters(state);
  return checkedArithmetic([&] { return shiftDatum(position, shift_); });
}

DatumStage wgs84Stage(const MainWindowState& state, std::string datum, EllipsoidShape ellipsoid) {
  const Wgs84EllipsoidValues& wgs84 = state.Wgs84Ellipsoid;
  return DatumStage(std::move(datum), std::string(kReferenceDatum), ellipsoid,
                    EllipsoidShape::fromInverseFlattening(wgs84.semiMajorAxis, wgs84.inverseFlattening));
}

}  // namespace brelosta
