#pragma once

#include <optional>
#include <string_view>

#include "core/number_format.hpp"
#include "formats/record_layout.hpp"

namespace brelosta {

// What the first record of a point file tells about the whole file.

// The character that separates the file's fields, decided once per file
// from its first record: a comma, unless that record read with commas is
// not a record of the layout (a wrong number of fields, or a coordinate
// field that is neither a number nor a text the user's format reads as one;
// a record the screening passes over counts as one) and it holds a ";" or a
// tab outside double quotes; then ";" (or a tab) for the whole file, which
// is how spreadsheets save text with a decimal comma. So every file whose
// first record reads with commas reads as it always has. When the record
// holds both, the one it reads with wins, ";" before a tab.
char fieldSeparator(std::string_view firstRecord, const std::optional<RecordPlan>& plan, NumberFormat format);

// Whether the line holds `separator` outside double quotes.
bool holdsOutsideQuotes(std::string_view line, char separator);

// "coma", "punto y coma", "tabulador".
std::string_view separatorName(char separator);

// Whether a line is all words, as a line of column titles is (Id;Norte;Este;H
// or Norte,Este,H): two fields or more, each a word (a letter first, then
// letters, digits, blanks and marks of units such as "H (m)") that is not a
// number in the user's format.
bool looksLikeTitles(std::string_view line, char separator, NumberFormat format);

}  // namespace brelosta
