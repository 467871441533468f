// The point-file reader on any file content, for every record layout of
// every family: the lines are those of the file (blank lines at its end
// aside), every record is split from its own line, and a complete record
// used every field.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/field_stream.hpp"
#include "core/text_file.hpp"
#include "core/windows1252.hpp"
#include "formats/point_batch.hpp"

using namespace brelosta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = decodeFileText(bytes);
  if (decodeFileTextInPlace(bytes) != text) std::abort();  // the two decoders agree
  const PointBatch batch(text);
  const auto lines = splitLines(text);
  if (batch.size() > lines.size() || batch.overLimit()) std::abort();
  std::vector<Field> scratch;
  std::vector<Field> fields;
  for (const RecordFamily family :
       {RecordFamily::Grid, RecordFamily::GeographicDecimal, RecordFamily::GeographicDms}) {
    const auto& names = family == RecordFamily::Grid ? kGridLayoutNames : kGeographicLayoutNames;
    for (std::string_view name : names) {
      const auto plan = recordPlan(name, family);
      if (!plan) std::abort();
      for (std::size_t number = 1; number <= batch.size(); ++number) {
        const std::string_view line = batch.line(number);
        if (line != lines[number - 1]) std::abort();
        const PointRecord record = batch.record(number, plan, scratch);
        if (record.read != holdsRecord(line)) std::abort();
        if (!record.read) continue;
        splitFields(line, fields);
        if (record.complete != (fields.size() == plan->fieldSlots.size())) std::abort();
        if (!plan->hasHeight && !record.slots[static_cast<std::size_t>(plan->heightSlot)].isNumber()) std::abort();
      }
    }
  }
  return 0;
}
