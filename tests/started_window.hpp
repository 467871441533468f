#pragma once

// A window started without a toolkit on a copy of the shipped catalogues, in
// a folder of its own that is removed afterwards.

#include <filesystem>

#include "temp_folder.hpp"
#include "ui/app.hpp"
#include "ui/recording_toolkit.hpp"
#include "ui/startup.hpp"

namespace brelosta {

class StartedWindow {
 public:
  explicit StartedWindow(NumberFormat format = NumberFormat::point()) {
    folder_.copyShippedCatalogues();
    state.numberFormat = format;
    startUp(app, folder_.path());
  }

  const std::filesystem::path& folder() const { return folder_.path(); }

  MainWindowState state;
  RecordingToolkit toolkit;
  App app{state, toolkit};

 private:
  TempFolder folder_;
};

}  // namespace brelosta
