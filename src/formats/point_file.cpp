#include "formats/point_file.hpp"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <system_error>

#include "core/platform/files.hpp"
#include "core/windows1252.hpp"

namespace brelosta {
namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 18;
// A line within one block is never cut.
static_assert(kBlockSize <= kMaxLineBytes);
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The place in a word read from memory of the first byte whose high bit is
// set in `marks`.
std::size_t firstMarkedByte(std::uint64_t marks) {
  if constexpr (std::endian::native == std::endian::little)
    return static_cast<std::size_t>(std::countr_zero(marks)) / 8;
  else
    return static_cast<std::size_t>(std::countl_zero(marks)) / 8;
}

// Where the next CR or LF is, or the text's end. Eight bytes are tested at
// a time for a byte below 0x0E, as CR and LF are (and few others in a text
// file): (x - 0x0E..) & ~x & 0x80.. marks every such byte, and at most a
// 0x0E that a borrow reaches, so the first marked byte is looked at and
// the search goes on after it when it is not a line end.
std::size_t lineEnd(std::string_view text, std::size_t from) {
  constexpr std::uint64_t kLineEndBound = 0x0E0E0E0E0E0E0E0EULL;
  constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
  const auto isLineEnd = [](char c) { return c == '\n' || c == '\r'; };
  std::size_t i = from;
  while (i + 8 <= text.size()) {
    std::uint64_t word = 0;
    std::memcpy(&word, text.data() + i, sizeof word);
    const std::uint64_t marks = (word - kLineEndBound) & ~word & kHighBits;
    if (marks == 0) {
      i += 8;
      continue;
    }
    const std::size_t first = i + firstMarkedByte(marks);
    if (isLineEnd(text[first])) return first;
    i = first + 1;  // a tab or another control character
  }
  for (; i < text.size(); ++i)
    if (isLineEnd(text[i])) return i;
  return text.size();
}

// Whether no byte is above 0x7F, eight bytes at a time.
bool isAscii(std::string_view bytes) {
  std::uint64_t any = 0;
  std::size_t i = 0;
  for (; i + 8 <= bytes.size(); i += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes.data() + i, sizeof word);
    any |= word;
  }
  for (; i < bytes.size(); ++i) any |= static_cast<unsigned char>(bytes[i]);
  return (any & 0x8080808080808080ULL) == 0;
}

}  // namespace

std::optional<PointFile> PointFile::open(const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return std::nullopt;
  std::FILE* file = platform::openFile(path, "rb");
  if (file == nullptr) return std::nullopt;
  return open(file);
}

std::optional<PointFile> PointFile::open(std::FILE* file) {
  PointFile points(file);
  if (!points.rewind() || !points.scan() || !points.rewind()) return std::nullopt;
  return points;
}

// The first reading: the encoding and the count. Line ends never fall inside
// a multi-byte character, so the file is valid UTF-8 exactly when each line
// is. The count follows the lines up to the limit; beyond it only blank
// lines may follow.
bool PointFile::scan() {
  std::size_t lines = 0;
  std::size_t lastRecordLine = 0;
  bool firstLine = true;
  std::string_view bytes;
  while (nextBytes(bytes)) {
    if (firstLine && bytes.starts_with(kByteOrderMark)) {
      byteOrderMark_ = true;
      bytes.remove_prefix(kByteOrderMark.size());
    }
    firstLine = false;
    // Lines read while every block so far was ASCII are valid UTF-8.
    if (utf8_ && highBytesSeen_ && !isValidUtf8(bytes)) utf8_ = false;
    const bool blank = isBlankLine(bytes);
    if (lines == kMaxRecords) {
      if (!blank) {
        overLimit_ = true;
        break;
      }
      continue;
    }
    ++lines;
    if (!blank) lastRecordLine = lines;
  }
  // Read as Windows-1252, the mark is three characters of the first line.
  if (byteOrderMark_ && !utf8_ && lines > 0) lastRecordLine = std::max<std::size_t>(lastRecordLine, 1);
  size_ = lastRecordLine;
  return !failed_;
}

bool PointFile::rewind() {
  block_.clear();
  position_ = 0;
  partial_.clear();
  lineFeedToSkip_ = false;
  return std::fseek(file_.get(), 0, SEEK_SET) == 0;
}

void PointFile::appendPart(std::string_view piece) {
  if (lineTooLong_) return;
  const std::size_t room = kMaxLineBytes - partial_.size();
  if (piece.size() <= room) {
    partial_ += piece;
    return;
  }
  lineTooLong_ = true;
  std::size_t cut = room;
  while (cut > 0 && (static_cast<unsigned char>(piece[cut]) & 0xC0) == 0x80) --cut;
  partial_.append(piece.substr(0, cut));
}

bool PointFile::nextBytes(std::string_view& bytes) {
  partial_.clear();
  lineTooLong_ = false;
  while (true) {
    if (position_ == block_.size()) {
      block_.resize(kBlockSize);
      const std::size_t read = std::fread(block_.data(), 1, block_.size(), file_.get());
      block_.resize(read);
      position_ = 0;
      if (!highBytesSeen_) highBytesSeen_ = !isAscii(block_);
      if (read == 0) {
        if (std::ferror(file_.get()) != 0) failed_ = true;
        bytes = partial_;
        return !failed_ && !partial_.empty();
      }
    }
    if (lineFeedToSkip_) {
      lineFeedToSkip_ = false;
      if (block_[position_] == '\n') ++position_;
      continue;
    }
    const std::size_t end = lineEnd(block_, position_);
    if (end == block_.size()) {
      appendPart(std::string_view(block_).substr(position_, end - position_));
      position_ = end;
      continue;
    }
    const std::string_view line = std::string_view(block_).substr(position_, end - position_);
    position_ = end + 1;
    if (block_[end] == '\r') {
      if (position_ < block_.size())
        position_ += block_[position_] == '\n' ? 1 : 0;
      else
        lineFeedToSkip_ = true;
    }
    if (partial_.empty()) {
      bytes = line;
    } else {
      appendPart(line);
      bytes = partial_;
    }
    return true;
  }
}

bool PointFile::next(std::string& line) {
  if (handedOut_ == size_) return false;
  std::string_view bytes;
  if (!nextBytes(bytes)) return false;
  if (handedOut_ == 0 && byteOrderMark_ && utf8_) bytes.remove_prefix(kByteOrderMark.size());
  ++handedOut_;
  line.clear();
  if (utf8_)
    line.append(bytes);
  else
    appendDecodedWindows1252(line, bytes);
  return true;
}

SplitRecord readRecord(std::string_view line, const std::optional<RecordPlan>& plan,
                       std::vector<Field>& scratch, char separator) {
  if (!plan || !holdsRecord(line)) {
    SplitRecord none;
    none.complete = true;  // nothing was split, so nothing was left over
    return none;
  }
  return splitRecord(line, *plan, scratch, separator);
}

}  // namespace brelosta
