#include "core/text_file.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

#include "core/windows1252.hpp"

namespace brelosta {

std::optional<std::string> readFileBytes(const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return std::nullopt;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  std::string bytes;
  // One allocation of the file's size, so that a large point file is never
  // held twice while the buffer grows.
  if (std::fseek(file, 0, SEEK_END) == 0) {
    const long size = std::ftell(file);
    if (size > 0) bytes.reserve(static_cast<std::size_t>(size));
    std::rewind(file);
  }
  char buffer[1 << 16];
  std::size_t read = 0;
  while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, read);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  return bytes;
}

std::optional<std::string> readTextFile(const std::filesystem::path& path) {
  auto bytes = readFileBytes(path);
  if (!bytes) return std::nullopt;
  return decodeFileTextInPlace(std::move(*bytes));
}

bool LineReader::next(std::string_view& line) {
  if (position_ >= text_.size()) return false;
  const std::size_t end = text_.find_first_of("\r\n", position_);
  if (end == std::string_view::npos) {
    line = text_.substr(position_);
    position_ = text_.size();
    return true;
  }
  line = text_.substr(position_, end - position_);
  position_ = end + 1;
  if (text_[end] == '\r' && position_ < text_.size() && text_[position_] == '\n') ++position_;
  return true;
}

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  LineReader reader(text);
  std::string_view line;
  while (reader.next(line)) lines.push_back(line);
  return lines;
}

AtomicFileWriter::AtomicFileWriter(std::filesystem::path target) : target_(std::move(target)) {
  std::error_code error;
  if (std::filesystem::is_directory(target_, error)) return;
  // A fresh name beside the target, so that the final rename stays on one
  // file system; created with the usual permissions (the umask applies).
  for (int attempt = 0; attempt < 100 && file_ == nullptr; ++attempt) {
    temporary_ = target_;
    temporary_ += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
    const int descriptor = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0) {
      if (errno == EEXIST) continue;
      return;
    }
    file_ = ::fdopen(descriptor, "wb");
    if (file_ == nullptr) ::close(descriptor);
  }
}

AtomicFileWriter::~AtomicFileWriter() {
  if (file_ != nullptr) {
    std::fclose(file_);
    std::error_code error;
    std::filesystem::remove(temporary_, error);
  }
}

void AtomicFileWriter::write(std::string_view bytes) {
  if (!ok()) return;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failed_ = true;
}

bool AtomicFileWriter::commit() {
  if (file_ == nullptr) return false;
  const bool flushed = !failed_ && std::fflush(file_) == 0 && ::fsync(::fileno(file_)) == 0;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  std::error_code error;
  if (!flushed || !closed) {
    std::filesystem::remove(temporary_, error);
    return false;
  }
  std::filesystem::rename(temporary_, target_, error);
  if (error) {
    std::filesystem::remove(temporary_, error);
    return false;
  }
  return true;
}

bool writeTextFile(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  AtomicFileWriter writer(path);
  for (const std::string& line : lines) {
    writer.write(encodeWindows1252(line));
    writer.write("\r\n");
  }
  return writer.commit();
}

}  // namespace brelosta
