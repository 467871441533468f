#pragma once

#include "qt/secondary_window.hpp"
#include "qt/widget_binder.hpp"

namespace brelosta {

// The progress window of a file conversion: bar, message, Cancelar and Ok.
SecondaryWindow* buildProgressWindow(ProgressWindowState& state, WidgetBinder& binder, QWidget* parent);

}  // namespace brelosta
