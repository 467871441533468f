#include "app/platform/system_viewer.hpp"

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

namespace brelosta {

bool openWithSystemViewer(const std::filesystem::path& file) {
  const HINSTANCE started = ShellExecuteW(nullptr, L"open", file.wstring().c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  // ShellExecuteW reports success as a value above 32.
  return reinterpret_cast<INT_PTR>(started) > 32;
}

}  // namespace brelosta
