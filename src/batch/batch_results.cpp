#include "batch/batch_results.hpp"

#include <algorithm>

namespace brelosta {
namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 20;
constexpr char kEndOfText = '\0';

}  // namespace

void BatchResults::addConverted(const std::array<const std::string*, kMaxSlots>& texts) {
  std::size_t length = 0;
  for (int k = 0; k < slotsPerRecord_; ++k) length += texts[static_cast<std::size_t>(k)]->size() + 1;
  // A record's texts stay in one block.
  if (blocks_.empty() || blocks_.back().size() + length > blocks_.back().capacity()) {
    blocks_.emplace_back();
    blocks_.back().reserve(std::max(kBlockSize, length));
  }
  std::string& block = blocks_.back();
  for (int k = 0; k < slotsPerRecord_; ++k) {
    block += *texts[static_cast<std::size_t>(k)];
    block += kEndOfText;
  }
  skipped_.push_back(false);
}

void BatchResults::addSkipped() { skipped_.push_back(true); }

bool BatchResults::Reader::next(std::array<std::string_view, kMaxSlots>& texts) {
  const bool skipped = results_.skipped_[record_++];
  if (skipped) return false;
  if (offset_ == results_.blocks_[block_].size()) {
    ++block_;
    offset_ = 0;
  }
  const std::string_view block = results_.blocks_[block_];
  for (int k = 0; k < results_.slotsPerRecord_; ++k) {
    const std::size_t end = block.find(kEndOfText, offset_);
    texts[static_cast<std::size_t>(k)] = block.substr(offset_, end - offset_);
    offset_ = end + 1;
  }
  return true;
}

}  // namespace brelosta
