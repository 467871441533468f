#include "app/datum_display.hpp"

#include <iterator>

#include "core/picture_format.hpp"

namespace brelosta {
namespace {

void showEllipsoidValues(MainWindowState& state, const std::string& name, double a, double inverseFlattening) {
  state.elipsoide_n.text = name;
  state.elipsoide_a.text = shortestText(a, state.numberFormat);
  state.elipsoide_f.text = shortestText(inverseFlattening, state.numberFormat);
}

}  // namespace

void showDatumParameters(MainWindowState& state, const std::optional<Datum>& datum) {
  Control* boxes[] = {&state.Dx_label, &state.Dy_label, &state.Dz_label, &state.Rx_label, &state.Ry_label,
                      &state.Rz_label, &state.SC_label, &state.XXMM,     &state.YYMM,     &state.ZZMM};
  static_assert(std::size(boxes) == std::tuple_size_v<decltype(Datum::parameters)>);
  for (std::size_t k = 0; k < std::size(boxes); ++k)
    boxes[k]->text = shortestText(datum ? datum->parameters[k] : 0.0, state.numberFormat);
  state.Codigo.text = datum ? datum->parameterCode : std::string();
}

void showEllipsoid(MainWindowState& state, const Ellipsoid& ellipsoid) {
  showEllipsoidValues(state, ellipsoid.name, ellipsoid.semiMajorAxis, ellipsoid.inverseFlattening);
}

void showEllipsoid(MainWindowState& state, const Wgs84EllipsoidValues& ellipsoid) {
  showEllipsoidValues(state, ellipsoid.name, ellipsoid.semiMajorAxis, ellipsoid.inverseFlattening);
}

}  // namespace brelosta
