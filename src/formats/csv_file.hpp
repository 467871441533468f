#pragma once

#include "formats/point_output.hpp"

namespace brelosta {

// Comma-separated values with a header row of the target layout's field
// names ("Id,Norte,Este,H"), one row a record: numbers with a decimal point
// as the target panel shows them, texts in double quotes where RFC 4180 asks
// for them. UTF-8, with a byte-order mark when `byteOrderMark` (Excel reads a
// file without one in the system's code page).
class CsvWriter : public PointWriter {
 public:
  CsvWriter(const RecordPlan& plan, RecordFamily family, bool byteOrderMark);

  void head(OutputSink& sink) override;
  void point(OutputSink& sink, const OutputPoint& point) override;
  void end(OutputSink&) override {}

 private:
  RecordPlan plan_;
  RecordFamily family_;
  bool byteOrderMark_;
};

// Appends a CSV field: as it stands, or in double quotes (inner quotes
// doubled) when it holds a comma, a quote or a line end, or starts or ends
// with a blank.
void appendCsvField(std::string& out, std::string_view text);

}  // namespace brelosta
