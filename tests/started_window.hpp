#pragma once

// A window started without a toolkit on a copy of the shipped catalogues, in
// a folder of its own that is removed afterwards.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "ui/app.hpp"
#include "ui/recording_toolkit.hpp"
#include "ui/startup.hpp"

namespace brelosta {

class StartedWindow {
 public:
  explicit StartedWindow(NumberFormat format = NumberFormat::point()) : folder_(freshFolder()) {
    for (const char* catalogue : {"datum.txt", "elipsoide.txt"})
      std::filesystem::copy_file(std::filesystem::path(BRELOSTA_SOURCE_DIR) / "data" / catalogue, folder_ / catalogue);
    state.numberFormat = format;
    startUp(app, folder_);
  }
  StartedWindow(const StartedWindow&) = delete;
  StartedWindow& operator=(const StartedWindow&) = delete;
  ~StartedWindow() {
    std::error_code error;
    std::filesystem::remove_all(folder_, error);
  }

  const std::filesystem::path& folder() const { return folder_; }

  MainWindowState state;
  RecordingToolkit toolkit;
  App app{state, toolkit};

 private:
  static std::filesystem::path freshFolder() {
    std::string name = (std::filesystem::temp_directory_path() / "brelosta-window-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr) throw std::filesystem::filesystem_error("mkdtemp", std::error_code());
    return name;
  }

  std::filesystem::path folder_;
};

}  // namespace brelosta
