#include "core/text_file.hpp"

#include <random>
#include <system_error>
#include <utility>

#include "core/platform/files.hpp"
#include "core/windows1252.hpp"

namespace brelosta {

std::optional<std::string> readFileBytes(const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return std::nullopt;
  std::FILE* file = platform::openFile(path, "rb");
  if (file == nullptr) return std::nullopt;
  // Read straight into a buffer of the file's size, so that a large point
  // file is neither copied nor held twice while the buffer grows.
  std::string bytes;
  std::size_t size = 0;
  if (std::fseek(file, 0, SEEK_END) == 0) {
    const long end = std::ftell(file);
    if (end > 0) size = static_cast<std::size_t>(end);
    std::rewind(file);
  }
  bytes.resize(size);
  std::size_t read = std::fread(bytes.data(), 1, size, file);
  bytes.resize(read);
  // A file that grew meanwhile, or whose size could not be told.
  char buffer[1 << 16];
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
  // The next LF is found once for many lines; a CR before it ends the line
  // first (CR LF, or a file with CR alone).
  if (!lineFeedAhead_ || nextLineFeed_ < position_) {
    nextLineFeed_ = std::min(text_.find('\n', position_), text_.size());
    lineFeedAhead_ = true;
  }
  const std::size_t end =
      position_ + std::min(text_.substr(position_, nextLineFeed_ - position_).find('\r'), nextLineFeed_ - position_);
  line = text_.substr(position_, end - position_);
  position_ = end + 1;
  if (end < text_.size() && text_[end] == '\r' && position_ < text_.size() && text_[position_] == '\n') ++position_;
  return true;
}

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  LineReader reader(text);
  std::string_view line;
  while (reader.next(line)) lines.push_back(line);
  return lines;
}

namespace {

// Creates a new file beside `target` whose name starts with the target's
// own and `mark`, so that a final replace stays on one file system; a name
// taken by another writer is skipped. Nothing when the folder does not take
// it.
std::FILE* createBeside(const std::filesystem::path& target, std::string_view mark, std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::is_directory(target, error)) return nullptr;
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    path = target;
    path += std::string(mark) + std::to_string(random() % 1'000'000'000U);
    std::FILE* file = nullptr;
    const platform::NewFileResult result = platform::createNewFile(path, file);
    if (result == platform::NewFileResult::Created) return file;
    if (result == platform::NewFileResult::Failed) return nullptr;
  }
  return nullptr;
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(std::filesystem::path target) : target_(std::move(target)) {
  file_ = createBeside(target_, ".tmp", temporary_);
}

AtomicFileWriter::~AtomicFileWriter() {
  behind_.stop();
  if (file_ != nullptr) {
    std::fclose(file_);
    std::error_code error;
    std::filesystem::remove(temporary_, error);
  }
}

void AtomicFileWriter::write(std::string_view bytes) {
  if (file_ != nullptr) behind_.write(bytes);
}

bool AtomicFileWriter::writeToFile(std::string_view bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) return false;
  written_ += bytes.size();
  // Starts writing a large file to disk while the rest is produced, so that
  // the final fsync has little left to wait for.
  constexpr std::size_t kWritebackStep = std::size_t{8} << 20;
  if (written_ - writtenBack_ >= kWritebackStep && std::fflush(file_) == 0) {
    platform::startWriteBack(file_, writtenBack_, written_ - writtenBack_);
    writtenBack_ = written_;
  }
  return true;
}

bool AtomicFileWriter::commit() {
  if (file_ == nullptr) return false;
  const bool flushed = behind_.finish() && std::fflush(file_) == 0 && platform::writeThrough(file_);
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  std::error_code error;
  if (!flushed || !closed) {
    std::filesystem::remove(temporary_, error);
    return false;
  }
  if (!platform::replaceFile(temporary_, target_)) {
    std::filesystem::remove(temporary_, error);
    return false;
  }
  return true;
}

ScratchFile::ScratchFile(const std::filesystem::path& near) { file_ = createBeside(near, ".part", path_); }

ScratchFile::~ScratchFile() {
  behind_.stop();
  if (file_ == nullptr) return;
  std::fclose(file_);
  std::error_code error;
  std::filesystem::remove(path_, error);
}

void ScratchFile::write(std::string_view bytes) {
  if (file_ != nullptr) behind_.write(bytes);
}

bool ScratchFile::readBack(const std::function<void(std::string_view bytes)>& read) {
  if (file_ == nullptr || !behind_.finish() || std::fflush(file_) != 0 || std::fseek(file_, 0, SEEK_SET) != 0)
    return false;
  std::string buffer(std::size_t{1} << 20, '\0');
  std::size_t count = 0;
  while ((count = std::fread(buffer.data(), 1, buffer.size(), file_)) > 0) read(std::string_view(buffer).substr(0, count));
  return std::ferror(file_) == 0;
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
