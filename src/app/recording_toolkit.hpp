#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "app/toolkit.hpp"

namespace brelosta {

// A toolkit without windows: answers message boxes and file dialogs from
// queues given in advance and records everything the program asked of it.
// Used by the tests and, with a message listener, by the command line.
class RecordingToolkit : public Toolkit {
 public:
  MessageAnswer showMessage(const MessageRequest& request) override;
  std::optional<std::string> chooseFile(const FileDialogRequest& request) override;
  void setWaitCursor(bool on) override;
  void progressChanged(float value) override;
  bool cancelRequested() override { return cancel; }
  std::optional<std::string> clipboardText() override { return clipboard; }
  bool startHelpViewer(const std::filesystem::path& guide) override;
  bool openWithViewer(const std::filesystem::path& file) override;
  void endProgram() override { ended = true; }

  // Answers for the next Yes/No boxes; with none left a box gets its default
  // button.
  std::deque<MessageAnswer> answers;
  // What the next file dialogs return; nothing (or none left) = cancelled.
  std::deque<std::optional<std::string>> files;
  bool helpViewerAvailable = true;
  // What the clipboard holds.
  std::optional<std::string> clipboard;
  bool viewerAvailable = true;
  bool cancel = false;
  // Called for every message box when it is shown.
  std::function<void(const MessageRequest&)> onMessage;

  std::vector<MessageRequest> messages;
  std::vector<FileDialogRequest> fileDialogs;
  std::vector<bool> cursorChanges;
  std::vector<float> progressValues;
  std::vector<std::filesystem::path> helpRequests;
  std::vector<std::filesystem::path> viewerRequests;
  bool ended = false;
};

}  // namespace brelosta
