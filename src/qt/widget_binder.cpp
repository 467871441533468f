#include "qt/widget_binder.hpp"

#include <stdexcept>

#include "qt/control_view.hpp"

namespace brelosta {
namespace {

bool inWindow(std::string_view name, std::string_view window) {
  if (window.empty() || name == window) return true;
  return name.size() > window.size() && name.starts_with(window) && name[window.size()] == '.';
}

}  // namespace

WidgetBinder::WidgetBinder(MainWindowState& state) {
  forEachControl(state, [this](std::string_view name, Control& control) { names_.emplace(&control, name); });
}

void WidgetBinder::bindObject(Control& control, QObject* target) {
  const auto named = names_.find(&control);
  if (named == names_.end()) throw std::logic_error("a widget bound to a control outside the window state");
  const std::string& name = named->second;
  if (byName_.contains(name)) throw std::logic_error("control bound twice: " + name);
  const auto dot = name.find('.');
  target->setObjectName(qtText(dot == std::string::npos ? name : name.substr(dot + 1)));
  byName_.emplace(name, bindings_.size());
  bindings_.push_back({name, &control, target});
}

QObject* WidgetBinder::target(std::string_view name) const {
  const auto found = byName_.find(std::string(name));
  return found == byName_.end() ? nullptr : bindings_[found->second].target.data();
}

void WidgetBinder::show(MainWindowState& state, std::string_view window) const {
  forEachControl(state, [&](std::string_view name, Control& control) {
    if (!inWindow(name, window)) return;
    const auto found = byName_.find(std::string(name));
    if (found == byName_.end()) return;
    if (QObject* target = bindings_[found->second].target) showControl(target, control);
  });
}

}  // namespace brelosta
