// The point-file reader on any file content, for every record layout of
// every family: the lines are those of the file (blank lines at its end
// aside), every record is split from its own line, and a complete record
// used every field. The field separator a first record decides is the
// comma for every line without a ";" or a tab outside quotes, and for every
// line that reads with commas as a record of whole numbers; a ";" or tab
// line's numbers are their texts read with their own decimal mark.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/field_stream.hpp"
#include "core/number_reading.hpp"
#include "core/text_file.hpp"
#include "core/windows1252.hpp"
#include "formats/first_record.hpp"
#include "formats/point_file.hpp"

using namespace brelosta;

namespace {

// The separator the first record decides, checked against the rule that
// keeps every comma file as it reads.
void checkSeparator(std::string_view line, const std::optional<RecordPlan>& plan,
                    std::vector<Field>& scratch) {
  for (const NumberFormat format : {NumberFormat::point(), NumberFormat::comma()}) {
    const char separator = fieldSeparator(line, plan, format);
    const bool other = holdsOutsideQuotes(line, ';') || holdsOutsideQuotes(line, '\t');
    if (!other && separator != ',') std::abort();
    const SplitRecord withCommas = readRecord(line, plan, scratch);
    bool numbers = withCommas.complete;
    for (int k = 0; numbers && k < plan->slotCount; ++k)
      numbers = withCommas.slots[static_cast<std::size_t>(k)].isNumber();
    if (numbers && separator != ',') std::abort();
    if (separator == ',') continue;
    splitSeparatedFields(line, separator, scratch);
    for (const Field& field : scratch) {
      if (!field.isNumber()) continue;
      std::string pointed(field.text);
      if (field.mark == ',') std::replace(pointed.begin(), pointed.end(), ',', '.');
      if (plainNumber(pointed) != field.number) std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = decodeFileText(bytes);
  if (decodeFileTextInPlace(bytes) != text) std::abort();  // the two decoders agree
  std::FILE* file = std::tmpfile();
  if (file == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) std::abort();
  auto points = PointFile::open(file);
  if (!points) std::abort();
  const auto lines = splitLines(text);
  if (points->size() > lines.size() || points->overLimit()) std::abort();
  std::vector<std::string> read;
  std::string line;
  while (points->next(line)) read.push_back(line);
  if (read.size() != points->size()) std::abort();
  std::vector<Field> scratch;
  std::vector<Field> fields;
  for (const RecordFamily family :
       {RecordFamily::Grid, RecordFamily::GeographicDecimal, RecordFamily::GeographicDms}) {
    const auto& names = family == RecordFamily::Grid ? kGridLayoutNames : kGeographicLayoutNames;
    for (std::string_view name : names) {
      const auto plan = recordPlan(name, family);
      if (!plan) std::abort();
      for (std::size_t number = 1; number <= read.size(); ++number) {
        const std::string_view recordLine = read[number - 1];
        if (recordLine != lines[number - 1]) std::abort();
        const SplitRecord record = readRecord(recordLine, plan, scratch);
        if (!holdsRecord(recordLine)) continue;
        checkSeparator(recordLine, plan, scratch);
        splitFields(recordLine, fields);
        if (record.complete != (fields.size() == plan->fieldSlots.size())) std::abort();
        if (!plan->hasHeight && !record.slots[static_cast<std::size_t>(plan->heightSlot)].isNumber()) std::abort();
      }
    }
  }
  return 0;
}
