#include "formats/batch_results.hpp"

#include <algorithm>

namespace brelosta {
namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 20;

// A text's length goes before it in one byte, or for a long text in the
// byte kLongText and four more, lowest first.
constexpr unsigned char kLongText = 0xFF;
constexpr std::size_t kLengthBytes = 4;

void appendLength(std::string& block, std::size_t length) {
  if (length < kLongText) {
    block += static_cast<char>(length);
    return;
  }
  block += static_cast<char>(kLongText);
  for (std::size_t k = 0; k < kLengthBytes; ++k) block += static_cast<char>((length >> (8 * k)) & 0xFF);
}

std::size_t readLength(std::string_view block, std::size_t& offset) {
  const auto first = static_cast<unsigned char>(block[offset++]);
  if (first != kLongText) return first;
  std::size_t length = 0;
  for (std::size_t k = 0; k < kLengthBytes; ++k)
    length |= std::size_t{static_cast<unsigned char>(block[offset++])} << (8 * k);
  return length;
}

}  // namespace

void BatchResults::addConverted(std::string_view id, const std::array<const std::string*, kMaxSlots>& texts) {
  std::size_t length = 0;
  for (int k = 0; k < slotsPerRecord_; ++k) length += texts[static_cast<std::size_t>(k)]->size() + 1 + kLengthBytes;
  // A record's texts stay in one block.
  if (blocks_.empty() || blocks_.back().size() + length > blocks_.back().capacity()) {
    blocks_.emplace_back();
    blocks_.back().reserve(std::max(kBlockSize, length));
  }
  std::string& block = blocks_.back();
  for (int k = 0; k < slotsPerRecord_; ++k) {
    const std::string& text = *texts[static_cast<std::size_t>(k)];
    appendLength(block, text.size());
    block += text;
  }
  ids_.push_back(id);
  skipped_.push_back(false);
}

void BatchResults::addSkipped(std::string_view id) {
  ids_.push_back(id);
  skipped_.push_back(true);
}

bool BatchResults::Reader::next(std::string_view& id, std::array<std::string_view, kMaxSlots>& texts) {
  id = results_.ids_[record_];
  const bool skipped = results_.skipped_[record_++];
  if (skipped) return false;
  if (offset_ == results_.blocks_[block_].size()) {
    ++block_;
    offset_ = 0;
  }
  const std::string_view block = results_.blocks_[block_];
  for (int k = 0; k < results_.slotsPerRecord_; ++k) {
    const std::size_t length = readLength(block, offset_);
    texts[static_cast<std::size_t>(k)] = block.substr(offset_, length);
    offset_ += length;
  }
  return true;
}

}  // namespace brelosta
