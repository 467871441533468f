#pragma once

#include "app/app.hpp"
#include "app/system_panel.hpp"
#include "geodesy/positions.hpp"

namespace brelosta {

// Presence and height of the source point: ends the command silently when
// the latitude/north or longitude/east box is empty, writes "0" into an
// empty height box, and returns the strict value of the height (metres).
double takeSourceHeight(const SystemPanel& source, NumberFormat format);

// Range checks of a geographic or UTM source point, on lenient values with
// inclusive bounds; a refusal ends the command.
void checkSourceRange(App& app, const SystemPanel& source, CoordinateSystemKind kind);

// The latitude and longitude typed in a geographic panel, in signed decimal
// degrees. Empty boxes become "0"; in degree-minute-second entry the sign
// comes from the degrees text alone ("-0" is negative, "0" positive, any
// other text the sign of its lenient value) and the signs of the minutes and
// seconds are ignored.
LatLon readGeographicEntry(const SystemPanel& source, NumberFormat format);

// The sign rule of a degrees text: -1, 0 or +1.
double degreesTextSign(std::string_view degreesText, NumberFormat format);

}  // namespace brelosta
