#include "app/messages.hpp"

#include <string>

#include "app/reaction_errors.hpp"

namespace brelosta {
namespace {

void show(App& app, std::string_view text, MessageIcon icon) {
  app.toolkit.showMessage(MessageRequest{std::string(kMessageTitle), std::string(text), icon,
                                         MessageButtons::Ok, MessageAnswer::Ok});
}

}  // namespace

void showWarning(App& app, std::string_view text) { show(app, text, MessageIcon::Warning); }

void showCritical(App& app, std::string_view text) { show(app, text, MessageIcon::Critical); }

void refuse(App& app, std::string_view text) {
  showWarning(app, text);
  throw CommandEnded{};
}

}  // namespace brelosta
