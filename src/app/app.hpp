#pragma once

#include "app/main_window_state.hpp"
#include "app/toolkit.hpp"

namespace brelosta {

// What every reaction works on: the window state and the toolkit that shows
// messages and dialogs for it.
struct App {
  MainWindowState& state;
  Toolkit& toolkit;
};

}  // namespace brelosta
