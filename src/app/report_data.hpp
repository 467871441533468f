#pragma once

#include "app/main_window_state.hpp"
#include "formats/report.hpp"

namespace brelosta {

// What the report's header prints, taken from the window as it stands when
// the report is written.
ReportData reportData(MainWindowState& state, ConversionDirection direction);

}  // namespace brelosta
