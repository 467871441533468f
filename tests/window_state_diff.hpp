#pragma once

#include <string>

#include "app/main_window_state.hpp"

namespace brelosta {

// The names of the controls whose values differ between two windows, for a
// readable failure message when two states should be equal.
inline std::string differingControls(MainWindowState a, MainWindowState b) {
  std::string names;
  forEachControl(a, [&](std::string_view name, Control& control) {
    if (!(control == *findControl(b, name))) names += std::string(name) + " ";
  });
  if (a.workingFolder != b.workingFolder) names += "workingFolder ";
  if (!(a.Wgs84Ellipsoid == b.Wgs84Ellipsoid)) names += "Wgs84Ellipsoid ";
  return names;
}

}  // namespace brelosta
