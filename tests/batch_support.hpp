#pragma once

// Helpers of the batch tests: the records of a point file's text with the
// result texts a run would have given them, written as a run writes them.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text_file.hpp"
#include "core/windows1252.hpp"
#include "formats/data_file.hpp"
#include "formats/output_sink.hpp"
#include "formats/point_file.hpp"
#include "formats/report.hpp"

namespace brelosta::testing {

// The records of `text` in `layout`, with one result per record: the texts
// of `results[k]`, or the record skipped when they are empty.
struct ConvertedBatch {
  struct Record {
    std::string_view id;
    std::array<Field, kMaxSlots> input{};
    std::array<Field, kMaxSlots> output{};
  };

  ConvertedBatch(std::string text, std::string_view layout, RecordFamily source, RecordFamily target,
                 const std::vector<std::vector<std::string>>& results)
      : text_(std::move(text)), results_(results) {
    const auto plan = recordPlan(layout, source);
    std::vector<std::string_view> lines = splitLines(text_);
    while (!lines.empty() && lines.back().find_first_not_of(" \t") == std::string_view::npos) lines.pop_back();
    std::vector<Field> scratch;
    for (std::size_t n = 0; n < lines.size(); ++n) {
      const SplitRecord split = readRecord(lines[n], plan, scratch);
      Record record{split.id, split.slots, split.slots};
      const std::vector<std::string>& texts = results_[n];
      if (!texts.empty()) {
        record.output = {};
        for (std::size_t k = 0; k < texts.size() && k < static_cast<std::size_t>(slotCount(target)); ++k)
          record.output[k] = Field{Field::Type::Text, texts[k], 0.0};
      }
      records_.push_back(record);
    }
  }

  const ConvertedBatch& records() const { return *this; }
  const std::vector<Record>& all() const { return records_; }

 private:
  std::string text_;
  std::vector<std::vector<std::string>> results_;
  std::vector<Record> records_;
};

// The report of a converted batch, as a run writes it.
inline void writeReport(const ReportData& data, const ConvertedBatch& batch, NumberFormat format, OutputSink& sink) {
  const auto rows = [&](ReportTable table, bool output) {
    if (table == ReportTable::None) return;
    std::size_t number = 0;
    for (const auto& record : batch.all()) {
      appendReportRow(sink.text(), table, ++number, record.id, output ? record.output : record.input, format);
      sink.endLine();
    }
  };
  writeReportHead(data, format, sink);
  rows(reportTable(data.source), false);
  writeReportMiddle(data, sink);
  rows(reportTable(data.target), true);
  writeReportEnd(sink);
}

// The data file of a converted batch, as a run writes it.
inline void writeDataFile(const ConvertedBatch& batch, const std::optional<RecordPlan>& targetPlan,
                          NumberFormat format, OutputSink& sink) {
  if (!targetPlan) return;
  for (const auto& record : batch.all()) {
    appendDataLine(sink.text(), *targetPlan, record.id, record.output, format);
    sink.endLine();
  }
}

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
