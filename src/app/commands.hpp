#pragma once

#include <functional>
#include <string_view>

#include "app/app.hpp"

namespace brelosta {

// What a user's click on a control does: a button's command, a menu entry's
// command, a check box's toggle and reaction, a clickable label. A control
// without a click action does nothing.
void click(App& app, Control& control);

// Whether a click on this control starts a run over a whole file: a convert
// button in file mode, the map reading the source file's points, or Pegar
// in point mode. A desktop front end runs that click on a worker thread,
// with the progress window (of a conversion) and Cancelar live.
bool clickStartsFileRun(const MainWindowState& state, const Control& control);

// Runs a reaction so that a failure escaping it is reported once as "Error
// en los Datos" (a refusal was shown where it happened) instead of ending
// the program.
void runReportingFailures(App& app, const std::function<void()>& reaction);

// Selects entry `index` of a list and runs the list's selection reaction
// (the kind, angle-format and datum lists and the preview's lists have one),
// also when the entry was already selected. Index -1 selects nothing and runs
// no reaction. False, with nothing changed, for an index the list lacks.
bool selectIndex(App& app, Control& list, int index);

// Selects the entry with this text; false (and nothing happens) when the
// list has no such entry.
bool selectText(App& app, Control& list, std::string_view text);

// Clears a list and fills it with entries, selecting none.
template <class Texts>
void fillList(Control& list, const Texts& texts) {
  list.entries.assign(std::begin(texts), std::end(texts));
  list.index = -1;
  if (list.kind == ControlKind::List) list.text.clear();
}

}  // namespace brelosta
