#pragma once

// A window started without a toolkit on a copy of the shipped catalogues, in
// a folder of its own that is removed afterwards.

#include <filesystem>

#include "app/app.hpp"
#include "app/recording_toolkit.hpp"
#include "app/startup.hpp"
#include "temp_folder.hpp"

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
