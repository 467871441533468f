#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>

#include "app/app.hpp"
#include "app/main_window_state.hpp"
#include "app/recording_toolkit.hpp"
#include "core/number_format.hpp"

namespace brelosta {

struct ScriptOptions {
  std::filesystem::path workingFolder;
  NumberFormat numberFormat = NumberFormat::point();
  // Where the shipped files are (the map's outline); none: the working
  // folder.
  std::filesystem::path shippedFolder;
};

// The program's window state without a window, driven one action line at a
// time (see `brelosta-cli script --help` for the actions). Message boxes are
// printed to the output as they are shown.
class ScriptSession {
 public:
  ScriptSession(std::ostream& out, std::ostream& err, const ScriptOptions& options);
  ScriptSession(const ScriptSession&) = delete;
  ScriptSession& operator=(const ScriptSession&) = delete;

  // Runs one line (blank lines and "#" comments do nothing); false, with a
  // message naming the line on the error stream, when it cannot be run.
  bool runLine(std::string_view line, int lineNumber);
  // Whether an action has ended the program.
  bool ended() const { return toolkit_.ended; }

  MainWindowState& state() { return state_; }
  RecordingToolkit& toolkit() { return toolkit_; }

 private:
  bool fail(const std::string& why);
  bool answer(std::string_view rest);
  // The clipboard holds the text of a file (UTF-8 or Windows-1252), or
  // nothing without one.
  bool clipboard(std::string_view path);
  // Ctrl+V in a control: a panel's box in point mode pastes the rows the
  // clipboard holds; otherwise a box takes the clipboard's text.
  void paste(Control& box);
  bool set(Control& control, std::string_view text);
  bool select(Control& control, std::string_view text);
  bool index(Control& control, std::string_view text);
  bool value(Control& control, std::string_view text);
  bool print(std::string_view names);
  bool printState(std::string_view name, const Control& control);

  std::ostream& out_;
  std::ostream& err_;
  MainWindowState state_;
  RecordingToolkit toolkit_;
  App app_;
  int lineNumber_ = 0;
};

// Runs a whole script; returns the exit code: 0, or 2 when a line has an
// unknown action or control name.
int runScript(std::istream& script, std::ostream& out, std::ostream& err, const ScriptOptions& options);

}  // namespace brelosta
