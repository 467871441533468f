#pragma once

#include <optional>

#include "core/number_format.hpp"
#include "formats/converted_records.hpp"
#include "formats/output_sink.hpp"

namespace brelosta {

// The output file without header: one line per record in the target
// layout, fields joined by commas. A target layout of the other family
// writes no line at all.
void writeDataFile(ConvertedRecords records, const std::optional<RecordPlan>& targetPlan, NumberFormat format,
                   OutputSink& sink);

// One field of an output line: a text as it stands, in double quotes when
// it holds a comma (a decimal comma, an Id such as "P1, base") or blanks at
// either end, which a reader would otherwise split or trim; a number with a
// blank for its sign and a blank after it.
void appendOutputField(std::string& out, const Field& field, NumberFormat format);

}  // namespace brelosta
