#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/write_behind.hpp"

namespace brelosta {

// The whole content of a file, or nothing when it cannot be opened or read.
std::optional<std::string> readFileBytes(const std::filesystem::path& path);

// A text file as UTF-8: Windows-1252 as the program's peers write it (or
// UTF-8 when it was saved so).
std::optional<std::string> readTextFile(const std::filesystem::path& path);

// Walks the lines of a text, without copying: a line ends at CR LF, at LF
// alone (files saved on other systems) or at CR alone; the line end is not
// part of the line, and a last line without a line end counts as a line.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}
  bool next(std::string_view& line);

 private:
  std::string_view text_;
  std::size_t position_ = 0;
  std::size_t nextLineFeed_ = 0;
  bool lineFeedAhead_ = false;  // nextLineFeed_ has been looked for
};

std::vector<std::string_view> splitLines(std::string_view text);

// Writes a file so that nothing is lost on failure: the bytes go to a new
// file beside the target, which replaces the target only when commit()
// succeeds. Destroying an uncommitted writer removes the new file and leaves
// an existing target untouched.
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(std::filesystem::path target);
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
  ~AtomicFileWriter();

  bool ok() const { return file_ != nullptr && !behind_.failed(); }
  void write(std::string_view bytes);
  bool commit();

 private:
  bool writeToFile(std::string_view bytes);

  std::filesystem::path target_;
  std::filesystem::path temporary_;
  std::FILE* file_ = nullptr;
  std::size_t written_ = 0;      // bytes handed to the file
  std::size_t writtenBack_ = 0;  // bytes whose writing to disk has started
  WriteBehind behind_{[this](std::string_view bytes) { return writeToFile(bytes); }};
};

// A file beside `near` that holds bytes written now and read back later in
// the same run (a part of an output file that must wait for what comes
// before it). It is removed when the object goes.
class ScratchFile {
 public:
  explicit ScratchFile(const std::filesystem::path& near);
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  ~ScratchFile();

  bool ok() const { return file_ != nullptr && !behind_.failed(); }
  void write(std::string_view bytes);
  // Hands every byte written, in order and in large pieces, to `read`.
  bool readBack(const std::function<void(std::string_view bytes)>& read);

 private:
  std::filesystem::path path_;
  std::FILE* file_ = nullptr;
  WriteBehind behind_{[this](std::string_view bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
  }};
};

// Writes UTF-8 lines as a Windows-1252 file with CR LF line ends, atomically.
bool writeTextFile(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace brelosta
