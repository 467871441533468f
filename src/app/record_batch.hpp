#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/field_stream.hpp"
#include "formats/record_layout.hpp"
#include "formats/report.hpp"

namespace brelosta {

using RecordSlots = std::array<Field, kMaxSlots>;

// File records on their way to the output, copied out of their lines so
// that another thread may write them while the next lines are read: each
// record's number, Id, the first of its input slots and of its results (no
// results for a record that failed) that the output writes, as many as the
// batch was made to keep; and where the report's header goes among them.
class RecordBatch {
 public:
  // Keeps the first `slots` input slots and `results` results of each record.
  RecordBatch(int slots, int results) : slotsKept_(slots), resultsKept_(results) {}

  // Whether the batch holds enough to be handed on: a few thousand records,
  // or fewer long ones.
  bool full() const;

  // `results` is nothing for a record that failed.
  void add(std::size_t number, std::string_view id, const RecordSlots& slots, const RecordSlots* results);
  // The report's header goes before the next record added.
  void addHead(ReportData head);

  // Calls head(const ReportData&) where the header goes and
  // record(number, id, slots, results) for each record, in order.
  template <class Head, class Record>
  void forEach(Head&& head, Record&& record) const {
    RecordSlots slots{};
    RecordSlots results{};
    const StoredField* next = fields_.data();
    for (std::size_t k = 0; k < records_.size(); ++k) {
      if (head_ && headBefore_ == k) head(*head_);
      const Stored& stored = records_[k];
      const std::string_view id = text(*next++);
      for (int s = 0; s < slotsKept_; ++s) slots[static_cast<std::size_t>(s)] = field(*next++);
      if (!stored.failed)
        for (int s = 0; s < resultsKept_; ++s) results[static_cast<std::size_t>(s)] = field(*next++);
      record(stored.number, id, slots, stored.failed ? nullptr : &results);
    }
    if (head_ && headBefore_ == records_.size()) head(*head_);
  }

  void clear();

 private:
  // A field whose text is at `offset` in bytes_.
  struct StoredField {
    Field::Type type = Field::Type::Empty;
    char mark = '.';
    std::uint32_t offset = 0;
    std::uint32_t size = 0;
    double number = 0.0;
  };
  // A record's fields follow those of the record before in fields_: its
  // Id, its slots kept and, unless it failed, its results kept.
  struct Stored {
    std::size_t number = 0;
    bool failed = false;
  };

  void store(const Field& field);
  std::string_view text(const StoredField& field) const { return {bytes_.data() + field.offset, field.size}; }
  Field field(const StoredField& stored) const { return {stored.type, text(stored), stored.number, stored.mark}; }

  int slotsKept_;
  int resultsKept_;
  std::string bytes_;  // the texts of every field, one after another
  std::vector<StoredField> fields_;
  std::vector<Stored> records_;
  std::optional<ReportData> head_;
  std::size_t headBefore_ = 0;
};

}  // namespace brelosta
