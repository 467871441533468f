#pragma once

// A folder of its own under the system's temporary directory, under a name
// no other folder had (test processes running side by side never share
// one), removed with everything in it when the object goes.

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace brelosta {

inline const std::filesystem::path kShippedData = std::filesystem::path(BRELOSTA_SOURCE_DIR) / "data";

class TempFolder {
 public:
  TempFolder() : path_(fresh()) {}
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  const std::filesystem::path& path() const { return path_; }

  // The shipped datum.txt and elipsoide.txt, where start-up looks for them;
  // fresh copies over whatever a test wrote there before.
  void copyShippedCatalogues() const {
    for (const char* catalogue : {"datum.txt", "elipsoide.txt"})
      std::filesystem::copy_file(kShippedData / catalogue, path_ / catalogue,
                                 std::filesystem::copy_options::overwrite_existing);
  }

 private:
  // create_directory says whether it made the folder, so a name taken
  // meanwhile by another process is never shared.
  static std::filesystem::path fresh() {
    std::random_device random;
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (;;) {
      std::filesystem::path name = base / ("brelosta-test-" + std::to_string(random()));
      if (std::filesystem::create_directory(name)) return name;
    }
  }

  std::filesystem::path path_;
};

}  // namespace brelosta
