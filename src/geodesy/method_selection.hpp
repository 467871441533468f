#pragma once

#include "ui/app.hpp"

namespace brelosta {

enum class DatumShiftMethod { Molodensky, BursaWolf, BadekasMolodensky };

// A click on Check1, Check2 or Check3 (after the box toggled its value).
void methodBoxClicked(App& app, DatumShiftMethod method);

// A click on Label9, Label10 or Label11: checks the box and runs its reaction.
void methodLabelClicked(App& app, DatumShiftMethod method);

}  // namespace brelosta
