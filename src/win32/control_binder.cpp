#include "win32/control_binder.hpp"

#include <commctrl.h>

#include <cmath>
#include <span>
#include <stdexcept>

#include "app/keyboard.hpp"
#include "win32/resource_ids.h"
#include "win32/wide_text.hpp"

namespace brelosta {
namespace {

struct NamedNumber {
  const char* name;
  int id;
};

#define BRELOSTA_MAIN_NUMBER(name, kind, caption) {#name, IDC_##name},
#define BRELOSTA_PROGRESS_NUMBER(name, kind, caption) {#name, IDC_Progreso_##name},
#define BRELOSTA_PREVIEW_NUMBER(name, kind, caption) {#name, IDC_Preview_##name},
#define BRELOSTA_ABOUT_NUMBER(name, kind, caption) {#name, IDC_About_##name},
#define BRELOSTA_MAP_NUMBER(name, kind, caption) {#name, IDC_Mapa_##name},

const NamedNumber kMainNumbers[] = {
    BRELOSTA_MAIN_WINDOW_CONTROLS(BRELOSTA_MAIN_NUMBER)  //
    {"Degrees(0)", IDC_Degrees0},
    {"Degrees(1)", IDC_Degrees1},
    {"Degrees(2)", IDC_Degrees2},
    {"Degrees(3)", IDC_Degrees3},
    {"Minutes(0)", IDC_Minutes0},
    {"Minutes(1)", IDC_Minutes1},
    {"Minutes(2)", IDC_Minutes2},
    {"Minutes(3)", IDC_Minutes3},
    {"Seconds(0)", IDC_Seconds0},
    {"Seconds(1)", IDC_Seconds1},
    {"Seconds(2)", IDC_Seconds2},
    {"Seconds(3)", IDC_Seconds3},
};
const NamedNumber kProgressNumbers[] = {BRELOSTA_PROGRESS_WINDOW_CONTROLS(BRELOSTA_PROGRESS_NUMBER)};
const NamedNumber kPreviewNumbers[] = {BRELOSTA_PREVIEW_WINDOW_CONTROLS(BRELOSTA_PREVIEW_NUMBER)};
const NamedNumber kAboutNumbers[] = {BRELOSTA_ABOUT_WINDOW_CONTROLS(BRELOSTA_ABOUT_NUMBER)};
const NamedNumber kMapNumbers[] = {BRELOSTA_MAP_WINDOW_CONTROLS(BRELOSTA_MAP_NUMBER)};

#undef BRELOSTA_MAIN_NUMBER
#undef BRELOSTA_PROGRESS_NUMBER
#undef BRELOSTA_PREVIEW_NUMBER
#undef BRELOSTA_ABOUT_NUMBER
#undef BRELOSTA_MAP_NUMBER

std::span<const NamedNumber> numbersOf(std::string_view window) {
  if (window == "Main") return kMainNumbers;
  if (window == "Progreso") return kProgressNumbers;
  if (window == "Preview") return kPreviewNumbers;
  if (window == "About") return kAboutNumbers;
  if (window == "Mapa") return kMapNumbers;
  throw std::logic_error("no such window: " + std::string(window));
}

bool inWindow(std::string_view name, std::string_view window) {
  if (window.empty() || name == window) return true;
  return name.size() > window.size() && name.starts_with(window) && name[window.size()] == '.';
}

// Run-time widths are twips; a digit of the dialog font, four horizontal
// dialog units, counts as 80 twips, as in the Qt window.
constexpr int kTwipsPerDialogUnit = 20;

struct DialogUnits {
  double x;  // pixels per horizontal dialog unit
  double y;
};

DialogUnits dialogUnits(HWND dialog) {
  constexpr int kSpan = 400;
  RECT r{0, 0, kSpan, kSpan};
  MapDialogRect(dialog, &r);
  return {r.right / static_cast<double>(kSpan), r.bottom / static_cast<double>(kSpan)};
}

RECT placeInDialogUnits(HWND dialog, HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  const DialogUnits units = dialogUnits(dialog);
  return {static_cast<LONG>(std::lround(r.left / units.x)), static_cast<LONG>(std::lround(r.top / units.y)),
          static_cast<LONG>(std::lround(r.right / units.x)),
          static_cast<LONG>(std::lround(r.bottom / units.y))};
}

bool contains(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
         inner.bottom <= outer.bottom;
}

long area(const RECT& r) { return (r.right - r.left) * (r.bottom - r.top); }

std::wstring windowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

void setText(HWND window, std::string_view text) {
  const std::wstring wide = wideText(text);
  if (windowText(window) != wide) SetWindowTextW(window, wide.c_str());
}

bool hasPicture(HWND button) {
  const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
  return (style & (BS_ICON | BS_BITMAP)) != 0;
}

std::wstring listText(HWND window, UINT lengthMessage, UINT textMessage, int index) {
  const LRESULT length = SendMessageW(window, lengthMessage, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(window, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

// Fills a combo box or list box with the entries unless it shows them
// already.
void showEntries(HWND window, const std::vector<std::string>& entries, bool combo) {
  const UINT count = combo ? CB_GETCOUNT : LB_GETCOUNT;
  const UINT length = combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN;
  const UINT text = combo ? CB_GETLBTEXT : LB_GETTEXT;
  bool same = SendMessageW(window, count, 0, 0) == static_cast<LRESULT>(entries.size());
  for (std::size_t k = 0; same && k < entries.size(); ++k)
    same = listText(window, length, text, static_cast<int>(k)) == wideText(entries[k]);
  if (same) return;
  SendMessageW(window, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
  for (const std::string& entry : entries) {
    const std::wstring wide = wideText(entry);
    SendMessageW(window, combo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  }
}

void showList(HWND combo, const Control& control) {
  showEntries(combo, control.entries, true);
  if (SendMessageW(combo, CB_GETCURSEL, 0, 0) != control.index)
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(control.index), 0);
  if (control.kind == ControlKind::EditableList) setText(combo, control.text);
}

// Where a menu entry is now: its menu and position.
bool findMenuEntry(HMENU menu, int id, HMENU& parent, int& position) {
  const int count = GetMenuItemCount(menu);
  for (int k = 0; k < count; ++k) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_SUBMENU;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(k), TRUE, &info)) continue;
    if (static_cast<int>(info.wID) == id) {
      parent = menu;
      position = k;
      return true;
    }
    if (info.hSubMenu != nullptr && findMenuEntry(info.hSubMenu, id, parent, position)) return true;
  }
  return false;
}

}  // namespace

ControlBinder::ControlBinder(MainWindowState& state) : state_(state) {}

void ControlBinder::bindDialog(std::string_view window, HWND dialog) {
  const std::size_t first = bindings_.size();
  for (const NamedNumber& number : numbersOf(window)) {
    std::string name = number.name;
    if (window != "Main" && name != window) name = std::string(window) + "." + name;
    Control* control = findControl(state_, name);
    if (control == nullptr) throw std::logic_error("no control named " + name);
    if (control->kind == ControlKind::Dialog) continue;  // the common dialogs have no window of their own
    HWND child = nullptr;
    if (control->kind == ControlKind::Window) {
      child = dialog;
    } else if (control->kind != ControlKind::MenuEntry) {
      child = GetDlgItem(dialog, number.id);
      if (child == nullptr) throw std::logic_error("no window for the control " + name);
    }
    byName_.emplace(name, bindings_.size());
    bindings_.push_back({name, control, dialog, number.id, child});
  }

  for (std::size_t k = first; k < bindings_.size(); ++k) {
    Binding& binding = bindings_[k];
    if (binding.window == nullptr || binding.window == dialog) continue;
    binding.placeDlu = placeInDialogUnits(dialog, binding.window);
    // Overlapping controls paint only where no control above them lies;
    // labels show their texts as they are, ampersands included, on one line
    // (a caption wider than its label is cut, not wrapped out of sight).
    const LONG_PTR style = GetWindowLongPtrW(binding.window, GWL_STYLE);
    const bool label = binding.control->kind == ControlKind::Label;
    SetWindowLongPtrW(binding.window, GWL_STYLE,
                      style | WS_CLIPSIBLINGS | (label ? SS_NOPREFIX | SS_CENTERIMAGE : 0));
  }
  // A control lies in the smallest frame around it and shows only while
  // the frame shows.
  for (std::size_t k = first; k < bindings_.size(); ++k) {
    Binding& binding = bindings_[k];
    if (binding.window == nullptr || binding.window == dialog) continue;
    long smallest = 0;
    for (std::size_t f = first; f < bindings_.size(); ++f) {
      const Binding& frame = bindings_[f];
      if (f == k || frame.control->kind != ControlKind::Frame || frame.window == nullptr) continue;
      if (!contains(frame.placeDlu, binding.placeDlu)) continue;
      if (binding.container == nullptr || area(frame.placeDlu) < smallest) {
        binding.container = frame.window;
        smallest = area(frame.placeDlu);
      }
    }
  }
  if (HMENU menu = GetMenu(dialog)) {
    for (std::size_t k = first; k < bindings_.size(); ++k)
      if (bindings_[k].control->kind == ControlKind::MenuEntry) {
        HMENU parent = nullptr;
        int position = 0;
        if (!findMenuEntry(menu, bindings_[k].id, parent, position))
          throw std::logic_error("no menu entry for the control " + bindings_[k].name);
        menuEntryPresent_[bindings_[k].id] = true;
      }
  }
}

const ControlBinder::Binding* ControlBinder::find(std::string_view name) const {
  const auto found = byName_.find(std::string(name));
  return found == byName_.end() ? nullptr : &bindings_[found->second];
}

const ControlBinder::Binding* ControlBinder::find(HWND dialog, int id) const {
  for (const Binding& binding : bindings_)
    if (binding.dialog == dialog && binding.id == id) return &binding;
  return nullptr;
}

void ControlBinder::show(MainWindowState& state, std::string_view window) {
  std::unordered_map<std::string, const Control*> controls;
  forEachControl(state, [&](std::string_view name, Control& control) {
    if (inWindow(name, window)) controls.emplace(name, &control);
  });
  const auto controlOf = [&](const Binding& binding) -> const Control* {
    const auto found = controls.find(binding.name);
    return found == controls.end() ? nullptr : found->second;
  };
  std::unordered_map<HWND, const Binding*> byWindow;
  for (const Binding& binding : bindings_)
    if (binding.window != nullptr) byWindow.emplace(binding.window, &binding);
  // A control shows while it and every frame around it are visible.
  const auto shown = [&](const Binding& binding, const Control& control) {
    bool visible = control.visible;
    for (HWND frame = binding.container; visible && frame != nullptr;) {
      const Binding* holder = byWindow.at(frame);
      const Control* frameControl = controlOf(*holder);
      visible = frameControl == nullptr || frameControl->visible;
      frame = holder->container;
    }
    return visible;
  };
  // The top of each stacked frame, dialog units: the template's gap
  // between the first two frames separates each shown frame from the next.
  std::unordered_map<HWND, int> stackedTops;
  if (stacked_.size() >= 2) {
    const Binding* first = find(stacked_[0]);
    const Binding* second = find(stacked_[1]);
    const int gap = second->placeDlu.top - first->placeDlu.bottom;
    int top = first->placeDlu.top;
    for (const std::string& name : stacked_) {
      const Binding* frame = find(name);
      const Control* control = controlOf(*frame);
      if (control == nullptr) break;
      stackedTops[frame->window] = top;
      if (control->visible) top += frame->placeDlu.bottom - frame->placeDlu.top + gap;
    }
  }

  showing_ = true;
  bool menuShown = false;
  for (const Binding& binding : bindings_) {
    const Control* control = controlOf(binding);
    if (control == nullptr) continue;
    if (control->kind == ControlKind::MenuEntry) {
      showMenuEntry(binding, *control);
      menuShown = true;
      continue;
    }
    if (binding.window == binding.dialog) {
      setText(binding.dialog, control->text);
      if ((IsWindowVisible(binding.dialog) != FALSE) != control->visible)
        ShowWindow(binding.dialog, control->visible ? SW_SHOW : SW_HIDE);
      continue;
    }
    int top = binding.placeDlu.top;
    if (const auto stackedFrame = stackedTops.find(binding.window); stackedFrame != stackedTops.end())
      top = stackedFrame->second;
    else if (const auto stackedHolder = stackedTops.find(binding.container);
             stackedHolder != stackedTops.end())
      top += stackedHolder->second - byWindow.at(binding.container)->placeDlu.top;
    place(binding, *control, top);
    showChild(binding, *control, shown(binding, *control));
  }
  // Frames leave their old borders behind when they move: the dialog is
  // painted again.
  for (HWND dialog : moved_)
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  moved_.clear();
  if (menuShown)
    for (const Binding& binding : bindings_)
      if (binding.window == binding.dialog && GetMenu(binding.dialog) != nullptr) DrawMenuBar(binding.dialog);
  showing_ = false;
}

void ControlBinder::place(const Binding& binding, const Control& control, int topDlu) {
  RECT wanted = binding.placeDlu;
  wanted.top = topDlu;
  wanted.bottom = topDlu + (binding.placeDlu.bottom - binding.placeDlu.top);
  if (control.width)
    wanted.right = wanted.left + (*control.width + kTwipsPerDialogUnit / 2) / kTwipsPerDialogUnit;
  RECT& placed = placed_[binding.window];
  if (placed.right == 0 && placed.bottom == 0) placed = binding.placeDlu;
  if (EqualRect(&placed, &wanted)) return;
  placed = wanted;
  // A combo box keeps the height of its drop-down list.
  RECT pixels = wanted;
  if (control.isList()) pixels.bottom = pixels.top + 120;
  MapDialogRect(binding.dialog, &pixels);
  SetWindowPos(binding.window, nullptr, pixels.left, pixels.top, pixels.right - pixels.left,
               pixels.bottom - pixels.top, SWP_NOZORDER | SWP_NOACTIVATE);
  moved_.insert(binding.dialog);
}

void ControlBinder::showChild(const Binding& binding, const Control& control, bool shown) {
  HWND window = binding.window;
  switch (control.kind) {
    case ControlKind::Button:
      // A picture button keeps its picture when it has no caption.
      if (!control.text.empty() || !hasPicture(window)) setText(window, control.text);
      break;
    case ControlKind::Frame:
    case ControlKind::Label:
    case ControlKind::Box:
      setText(window, control.text);
      break;
    case ControlKind::Check: {
      // A check box with a caption of its own; the others have theirs beside.
      if (!control.text.empty()) setText(window, control.text);
      const WPARAM check = control.checked() ? BST_CHECKED : BST_UNCHECKED;
      if (static_cast<WPARAM>(SendMessageW(window, BM_GETCHECK, 0, 0)) != check)
        SendMessageW(window, BM_SETCHECK, check, 0);
      break;
    }
    case ControlKind::List:
    case ControlKind::EditableList:
      showList(window, control);
      break;
    case ControlKind::ProgressBar: {
      const auto position = static_cast<WPARAM>(std::lround(control.progress));
      if (static_cast<WPARAM>(SendMessageW(window, PBM_GETPOS, 0, 0)) != position)
        SendMessageW(window, PBM_SETPOS, position, 0);
      break;
    }
    case ControlKind::ListBox:
      showEntries(window, control.entries, false);
      break;
    default:
      break;
  }
  const bool progressWindow = binding.name.starts_with("Progreso.");
  const bool enabled = control.enabled && (interactive_ || progressWindow);
  if ((IsWindowEnabled(window) != FALSE) != enabled) EnableWindow(window, enabled ? TRUE : FALSE);
  if (((GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0) != shown)
    ShowWindow(window, shown ? SW_SHOWNA : SW_HIDE);
}

void ControlBinder::showMenuEntry(const Binding& binding, const Control& control) {
  HMENU menu = GetMenu(binding.dialog);
  HMENU parent = nullptr;
  int position = 0;
  bool& present = menuEntryPresent_[binding.id];
  if (present && !findMenuEntry(menu, binding.id, parent, position)) return;
  if (!control.visible) {
    // Hidden entries leave their menu and come back to the same place.
    if (present) {
      MenuEntryCopy& copy = removedEntries_[binding.id];
      copy.parent = parent;
      copy.info.cbSize = sizeof copy.info;
      copy.info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
      GetMenuItemInfoW(parent, static_cast<UINT>(position), TRUE, &copy.info);
      MENUITEMINFOW next{};
      next.cbSize = sizeof next;
      next.fMask = MIIM_ID;
      copy.nextId = GetMenuItemInfoW(parent, static_cast<UINT>(position + 1), TRUE, &next) != FALSE
                        ? static_cast<int>(next.wID)
                        : -1;
      RemoveMenu(parent, static_cast<UINT>(position), MF_BYPOSITION);
      present = false;
    }
    return;
  }
  if (!present) {
    MenuEntryCopy& copy = removedEntries_[binding.id];
    // Back before the entry that followed it, when that one is there;
    // otherwise after the entries bound before it that are present.
    UINT at = 0;
    HMENU nextParent = nullptr;
    int nextPosition = 0;
    if (copy.nextId >= 0 && findMenuEntry(menu, copy.nextId, nextParent, nextPosition) && nextParent == copy.parent) {
      at = static_cast<UINT>(nextPosition);
    } else {
      for (const Binding& before : bindings_) {
        if (&before == &binding) break;
        HMENU beforeParent = nullptr;
        int beforePosition = 0;
        if (before.control->kind == ControlKind::MenuEntry && menuEntryPresent_[before.id] &&
            findMenuEntry(menu, before.id, beforeParent, beforePosition) && beforeParent == copy.parent)
          at = static_cast<UINT>(beforePosition) + 1;
      }
    }
    // With its caption: an entry put back as a string without one is a
    // separator to some systems (Wine), and a separator gets no caption.
    MENUITEMINFOW entry = copy.info;
    std::wstring caption = wideText(menuCaption(binding.name, control.text));
    if ((entry.fType & MFT_SEPARATOR) == 0) {
      entry.fMask |= MIIM_STRING;
      entry.dwTypeData = caption.data();
    }
    InsertMenuItemW(copy.parent, at, TRUE, &entry);
    present = true;
    findMenuEntry(menu, binding.id, parent, position);
  }
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE;
  GetMenuItemInfoW(parent, static_cast<UINT>(position), TRUE, &info);
  UINT state = info.fState & ~(MFS_CHECKED | MFS_DISABLED);
  if (control.checked()) state |= MFS_CHECKED;
  if (!control.enabled || !interactive_) state |= MFS_DISABLED;
  const bool separator = (info.fType & MFT_SEPARATOR) != 0;
  std::wstring text = wideText(menuCaption(binding.name, control.text));
  MENUITEMINFOW change{};
  change.cbSize = sizeof change;
  change.fMask = MIIM_STATE | (separator ? 0 : MIIM_STRING);
  change.fState = state;
  change.dwTypeData = text.data();
  SetMenuItemInfoW(parent, static_cast<UINT>(position), TRUE, &change);
}

}  // namespace brelosta
