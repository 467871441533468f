#include "ui/panels.hpp"

namespace brelosta {

void kindSelected(App& /*app*/, Side /*side*/) {}

void toggleHemisphere(App& app, Side side) {
  Control& button = side == Side::Left ? app.state.Hemisferio_L : app.state.Hemisferio_R;
  if (button.text == kNorthernHemisphere)
    button.text = kSouthernHemisphere;
  else if (button.text == kSouthernHemisphere)
    button.text = kNorthernHemisphere;
}

}  // namespace brelosta
