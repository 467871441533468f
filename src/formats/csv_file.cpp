#include "formats/csv_file.hpp"

namespace brelosta {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool needsQuotes(std::string_view text) {
  return text.find_first_of(",\"\r\n") != std::string_view::npos || text.starts_with(' ') ||
         text.ends_with(' ');
}

}  // namespace

void appendCsvField(std::string& out, std::string_view text) {
  if (!needsQuotes(text)) {
    out += text;
    return;
  }
  out += '"';
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

CsvWriter::CsvWriter(const RecordPlan& plan, RecordFamily family, bool byteOrderMark)
    : plan_(plan), family_(family), byteOrderMark_(byteOrderMark) {}

void CsvWriter::head(OutputSink& sink) {
  std::string& out = sink.text();
  if (byteOrderMark_) out += kByteOrderMark;
  bool first = true;
  for (const int slot : plan_.fieldSlots) {
    if (!first) out += ',';
    first = false;
    out += slot == kIdField ? "Id" : slotFieldName(family_, slot);
  }
  sink.endLine();
}

void CsvWriter::point(OutputSink& sink, const OutputPoint& point) {
  std::string& out = sink.text();
  bool first = true;
  for (const int slot : plan_.fieldSlots) {
    if (!first) out += ',';
    first = false;
    appendCsvField(out, slot == kIdField ? point.id : (*point.values)[static_cast<std::size_t>(slot)].text);
  }
  sink.endLine();
}

}  // namespace brelosta
