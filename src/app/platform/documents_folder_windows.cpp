#include "app/platform/documents_folder.hpp"

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <cstdlib>

namespace brelosta {

std::filesystem::path documentsFolder() {
  // The Documents known folder (it may be redirected, to OneDrive or a
  // network share); else the profile folder.
  PWSTR path = nullptr;
  std::filesystem::path folder;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, KF_FLAG_DEFAULT, nullptr, &path))) folder = path;
  CoTaskMemFree(path);
  if (!folder.empty()) return folder;
  if (const wchar_t* profile = _wgetenv(L"USERPROFILE"); profile != nullptr && *profile != L'\0') return profile;
  return {};
}

}  // namespace brelosta
