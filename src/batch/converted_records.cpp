#include "batch/converted_records.hpp"

namespace brelosta {

bool ConvertedRecords::next(OutputRecord& record) {
  if (number_ == results_.size()) return false;
  ++number_;
  const PointRecord input = batch_.record(number_, sourcePlan_, scratch_);
  record.number = number_;
  record.id = input.id;
  record.input = input.slots;
  if (!reader_.next(texts_)) {
    record.output = input.slots;
    return true;
  }
  record.output = {};
  for (int k = 0; k < results_.slotsPerRecord(); ++k)
    record.output[static_cast<std::size_t>(k)] = Field{Field::Type::Text, texts_[static_cast<std::size_t>(k)], 0.0};
  return true;
}

}  // namespace brelosta
