#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/record_layout.hpp"

namespace brelosta {

// The most records a point file may hold.
inline constexpr std::size_t kMaxRecords = 999999;

// One point of a batch, by meaning (see SplitRecord for the slots). A line
// that holds no record, or a layout that does not fit the panel, gives a
// record that was not read: every slot empty, the height included.
struct PointRecord {
  bool read = false;
  // Whether the line held exactly the layout's fields.
  bool complete = true;
  std::string_view id;
  std::array<Field, kMaxSlots> slots{};
};

// The lines of a point file. The text is kept once, in UTF-8, with where
// each line starts; a record is split from its line when it is asked for,
// so a batch of a million points takes little more memory than its file.
// The texts of a record point into the batch.
class PointBatch {
 public:
  // A file's text: Windows-1252 or UTF-8, lines ended by CR LF, LF or CR.
  explicit PointBatch(std::string text);

  // Nothing when the file cannot be opened or read.
  static std::optional<PointBatch> readFile(const std::filesystem::path& path);

  // The number of lines, without the blank lines that end the file: an
  // editor's empty last line is not a point.
  std::size_t size() const { return begins_.size(); }
  // More than kMaxRecords lines (the count then stops there).
  bool overLimit() const { return overLimit_; }

  // Line or record `number`, from 1.
  std::string_view line(std::size_t number) const;
  PointRecord record(std::size_t number, const std::optional<RecordPlan>& plan, std::vector<Field>& scratch) const;

 private:
  std::string text_;
  std::vector<std::size_t> begins_;
  std::vector<std::size_t> lengths_;
  bool overLimit_ = false;
};

}  // namespace brelosta
