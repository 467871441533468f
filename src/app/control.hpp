#pragma once

#include <optional>
#include <string>
#include <vector>

namespace brelosta {

enum class ControlKind {
  Window,
  Frame,
  Label,
  Box,           // single-line text box
  Button,
  Check,         // check box, value 0 or 1
  List,          // drop-down list the user only picks from
  EditableList,  // drop-down list with an edit field
  MenuEntry,
  Line,
  ProgressBar,
  ListBox,  // a plain list of lines (the preview's columns)
  Dialog,   // a common file dialog; its text is the last file chosen
  Canvas,   // a drawing area the front end paints from the window state (the map)
};

// The toolkit-free record of one control: every property the program reads
// or writes. Properties a kind does not have are left at their defaults.
struct Control {
  Control() = default;
  Control(ControlKind controlKind, std::string caption) : kind(controlKind), text(std::move(caption)) {}

  ControlKind kind = ControlKind::Label;
  std::string text;  // text of a box or edit field, caption of anything else, selected entry of a list
  bool visible = true;
  bool enabled = true;
  int value = 0;  // check box value, or checked state of a menu entry (0 or 1)
  std::optional<int> width;  // twips, once the program has set it
  std::optional<int> top;    // twips, once the program has set it
  std::vector<std::string> entries;  // lists
  int index = -1;                    // selected entry of a list, -1 for none
  float progress = 0.0F;             // progress bar, 0 to 100

  bool checked() const { return value != 0; }
  bool isList() const { return kind == ControlKind::List || kind == ControlKind::EditableList; }

  friend bool operator==(const Control&, const Control&) = default;
};

}  // namespace brelosta
