#pragma once

#include <QObject>
#include <QPointer>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/main_window_state.hpp"

namespace brelosta {

// Ties the widgets and menu actions of the windows to the controls of
// MainWindowState, by the controls' names ("LAT_D_L", "Degrees(2)",
// "Progreso.Ok"), and shows the state in them.
class WidgetBinder {
 public:
  struct Binding {
    std::string name;
    Control* control;  // in the live state
    QPointer<QObject> target;
  };

  explicit WidgetBinder(MainWindowState& state);

  // Binds a widget or action to a control of the live state; the object is
  // named after the control's last name part ("Ok" for "Progreso.Ok").
  template <class Target>
  Target* bind(Control& control, Target* target) {
    bindObject(control, target);
    return target;
  }

  // The widget or action bound to a control name, or nullptr.
  QObject* target(std::string_view name) const;
  const std::vector<Binding>& bindings() const { return bindings_; }

  // Shows the controls of `state` in the bound widgets: the live state, or a
  // copy holding one window's controls. With a window name ("Progreso")
  // only that window's controls are shown.
  void show(MainWindowState& state, std::string_view window = {}) const;

 private:
  void bindObject(Control& control, QObject* target);

  std::unordered_map<const Control*, std::string> names_;
  std::vector<Binding> bindings_;
  std::unordered_map<std::string, std::size_t> byName_;
};

}  // namespace brelosta
