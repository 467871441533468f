#pragma once

#include "app/app.hpp"
#include "geodesy/datum_shift.hpp"

namespace brelosta {

// The frames of the shift method (Conversion), its parameters (Parametros)
// and the fundamental point (PF). Showing them leaves the fundamental point
// as it is while Molodensky is checked, which has none; hiding them hides
// all three.
void showMethodFrames(MainWindowState& state);
void hideMethodFrames(MainWindowState& state);

// A click on Check1, Check2 or Check3 (after the box toggled its value): a
// box left checked becomes the only checked one and the parameter boxes the
// method does not use are hidden; a box left unchecked changes nothing else,
// and no method is chosen.
void methodBoxClicked(App& app, DatumShiftMethod method);

// A click on Label9, Label10 or Label11: checks the box and runs its reaction.
void methodLabelClicked(App& app, DatumShiftMethod method);

}  // namespace brelosta
