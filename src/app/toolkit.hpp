#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace brelosta {

enum class MessageIcon { Warning, Critical, Question, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest {
  std::string title;
  std::string text;
  MessageIcon icon = MessageIcon::Warning;
  MessageButtons buttons = MessageButtons::Ok;
  MessageAnswer defaultAnswer = MessageAnswer::Ok;
};

enum class FileDialogMode { Open, Save };

struct FileDialogRequest {
  FileDialogMode mode = FileDialogMode::Open;
  std::string title;
  // Pairs "description|pattern", the first one selected, e.g.
  // "Archivos de texto (*.txt)|*.txt|Todos los archivos (*.*)|*.*".
  std::string filter;
  std::string initialFile;
  // An open dialog that also accepts the name of a file not yet written (a
  // panel's file may be the output of the next conversion).
  bool mustExist = true;
  // Added by a save dialog to a name typed without extension ("cfg").
  std::string defaultExtension;
};

// What the program needs of a user-interface toolkit beyond the control
// values of MainWindowState: modal boxes and dialogs, the mouse pointer, the
// progress window while a file run goes on, the clipboard, the help viewer,
// and ending the program. There is a Qt implementation, a headless one for the command line
// and a recording one for tests.
class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // A modal message box; returns the button pressed.
  virtual MessageAnswer showMessage(const MessageRequest& request) = 0;
  // A file open or save dialog; the chosen file name with its folder, or
  // nothing when the user cancelled.
  virtual std::optional<std::string> chooseFile(const FileDialogRequest& request) = 0;
  // The application-wide wait cursor on or off.
  virtual void setWaitCursor(bool on) = 0;
  // A file run has moved its progress bar (0 to 100); the progress window
  // may be repainted. Called from the thread that runs the conversion.
  virtual void progressChanged(float value) = 0;
  // Whether the user has asked to cancel the running file conversion.
  virtual bool cancelRequested() = 0;
  // The text on the system's clipboard (UTF-8), or nothing when it holds
  // none.
  virtual std::optional<std::string> clipboardText() = 0;
  // Starts the help viewer on the guide without waiting; false when no
  // viewer could be started.
  virtual bool startHelpViewer(const std::filesystem::path& guide) = 0;
  // Opens a file with the program the system gives its kind (a .kml with
  // Google Earth), without waiting; false when none could be started.
  virtual bool openWithViewer(const std::filesystem::path& file) = 0;
  // Ends the program at once.
  virtual void endProgram() = 0;
};

}  // namespace brelosta
