#pragma once

#include <optional>

#include "app/main_window_state.hpp"
#include "formats/catalogues.hpp"

namespace brelosta {

// The shared display of a datum: its ten parameters into Dx_label ... ZZMM
// and its code into Codigo, numbers as the shortest text in the user's
// format. An empty slot (a catalogue line that is no record) shows zeros and
// no code.
void showDatumParameters(MainWindowState& state, const std::optional<Datum>& datum);

// The ellipsoid boxes elipsoide_n, elipsoide_a, elipsoide_f.
void showEllipsoid(MainWindowState& state, const Ellipsoid& ellipsoid);
void showEllipsoid(MainWindowState& state, const Wgs84EllipsoidValues& ellipsoid);

}  // namespace brelosta
