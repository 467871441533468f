#include "app/platform/documents_folder.hpp"

#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

namespace brelosta {
namespace {

std::filesystem::path homeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr) return user->pw_dir;
  return {};
}

// What `xdg-user-dir DOCUMENTS` prints (it knows the user's
// ~/.config/user-dirs.dirs and its defaults), or nothing when it is not
// installed or fails.
std::filesystem::path xdgDocumentsFolder() {
  FILE* pipe = ::popen("xdg-user-dir DOCUMENTS 2>/dev/null", "r");
  if (pipe == nullptr) return {};
  std::string text;
  char buffer[512];
  while (const std::size_t read = std::fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, read);
  if (::pclose(pipe) != 0) return {};
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

}  // namespace

std::filesystem::path documentsFolder() {
  // A folder that is configured but was never made or was removed is not
  // used: the home folder is.
  const std::filesystem::path documents = xdgDocumentsFolder();
  std::error_code error;
  if (documents.is_absolute() && std::filesystem::is_directory(documents, error)) return documents;
  return homeFolder();
}

}  // namespace brelosta
