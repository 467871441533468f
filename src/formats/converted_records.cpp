#include "formats/converted_records.hpp"

namespace brelosta {

bool ConvertedRecords::next(OutputRecord& record, bool withInput) {
  if (number_ == results_.size()) return false;
  ++number_;
  record.number = number_;
  const bool converted = reader_.next(record.id, texts_);
  if (!converted) {
    record.input = batch_.record(number_, sourcePlan_, scratch_).slots;
    record.output = record.input;
    return true;
  }
  if (withInput && !cells_.get(number_, batch_.line(number_), sourcePlan_, record.input))
    record.input = batch_.record(number_, sourcePlan_, scratch_).slots;
  record.output = {};
  for (int k = 0; k < results_.slotsPerRecord(); ++k)
    record.output[static_cast<std::size_t>(k)] = Field{Field::Type::Text, texts_[static_cast<std::size_t>(k)], 0.0};
  return true;
}

}  // namespace brelosta
