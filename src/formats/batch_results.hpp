#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "formats/record_layout.hpp"

namespace brelosta {

// The result of every record of a file run, in record order: the record's
// Id (pointing into the batch) and the texts the target panel showed after
// the record was converted (slots by meaning, as in SplitRecord, for the
// target's kind and angle format), or the mark that the screening passed
// over it. The texts are packed into large blocks, so a
// million results neither allocate a million times nor move while growing.
class BatchResults {
 public:
  explicit BatchResults(int slotsPerRecord) : slotsPerRecord_(slotsPerRecord) {}

  int slotsPerRecord() const { return slotsPerRecord_; }
  std::size_t size() const { return skipped_.size(); }

  // The record's texts, slotsPerRecord() of them.
  void addConverted(std::string_view id, const std::array<const std::string*, kMaxSlots>& texts);
  void addSkipped(std::string_view id);

  // Walks the results from the first record on.
  class Reader {
   public:
    explicit Reader(const BatchResults& results) : results_(results) {}
    // The next record's Id and result: false when it was skipped (the
    // texts are then left alone).
    bool next(std::string_view& id, std::array<std::string_view, kMaxSlots>& texts);

   private:
    const BatchResults& results_;
    std::size_t record_ = 0;
    std::size_t block_ = 0;
    std::size_t offset_ = 0;
  };

 private:
  int slotsPerRecord_;
  std::vector<std::string> blocks_;  // texts, each after its length
  std::vector<std::string_view> ids_;
  std::vector<bool> skipped_;
};

}  // namespace brelosta
