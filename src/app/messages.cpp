#include "app/messages.hpp"

#include "app/reaction_errors.hpp"

namespace brelosta {
namespace {

void show(App& app, std::string_view text, std::string_view detail, MessageIcon icon) {
  app.toolkit.showMessage(
      MessageRequest{std::string(kMessageTitle), messageText(text, detail), icon, MessageButtons::Ok, MessageAnswer::Ok});
}

}  // namespace

std::string messageText(std::string_view text, std::string_view detail) {
  std::string shown(text);
  if (!detail.empty()) {
    shown += '\n';
    shown += detail;
  }
  return shown;
}

void showWarning(App& app, std::string_view text, std::string_view detail) {
  show(app, text, detail, MessageIcon::Warning);
}

void showCritical(App& app, std::string_view text, std::string_view detail) {
  show(app, text, detail, MessageIcon::Critical);
}

void refuse(App& app, std::string_view text, std::string_view detail) {
  showWarning(app, text, detail);
  throw CommandEnded{};
}

void stopAt(App& app, const PointFailure& failure) {
  if (failure.icon == MessageIcon::Warning) refuse(app, failure.text, failure.detail);
  throw DataError{failure.detail};
}

}  // namespace brelosta
