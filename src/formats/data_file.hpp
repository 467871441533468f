#pragma once

#include <optional>

#include "core/number_format.hpp"
#include "formats/record_layout.hpp"

namespace brelosta {

// One line of the output file without header: the record's Id and output
// slots (target meaning) in the target layout, fields joined by commas. A
// target layout of the other family writes no line at all, so such a file
// stays empty.
void appendDataLine(std::string& out, const RecordPlan& targetPlan, std::string_view id,
                    const std::array<Field, kMaxSlots>& output, NumberFormat format);

// One field of an output line: a text as it stands, in double quotes when
// it holds a comma (a decimal comma, an Id such as "P1, base") or blanks at
// either end, which a reader would otherwise split or trim; a number with a
// blank for its sign and a blank after it.
void appendOutputField(std::string& out, const Field& field, NumberFormat format);

}  // namespace brelosta
