#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/field_stream.hpp"
#include "geodesy/coordinate_system.hpp"

namespace brelosta {

// How the records of a point file are read: grid coordinates (north, east),
// decimal degrees, or degrees-minutes-seconds with three fields per angle.
enum class RecordFamily { Grid, GeographicDecimal, GeographicDms };

RecordFamily recordFamily(CoordinateSystemKind kind, AngleFormat format);

// The record layouts of point files, in the order of the layout lists.
inline constexpr std::array<std::string_view, 8> kGridLayoutNames = {
    "Norte Este",   "Este Norte",   "Id Norte Este",   "Id Este Norte",
    "Norte Este H", "Este Norte H", "Id Norte Este H", "Id Este Norte H"};
inline constexpr std::array<std::string_view, 8> kGeographicLayoutNames = {
    "LAT LON",   "LON LAT",   "Id LAT LON",   "Id LON LAT",
    "LAT LON H", "LON LAT H", "Id LAT LON H", "Id LON LAT H"};

// A record's values by meaning, whatever the field order of its layout:
// slots 0, 1, 2 are north, east, height (grid) or latitude, longitude,
// height (decimal degrees); degrees-minutes-seconds use slots 0 to 2 for the
// latitude, 3 to 5 for the longitude and 6 for the height.
inline constexpr int kMaxSlots = 7;
inline int slotCount(RecordFamily family) { return family == RecordFamily::GeographicDms ? 7 : 3; }
inline int heightSlot(RecordFamily family) { return slotCount(family) - 1; }

// The name of a slot as a header row of the layout's fields writes it:
// "Norte", "Este", "LAT", "LON", "H"; degrees, minutes and seconds "LAT
// grados", "LAT minutos", "LAT segundos".
std::string slotFieldName(RecordFamily family, int slot);

// Where each field of a record goes: a slot number, or kIdField.
inline constexpr int kIdField = -1;

struct RecordPlan {
  std::vector<int> fieldSlots;  // one entry per field, in the file's order
  bool hasHeight = false;
  int slotCount = 0;
  int heightSlot = 0;
};

// The plan of a layout name for a family; nothing when the name is not a
// layout of that family (a LAT/LON layout with grid coordinates, or the
// reverse, or no layout at all).
std::optional<RecordPlan> recordPlan(std::string_view layoutName, RecordFamily family);

// One record split from one line. The texts point into the line.
struct SplitRecord {
  std::string_view id;
  std::array<Field, kMaxSlots> slots{};
  // Whether the line held exactly as many fields as the layout has: a line
  // with more or fewer fields is a data error of the run, never read on into
  // the next record.
  bool complete = false;
};

// Splits a line into the plan's slots: the fields in layout order, a layout
// without height getting the number 0 as height. Fields beyond the line's
// last one stay empty, fields beyond the layout's last one are dropped.
// Fields end at `separator`: a comma (splitFields), or ";" or a tab
// (splitSeparatedFields).
SplitRecord splitRecord(std::string_view line, const RecordPlan& plan, std::vector<Field>& scratch,
                        char separator = ',');

// The fields of a line that ends them at `separator`.
inline void splitFieldsAt(std::string_view line, char separator, std::vector<Field>& fields) {
  if (separator == ',')
    splitFields(line, fields);
  else
    splitSeparatedFields(line, separator, fields);
}

// A line shorter than two characters (a blank line) holds no record.
inline bool holdsRecord(std::string_view line) { return line.size() >= 2; }

// Whether a line holds nothing but blanks and tabs. A record line is told
// at its first character, without a library search.
inline bool isBlankLine(std::string_view line) {
  for (const char c : line)
    if (c != ' ' && c != '\t') return false;
  return true;
}

}  // namespace brelosta
