#pragma once

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QString>
#include <filesystem>
#include <memory>
#include <string>

#include "qt/desktop_program.hpp"

namespace brelosta {

inline const std::filesystem::path kShippedCatalogues = std::filesystem::path(BRELOSTA_SOURCE_DIR) / "data";

// What a message box showed and which button answered it.
struct SeenMessage {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
  QString defaultButton;
};

// The desktop program started on the shipped catalogues, with helpers that
// act on its real widgets as a user would.
class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override { startProgram(NumberFormat::point()); }

  void startProgram(NumberFormat format);

  template <class Widget>
  Widget* widget(std::string_view name) {
    auto* found = program->widget<Widget>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  // Replaces the text of a box by typing into it.
  void type(std::string_view box, const QString& text);
  // A mouse click on a button, check box or caption.
  void clickOn(std::string_view name);
  // Chooses a menu entry.
  void choose(std::string_view menuEntry);
  // Picks a list entry with the keyboard, from the entry shown.
  void pickWithKeys(std::string_view list, const QString& entry);
  QString textOf(std::string_view box);

  // Every widget and menu entry shows its control's state: text or
  // caption, visible, enabled, check mark, list entries and selection.
  void expectWidgetsShowState();

  // Runs `action`, which is to open one modal message box; records the box,
  // runs `whileShown`, and presses the button with the caption `answer` (or
  // the default button).
  SeenMessage answerMessage(const std::function<void()>& action, const QString& answer = {},
                            const std::function<void()>& whileShown = {});

  std::unique_ptr<DesktopProgram> program;
  int endRequests = 0;
};

}  // namespace brelosta
