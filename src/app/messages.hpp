#pragma once

#include <string>
#include <string_view>

#include "app/app.hpp"

namespace brelosta {

inline constexpr std::string_view kMessageTitle = "Atención";
inline constexpr std::string_view kDataErrorText = "Error en los Datos";

// A message's text: the program's own first line and, when there is one, a
// second line that says where and why (the file, record, field and text).
std::string messageText(std::string_view text, std::string_view detail);

// A refusal of user input: warning icon, OK button.
void showWarning(App& app, std::string_view text, std::string_view detail = {});
// A run-time or catalogue failure: critical (stop) icon, OK button.
void showCritical(App& app, std::string_view text, std::string_view detail = {});
// Shows the refusal and ends the running command.
[[noreturn]] void refuse(App& app, std::string_view text, std::string_view detail = {});

// The failure of one point, not shown yet: the message it makes (a warning
// for a refusal, a critical icon for a data error). The command that
// catches it shows it, or, in a file run that goes on past failed records,
// lists it.
struct PointFailure {
  MessageIcon icon;
  std::string text;
  std::string detail;
};

// Shows it and ends the command: a refusal as refuse() does, a data error
// by throwing it.
[[noreturn]] void stopAt(App& app, const PointFailure& failure);

}  // namespace brelosta
