#pragma once

// A point typed into the left panel's decimal-degree boxes and converted
// with Command1, as a user would; and the distances the oracles compare.

#include <cmath>
#include <numbers>

#include "app/commands.hpp"
#include "core/number_reading.hpp"
#include "core/picture_format.hpp"
#include "geodesy/positions.hpp"

namespace brelosta {

// The right panel's decimal boxes after converting `p`; both panels show
// "Grados Decimales".
inline GeodeticPosition convertTyped(App& app, const GeodeticPosition& p) {
  MainWindowState& state = app.state;
  const NumberFormat format = state.numberFormat;
  state.LAT_D_L.text = shortestText(p.latitude, format);
  state.LON_D_L.text = shortestText(p.longitude, format);
  state.ALT_M_L.text = shortestText(p.height, format);
  click(app, state.Command1);
  return {strictValue(state.LAT_D_R.text, format).value_or(NAN), strictValue(state.LON_D_R.text, format).value_or(NAN),
          strictValue(state.ALT_M_R.text, format).value_or(NAN)};
}

// North and east differences in metres, on a sphere of the Earth's size:
// enough for comparing positions a few millimetres apart.
inline double horizontalMetres(const GeodeticPosition& a, const GeodeticPosition& b) {
  constexpr double kMetresPerDegree = 111'320.0;
  const double north = (a.latitude - b.latitude) * kMetresPerDegree;
  const double east = (a.longitude - b.longitude) * kMetresPerDegree * std::cos(a.latitude * std::numbers::pi / 180.0);
  return std::hypot(north, east);
}

}  // namespace brelosta
