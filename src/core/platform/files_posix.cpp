#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/platform/files.hpp"

namespace brelosta::platform {

std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
  return std::fopen(path.c_str(), mode);
}

NewFileResult createNewFile(const std::filesystem::path& path, std::FILE*& file) {
  // Created with the usual permissions (the umask applies).
  const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (descriptor < 0) return errno == EEXIST ? NewFileResult::Exists : NewFileResult::Failed;
  file = ::fdopen(descriptor, "w+b");
  if (file != nullptr) return NewFileResult::Created;
  ::close(descriptor);
  ::unlink(path.c_str());
  return NewFileResult::Failed;
}

void startWriteBack(std::FILE* file, std::size_t offset, std::size_t length) {
  ::sync_file_range(::fileno(file), static_cast<off_t>(offset), static_cast<off_t>(length),
                    SYNC_FILE_RANGE_WRITE);
}

bool writeThrough(std::FILE* file) { return ::fsync(::fileno(file)) == 0; }

bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  return ::rename(from.c_str(), to.c_str()) == 0;
}

std::optional<FileIdentity> fileIdentity(const std::filesystem::path& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return std::nullopt;
  return FileIdentity{static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

}  // namespace brelosta::platform
