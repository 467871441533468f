#pragma once

// Helpers of the batch tests: a converted batch built from a point file's
// text and the result texts a run would have stored.

#include <string>
#include <string_view>
#include <vector>

#include "core/text_file.hpp"
#include "core/windows1252.hpp"
#include "formats/batch_results.hpp"
#include "formats/converted_records.hpp"
#include "formats/input_cells.hpp"
#include "formats/output_sink.hpp"
#include "formats/point_batch.hpp"

namespace brelosta::testing {

// A batch read from `text` in `layout`, with one result per record: the
// texts of `results[k]`, or the record skipped when they are empty.
struct ConvertedBatch {
  ConvertedBatch(std::string text, std::string_view layout, RecordFamily source, RecordFamily target,
                 const std::vector<std::vector<std::string>>& results)
      : batch(std::move(text)),
        plan(recordPlan(layout, source)),
        cells(slotCount(source), batch.size()),
        stored(slotCount(target)) {
    std::vector<Field> scratch;
    for (std::size_t n = 1; n <= batch.size(); ++n) {
      const PointRecord record = batch.record(n, plan, scratch);
      cells.add(batch.line(n), record);
      const std::vector<std::string>& texts = results[n - 1];
      if (texts.empty()) {
        stored.addSkipped(record.id);
        continue;
      }
      std::array<const std::string*, kMaxSlots> slots{};
      for (std::size_t k = 0; k < texts.size(); ++k) slots[k] = &texts[k];
      stored.addConverted(record.id, slots);
    }
  }

  ConvertedRecords records() const { return ConvertedRecords(batch, plan, cells, stored); }

  PointBatch batch;
  std::optional<RecordPlan> plan;
  InputCells cells;
  BatchResults stored;
};

// What a writer hands to its sink, as the file's bytes.
struct FileBytes {
  std::string bytes;
  OutputSink sink{[this](std::string_view chunk) { bytes += chunk; }};

  // The file's lines as UTF-8; every line must end with CR LF.
  std::vector<std::string> lines() {
    sink.finish();
    std::vector<std::string> out;
    const std::string text = decodeWindows1252(bytes);
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
      out.push_back(text.substr(start, end - start));
    if (start != text.size()) out.push_back("(no CR LF) " + text.substr(start));
    return out;
  }
};

}  // namespace brelosta::testing
