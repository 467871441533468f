#pragma once

#include "qt/secondary_window.hpp"
#include "qt/widget_binder.hpp"

namespace brelosta {

// The about window: version, authors and the program's picture.
SecondaryWindow* buildAboutWindow(AboutWindowState& state, WidgetBinder& binder, QWidget* parent);

}  // namespace brelosta
