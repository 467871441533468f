#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "app/app.hpp"
#include "core/field_stream.hpp"
#include "formats/record_layout.hpp"
#include "geodesy/positions.hpp"

namespace brelosta {

// The point a conversion starts from: the source panel's entry boxes in slot
// order (see SplitRecord) for the panel's record family. A typed point holds
// the boxes' texts; a file record holds its fields, whose numbers are taken
// as they are and whose texts are read as the boxes would read them (with
// the user's number format). An empty text, or an empty field, is an empty
// box. The conversion writes "0" into the entries the panel would fill.
using PointEntry = std::array<Field, kMaxSlots>;

// The entry slots of the latitude (north) and longitude (east) boxes; the
// degrees boxes in degree-minute-second entry.
inline constexpr std::size_t kFirstEntrySlot = 0;
inline std::size_t secondSlot(RecordFamily family) { return family == RecordFamily::GeographicDms ? 3 : 1; }
inline std::size_t heightEntrySlot(RecordFamily family) { return static_cast<std::size_t>(heightSlot(family)); }

// An entry the conversion cannot take, by its slot: an empty latitude/north
// or longitude/east entry, or a text that is not a number. The conversion
// says which box or field it was.
struct EntryError {
  std::size_t slot;
  bool empty;
};

bool isEmptyEntry(const Field& entry);
// The strict value of an entry; a text that is not a number throws
// EntryError.
double strictEntry(const PointEntry& entry, std::size_t slot, NumberFormat format);
double lenientEntry(const Field& entry, NumberFormat format);

// Presence and height of the source point: throws EntryError (empty) when
// the latitude/north or longitude/east entry is empty, writes "0" into an
// empty height entry, and returns the strict value of the height (metres).
double takeSourceHeight(PointEntry& entry, RecordFamily family, NumberFormat format);

// Range checks of a geographic or UTM source point, on lenient values with
// inclusive bounds; a point out of range throws its refusal (PointFailure),
// with `place(slot)` as the message's second line.
void checkSourceRange(NumberFormat format, const PointEntry& entry, RecordFamily family,
                      CoordinateSystemKind kind, const std::function<std::string(std::size_t slot)>& place);

// The latitude and longitude of a geographic entry, in signed decimal
// degrees. Empty entries become "0"; in degree-minute-second entry the sign
// comes from the degrees alone ("-0" is negative, "0" positive, any other
// text the sign of its lenient value; a number its sign, -0 negative) and the
// signs of the minutes and seconds are ignored.
LatLon readGeographicEntry(PointEntry& entry, RecordFamily family, NumberFormat format);

// The sign rule of a degrees text: -1, 0 or +1.
double degreesTextSign(std::string_view degreesText, NumberFormat format);

}  // namespace brelosta
