#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "formats/batch_results.hpp"
#include "formats/input_cells.hpp"
#include "formats/point_batch.hpp"

namespace brelosta {

// One record as the output files show it: its number (from 1), its Id, its
// input slots (source meaning, when asked for: their types and texts, the
// numbers not read) and its output slots (target meaning): the result texts
// of a converted record, the input slots again, numbers read, for a record
// the screening passed over.
struct OutputRecord {
  std::size_t number = 0;
  std::string_view id;
  std::array<Field, kMaxSlots> input{};
  std::array<Field, kMaxSlots> output{};
};

// Walks a converted batch from its first record to its last.
class ConvertedRecords {
 public:
  ConvertedRecords(const PointBatch& batch, const std::optional<RecordPlan>& sourcePlan, const InputCells& cells,
                   const BatchResults& results)
      : batch_(batch), sourcePlan_(sourcePlan), cells_(cells), results_(results), reader_(results) {}

  std::size_t size() const { return results_.size(); }
  int outputSlots() const { return results_.slotsPerRecord(); }
  // False after the last record. The input slots are split from the line
  // again only when asked for (or needed as output).
  bool next(OutputRecord& record, bool withInput);
  // From the first record again.
  ConvertedRecords restart() const { return ConvertedRecords(batch_, sourcePlan_, cells_, results_); }

 private:
  const PointBatch& batch_;
  const std::optional<RecordPlan>& sourcePlan_;
  const InputCells& cells_;
  const BatchResults& results_;
  BatchResults::Reader reader_;
  std::size_t number_ = 0;
  std::vector<Field> scratch_;
  std::array<std::string_view, kMaxSlots> texts_{};
};

}  // namespace brelosta
