#pragma once

// A window started once per fuzzing process on a copy of the shipped
// catalogues; each input works on a fresh copy of its state.

#include <unistd.h>

#include <filesystem>
#include <string>

#include "app/app.hpp"
#include "app/recording_toolkit.hpp"
#include "app/startup.hpp"

namespace brelosta {

inline const MainWindowState& startedState() {
  static const MainWindowState state = [] {
    const auto folder =
        std::filesystem::temp_directory_path() / ("brelosta-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    for (const char* catalogue : {"datum.txt", "elipsoide.txt"})
      std::filesystem::copy_file(std::filesystem::path(BRELOSTA_SOURCE_DIR) / "data" / catalogue,
                                 folder / catalogue, std::filesystem::copy_options::overwrite_existing);
    MainWindowState started;
    RecordingToolkit toolkit;
    App app{started, toolkit};
    startUp(app, folder);
    return started;
  }();
  return state;
}

}  // namespace brelosta
