#include "formats/first_record.hpp"

#include <algorithm>
#include <vector>

#include "core/data_error.hpp"
#include "core/number_reading.hpp"
#include "formats/screening.hpp"

namespace brelosta {
namespace {

constexpr char kSpreadsheetSeparators[] = {';', '\t'};

// Whether the run would take the line as a record of the layout: passed
// over by the screening, or with the layout's fields and every coordinate a
// number or a text the user's format reads.
bool readsAsRecord(std::string_view line, const RecordPlan& plan, char separator, NumberFormat format) {
  std::vector<Field> scratch;
  const SplitRecord record = splitRecord(line, plan, scratch, separator);
  try {
    if (skippedByScreening(record.slots[0], format)) return true;
  } catch (const DataError&) {
    return false;
  }
  if (!record.complete) return false;
  return std::all_of(record.slots.begin(), record.slots.begin() + plan.slotCount, [&](const Field& field) {
    return field.type != Field::Type::Text || boxValue(field.text, format).has_value();
  });
}

// Whether a text is a word as column titles write them: a letter first,
// then letters, digits, blanks and the marks of units ("Norte", "H (m)",
// "Lat_°", "Estación"). Letters beyond ASCII are those of the Latin
// alphabets of two UTF-8 bytes (U+00C0 to U+024F but × and ÷); a binary
// line's bytes seldom make such a text.
bool isTitleWord(std::string_view text) {
  constexpr std::string_view kMarks = " _-.()[]/#'°ºª";
  const auto asciiLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  for (std::size_t k = 0; k < text.size(); ++k) {
    const auto byte = static_cast<unsigned char>(text[k]);
    if (byte < 0x80) {
      const bool allowed =
          asciiLetter(text[k]) ||
          (k > 0 && ((byte >= '0' && byte <= '9') || kMarks.find(text[k]) != std::string_view::npos));
      if (!allowed) return false;
      continue;
    }
    if (k + 1 >= text.size()) return false;
    const auto next = static_cast<unsigned char>(text[k + 1]);
    const bool latinLetter = byte >= 0xC3 && byte <= 0xC9 && (next & 0xC0) == 0x80 &&
                             !(byte == 0xC3 && (next == 0x97 || next == 0xB7));
    const bool unitMark = k > 0 && kMarks.find(text.substr(k, 2)) != std::string_view::npos;
    if (!latinLetter && !unitMark) return false;
    ++k;
  }
  return !text.empty();
}

}  // namespace

bool holdsOutsideQuotes(std::string_view line, char separator) {
  bool quoted = false;
  for (const char c : line) {
    if (c == '"') quoted = !quoted;
    if (c == separator && !quoted) return true;
  }
  return false;
}

char fieldSeparator(std::string_view firstRecord, const std::optional<RecordPlan>& plan,
                    NumberFormat format) {
  if (!plan || readsAsRecord(firstRecord, *plan, ',', format)) return ',';
  std::optional<char> found;
  for (const char separator : kSpreadsheetSeparators) {
    if (!holdsOutsideQuotes(firstRecord, separator)) continue;
    if (readsAsRecord(firstRecord, *plan, separator, format)) return separator;
    if (!found) found = separator;
  }
  return found.value_or(',');
}

std::string_view separatorName(char separator) {
  if (separator == ';') return "punto y coma";
  if (separator == '\t') return "tabulador";
  return "coma";
}

bool looksLikeTitles(std::string_view line, char separator, NumberFormat format) {
  std::vector<Field> fields;
  splitFieldsAt(line, separator, fields);
  return fields.size() >= 2 && std::all_of(fields.begin(), fields.end(), [&](const Field& field) {
           return field.type == Field::Type::Text && isTitleWord(field.text) && !boxValue(field.text, format);
         });
}

}  // namespace brelosta
