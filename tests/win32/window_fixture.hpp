#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "temp_folder.hpp"
#include "win32/desktop_program.hpp"

namespace brelosta {

// What a message box showed.
struct SeenBox {
  std::string title;
  std::string text;
  MessageIcon icon = MessageIcon::Information;
  bool iconFound = false;
  std::vector<std::string> buttons;
  std::vector<std::string> lists;  // the entries of its drop-down lists
};

// The answer that closes a box or dialog as Escape does.
inline constexpr const char* kEscape = "\x1b";

// The desktop program started in a folder with the shipped catalogues,
// with helpers that act on its real windows with the messages a user's
// typing and clicking send.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  void startProgram(NumberFormat format);

  // Handles every message waiting for the program's windows.
  void pump();
  // Pumps until `done` holds, for at most `seconds`; false if it never did.
  bool pumpUntil(const std::function<bool()>& done, double seconds = 60.0);

  HWND window(std::string_view name);
  // Replaces the text of a box by typing into it, one character at a time.
  void type(std::string_view box, std::string_view text);
  // A mouse click on a button, check box or caption, or a menu entry
  // chosen.
  void clickOn(std::string_view name);
  // Picks a list entry as a user would with the mouse.
  void pick(std::string_view list, std::string_view entry);
  std::string textOf(std::string_view name);
  bool shown(std::string_view name);

  // Runs `action`, which is to open message boxes or dialogs; records each
  // and answers it with the button captioned `answer` (or its first
  // button), or closes it as Escape does when `answer` is kEscape.
  std::vector<SeenBox> answerBoxes(const std::function<void()>& action, const std::string& answer = {});

  TempFolder folder;
  std::unique_ptr<DesktopProgram> program;
  int endRequests = 0;
};

}  // namespace brelosta
