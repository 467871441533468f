#include "app/platform/program_folder.hpp"

#include <system_error>

namespace brelosta {

std::filesystem::path programFolder() {
  // The kernel's link to the executable, with symbolic links resolved.
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return executable.parent_path();
}

}  // namespace brelosta
