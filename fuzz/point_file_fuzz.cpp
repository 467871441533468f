// The point-file reader on any file content, for every record layout of
// every family: the lines are those of the file (blank lines at its end
// aside), every record is split from its own line, and a complete record
// used every field.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/field_stream.hpp"
#include "core/text_file.hpp"
#include "core/windows1252.hpp"
#include "formats/point_file.hpp"

using namespace brelosta;

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
        splitFields(recordLine, fields);
        if (record.complete != (fields.size() == plan->fieldSlots.size())) std::abort();
        if (!plan->hasHeight && !record.slots[static_cast<std::size_t>(plan->heightSlot)].isNumber()) std::abort();
      }
    }
  }
  return 0;
}
