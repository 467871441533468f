#pragma once

#include <optional>
#include <string_view>

#include "app/app.hpp"
#include "app/system_panel.hpp"

namespace brelosta {

// Pegar ("Pegar puntos", point mode): the rows copied from a spreadsheet
// to the clipboard, converted from the `source` panel toward the other as a
// file run of the source panel's layout, into a file the user names in a
// save dialog (see runPastedConversion). A clipboard without text is
// refused; a cancelled dialog does nothing.
void pastePoints(App& app, Side source);

// Whether a text holds rows of points rather than a single value: a tab or
// a line end before its last line ends (a spreadsheet copies one cell with
// a line end after it).
bool holdsRows(std::string_view text);

// The panel whose rows Ctrl+V in `box` pastes: that of a panel's box in
// point mode; nothing for any other control and in file mode, where the
// box takes the text as usual (as it does when the clipboard holds no
// rows).
std::optional<Side> pasteSide(MainWindowState& state, const Control& box);

}  // namespace brelosta
