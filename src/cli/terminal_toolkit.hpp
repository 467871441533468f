#pragma once

#include <iosfwd>

#include "app/toolkit.hpp"

namespace brelosta {

// The toolkit of a conversion run from a terminal or a script: message
// boxes become lines on the error stream (a Yes/No box gets its default
// answer), file dialogs are cancelled, and a progress bar is drawn on the
// error stream when it is a terminal.
class TerminalToolkit : public Toolkit {
 public:
  TerminalToolkit(std::ostream& err, bool drawProgress) : err_(err), drawProgress_(drawProgress) {}

  MessageAnswer showMessage(const MessageRequest& request) override;
  std::optional<std::string> chooseFile(const FileDialogRequest& request) override;
  void setWaitCursor(bool /*on*/) override {}
  void progressChanged(float value) override;
  bool cancelRequested() override { return false; }
  std::optional<std::string> clipboardText() override { return std::nullopt; }
  bool startHelpViewer(const std::filesystem::path& /*guide*/) override { return false; }
  bool openWithViewer(const std::filesystem::path& /*file*/) override { return false; }
  void endProgram() override {}

  int messageCount() const { return messageCount_; }
  // Ends the progress bar's line, if one was drawn.
  void finishProgress();

 private:
  std::ostream& err_;
  bool drawProgress_;
  bool progressShown_ = false;
  int messageCount_ = 0;
};

}  // namespace brelosta
