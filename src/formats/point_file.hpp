#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "formats/record_layout.hpp"

namespace brelosta {

// The most records a point file may hold.
inline constexpr std::size_t kMaxRecords = 999999;
// The longest line a point file hands out whole (bytes): a record is a few
// fields, and a longer line, such as a binary file's, is never held whole.
inline constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

// A point file read in blocks, never whole. Opening it reads it through once
// to tell its encoding (UTF-8 when the whole file is valid UTF-8, after an
// optional byte-order mark; Windows-1252 otherwise) and to count its records;
// then its lines are handed out one by one, as UTF-8. Lines end at CR LF, LF
// or CR; the blank lines that end the file are not records (an editor's
// empty last line is not a point).
class PointFile {
 public:
  // Nothing when the file cannot be opened or read.
  static std::optional<PointFile> open(const std::filesystem::path& path);
  // The same on an open file, read from its start; the object then owns it.
  static std::optional<PointFile> open(std::FILE* file);

  // The number of records (lines up to the last one that is not blank).
  std::size_t size() const { return size_; }
  // More than kMaxRecords lines that are not blank (the count stops there).
  bool overLimit() const { return overLimit_; }

  // The next line into `line`; false after the last record, or when the
  // file could not be read again.
  bool next(std::string& line);
  // Whether that line was longer than kMaxLineBytes: it was cut there, at
  // the start of a character.
  bool lineTooLong() const { return lineTooLong_; }
  // Lets go of the file, so that it may be replaced (Windows replaces no
  // file that is open, and the output may be the input file itself).
  void close() { file_.reset(); }

 private:
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };

  explicit PointFile(std::FILE* file) : file_(file) {}
  bool scan();
  bool rewind();
  // The next line's bytes, pointing into the block or into `partial_`;
  // false at the end of the file.
  bool nextBytes(std::string_view& bytes);
  // Adds a piece of a line that runs across blocks to `partial_`, up to
  // kMaxLineBytes.
  void appendPart(std::string_view piece);

  std::unique_ptr<std::FILE, Closer> file_;
  std::string block_;
  std::size_t position_ = 0;  // in block_
  std::string partial_;       // a line that runs across blocks
  bool lineFeedToSkip_ = false;  // the last line ended with a CR at a block's end
  bool lineTooLong_ = false;     // the line being read is cut at kMaxLineBytes
  bool failed_ = false;
  bool highBytesSeen_ = false;  // a block read so far held a byte above 0x7F
  bool utf8_ = true;
  bool byteOrderMark_ = false;
  std::size_t size_ = 0;
  bool overLimit_ = false;
  std::size_t handedOut_ = 0;
};

// One record split from its line (see SplitRecord): a line that holds no
// record, or a layout that does not fit the panel, gives every slot empty,
// the height included.
SplitRecord readRecord(std::string_view line, const std::optional<RecordPlan>& plan,
                       std::vector<Field>& scratch, char separator = ',');

}  // namespace brelosta
