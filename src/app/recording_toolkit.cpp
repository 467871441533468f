#include "app/recording_toolkit.hpp"

namespace brelosta {

MessageAnswer RecordingToolkit::showMessage(const MessageRequest& request) {
  messages.push_back(request);
  if (onMessage) onMessage(request);
  if (request.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  if (answers.empty()) return request.defaultAnswer;
  const MessageAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::string> RecordingToolkit::chooseFile(const FileDialogRequest& request) {
  fileDialogs.push_back(request);
  if (files.empty()) return std::nullopt;
  auto file = files.front();
  files.pop_front();
  return file;
}

void RecordingToolkit::setWaitCursor(bool on) { cursorChanges.push_back(on); }

void RecordingToolkit::progressChanged(float value) { progressValues.push_back(value); }

bool RecordingToolkit::startHelpViewer(const std::filesystem::path& guide) {
  helpRequests.push_back(guide);
  return helpViewerAvailable;
}

bool RecordingToolkit::openWithViewer(const std::filesystem::path& file) {
  viewerRequests.push_back(file);
  return viewerAvailable;
}

}  // namespace brelosta
