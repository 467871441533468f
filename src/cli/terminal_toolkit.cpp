#include "cli/terminal_toolkit.hpp"

#include "cli/message_lines.hpp"

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>

namespace brelosta {
namespace {

constexpr int kBarWidth = 40;

}  // namespace

MessageAnswer TerminalToolkit::showMessage(const MessageRequest& request) {
  finishProgress();
  ++messageCount_;
  err_ << request.title << ": " << indentedLines(request.text) << '\n';
  return request.buttons == MessageButtons::Ok ? MessageAnswer::Ok : request.defaultAnswer;
}

std::optional<std::string> TerminalToolkit::chooseFile(const FileDialogRequest& /*request*/) { return std::nullopt; }

void TerminalToolkit::progressChanged(float value) {
  if (!drawProgress_) return;
  const int percent = static_cast<int>(std::floor(value));
  const int filled = percent * kBarWidth / 100;
  const std::string percentText = std::to_string(percent);
  err_ << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
       << std::string(static_cast<std::size_t>(kBarWidth - filled), '.') << "] "
       << std::string(3 - std::min<std::size_t>(percentText.size(), 3), ' ') << percentText << " %" << std::flush;
  progressShown_ = true;
}

void TerminalToolkit::finishProgress() {
  if (!progressShown_) return;
  err_ << '\n';
  progressShown_ = false;
}

}  // namespace brelosta
