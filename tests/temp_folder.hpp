#pragma once

// A folder of its own under the system's temporary directory, made with
// mkdtemp so that test processes running side by side never share one, and
// removed with everything in it when the object goes.

#include <unistd.h>

#include <cerrno>
#include <filesystem>
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
  static std::filesystem::path fresh() {
    std::string name = (std::filesystem::temp_directory_path() / "brelosta-test-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr)
      throw std::filesystem::filesystem_error("mkdtemp", std::error_code(errno, std::generic_category()));
    return name;
  }

  std::filesystem::path path_;
};

}  // namespace brelosta
