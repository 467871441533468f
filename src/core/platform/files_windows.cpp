#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <string>

#include "core/platform/files.hpp"

namespace brelosta::platform {

namespace {

HANDLE handleOf(std::FILE* file) { return reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file))); }

}  // namespace

std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
  const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
  return ::_wfopen(path.c_str(), wideMode.c_str());
}

NewFileResult createNewFile(const std::filesystem::path& path, std::FILE*& file) {
  const HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE)
    return ::GetLastError() == ERROR_FILE_EXISTS ? NewFileResult::Exists : NewFileResult::Failed;
  const int descriptor = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDWR | _O_BINARY);
  if (descriptor < 0) {
    ::CloseHandle(handle);
    ::DeleteFileW(path.c_str());
    return NewFileResult::Failed;
  }
  file = ::_fdopen(descriptor, "w+b");
  if (file != nullptr) return NewFileResult::Created;
  ::_close(descriptor);
  ::DeleteFileW(path.c_str());
  return NewFileResult::Failed;
}

// Windows has no hint to start writing part of a file early; the final
// FlushFileBuffers writes everything.
void startWriteBack(std::FILE* /*file*/, std::size_t /*offset*/, std::size_t /*length*/) {}

bool writeThrough(std::FILE* file) { return ::FlushFileBuffers(handleOf(file)) != 0; }

bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  return ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

std::optional<FileIdentity> fileIdentity(const std::filesystem::path& path) {
  // Opened without asking for read or write access, only to ask what it is.
  const HANDLE handle = ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION information{};
  const bool known = ::GetFileInformationByHandle(handle, &information) != 0;
  ::CloseHandle(handle);
  if (!known) return std::nullopt;
  return FileIdentity{information.dwVolumeSerialNumber,
                      (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
}

}  // namespace brelosta::platform
