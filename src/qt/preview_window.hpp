#pragma once

#include "qt/secondary_window.hpp"
#include "qt/widget_binder.hpp"

namespace brelosta {

// The input-file preview: the file, coordinate type and record layout
// chosen, the first raw lines and, column by column, the fields read from
// them.
SecondaryWindow* buildPreviewWindow(PreviewWindowState& state, WidgetBinder& binder, QWidget* parent);

}  // namespace brelosta
