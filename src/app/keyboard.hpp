#pragma once

#include <span>
#include <string>
#include <string_view>

#include "app/app.hpp"

namespace brelosta {

// The convert button that Enter in a panel's box presses in point mode:
// Command1 (toward the right) for the point and projection boxes of the left
// panel, Command2 (toward the left) for those of the right panel; nullptr
// for any other control, and in file mode, where a run may overwrite the
// other panel's file and starts from its button only.
Control* convertButtonForEnter(MainWindowState& state, const Control& box);

// Enter in a box: presses the convert button of its panel, as a click
// would. False, with nothing done, for a control outside the panels.
bool enterPressed(App& app, const Control& box);

// The order in which Tab walks the main window's controls, by name: the
// left panel top to bottom (system, datum, point or file rows), the convert
// buttons, the right panel likewise, then the datum-shift frames in the
// middle and the command buttons. Hidden controls are passed over.
std::span<const std::string_view> tabOrder();

// A menu entry's caption with its access key marked by a "&" before the
// letter (the convention of both Win32 and Qt menus); a caption without an
// access key, or one the program has changed, comes back as it is.
std::string menuCaption(std::string_view controlName, std::string_view caption);

}  // namespace brelosta
