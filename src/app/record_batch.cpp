#include "app/record_batch.hpp"

namespace brelosta {
namespace {

// A batch's size: enough records that handing it on costs little beside
// writing them, few enough that two batches keep a run's memory small. A
// line may hold a mebibyte, so the texts' bytes bound it too.
constexpr std::size_t kBatchRecords = 1024;
constexpr std::size_t kBatchBytes = std::size_t{256} << 10;

}  // namespace

bool RecordBatch::full() const { return records_.size() >= kBatchRecords || bytes_.size() >= kBatchBytes; }

void RecordBatch::store(const Field& field) {
  fields_.push_back({field.type, field.mark, static_cast<std::uint32_t>(bytes_.size()),
                     static_cast<std::uint32_t>(field.text.size()), field.number});
  bytes_ += field.text;
}

void RecordBatch::add(std::size_t number, std::string_view id, const RecordSlots& slots, const RecordSlots* results) {
  records_.push_back({number, results == nullptr});
  store(Field{Field::Type::Text, id, 0.0});
  for (int s = 0; s < slotsKept_; ++s) store(slots[static_cast<std::size_t>(s)]);
  if (results != nullptr)
    for (int s = 0; s < resultsKept_; ++s) store((*results)[static_cast<std::size_t>(s)]);
}

void RecordBatch::addHead(ReportData head) {
  head_ = std::move(head);
  headBefore_ = records_.size();
}

void RecordBatch::clear() {
  bytes_.clear();
  fields_.clear();
  records_.clear();
  head_.reset();
  headBefore_ = 0;
}

}  // namespace brelosta
