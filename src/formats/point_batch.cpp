#include "formats/point_batch.hpp"

#include <utility>

#include "core/text_file.hpp"
#include "core/windows1252.hpp"

namespace brelosta {
namespace {

bool isBlankLine(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

}  // namespace

PointBatch::PointBatch(std::string text) : text_(std::move(text)) {
  LineReader reader(text_);
  std::string_view line;
  std::size_t lastRecordLine = 0;  // lines up to here end in a line that is not blank
  while (reader.next(line)) {
    if (begins_.size() == kMaxRecords && !isBlankLine(line)) {
      overLimit_ = true;
      break;
    }
    if (begins_.size() == kMaxRecords) continue;
    begins_.push_back(static_cast<std::size_t>(line.data() - text_.data()));
    lengths_.push_back(line.size());
    if (!isBlankLine(line)) lastRecordLine = begins_.size();
  }
  begins_.resize(lastRecordLine);
  lengths_.resize(lastRecordLine);
}

std::optional<PointBatch> PointBatch::readFile(const std::filesystem::path& path) {
  auto bytes = readFileBytes(path);
  if (!bytes) return std::nullopt;
  return PointBatch(decodeFileTextInPlace(std::move(*bytes)));
}

std::string_view PointBatch::line(std::size_t number) const {
  return std::string_view(text_).substr(begins_[number - 1], lengths_[number - 1]);
}

PointRecord PointBatch::record(std::size_t number, const std::optional<RecordPlan>& plan,
                               std::vector<Field>& scratch) const {
  PointRecord record;
  const std::string_view text = line(number);
  if (!plan || !holdsRecord(text)) return record;
  const SplitRecord split = splitRecord(text, *plan, scratch);
  record.read = true;
  record.complete = split.complete;
  record.id = split.id;
  record.slots = split.slots;
  return record;
}

}  // namespace brelosta
