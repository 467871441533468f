#include "program_fixture.hpp"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace brelosta {

void ProgramTest::startProgram(NumberFormat format) {
  program = std::make_unique<DesktopProgram>(format);
  program->toolkit().onEndProgram = [this] { ++endRequests; };
  program->start(kShippedCatalogues);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&program->mainWindow()));
}

void ProgramTest::type(std::string_view box, const QString& text) {
  auto* edit = widget<QLineEdit>(box);
  ASSERT_NE(edit, nullptr);
  ASSERT_TRUE(edit->isVisible()) << box;
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
}

void ProgramTest::clickOn(std::string_view name) {
  auto* target = widget<QWidget>(name);
  ASSERT_NE(target, nullptr);
  ASSERT_TRUE(target->isVisible()) << name;
  QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
}

void ProgramTest::choose(std::string_view menuEntry) {
  auto* action = qobject_cast<QAction*>(program->target(menuEntry));
  ASSERT_NE(action, nullptr) << menuEntry;
  ASSERT_TRUE(action->isEnabled()) << menuEntry;
  action->trigger();
}

void ProgramTest::pickWithKeys(std::string_view list, const QString& entry) {
  auto* combo = widget<QComboBox>(list);
  ASSERT_NE(combo, nullptr);
  const int wanted = combo->findText(entry);
  ASSERT_GE(wanted, 0) << entry.toStdString();
  combo->setFocus();
  while (combo->currentIndex() < wanted) QTest::keyClick(combo, Qt::Key_Down);
  while (combo->currentIndex() > wanted) QTest::keyClick(combo, Qt::Key_Up);
}

QString ProgramTest::textOf(std::string_view box) {
  auto* edit = widget<QLineEdit>(box);
  return edit != nullptr ? edit->text() : QString();
}

namespace {

QStringList texts(const std::vector<std::string>& entries) {
  QStringList list;
  for (const std::string& entry : entries) list.push_back(QString::fromStdString(entry));
  return list;
}

void expectShows(QWidget* widget, const Control& control, const std::string& name) {
  const QString text = QString::fromStdString(control.text);
  if (widget->isWindow()) {
    EXPECT_EQ(widget->windowTitle(), text) << name;
    EXPECT_EQ(widget->isVisible(), control.visible) << name;
    return;
  }
  EXPECT_EQ(widget->isHidden(), !control.visible) << name;
  EXPECT_EQ(widget->testAttribute(Qt::WA_Disabled), !control.enabled) << name;
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    EXPECT_EQ(edit->text(), text) << name;
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    QStringList items;
    for (int k = 0; k < combo->count(); ++k) items.push_back(combo->itemText(k));
    EXPECT_EQ(items, texts(control.entries)) << name;
    EXPECT_EQ(combo->currentIndex(), control.index) << name;
    EXPECT_EQ(combo->currentText(), text) << name;
  } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
    EXPECT_EQ(check->isChecked(), control.checked()) << name;
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    if (button->icon().isNull()) {
      EXPECT_EQ(button->text(), text) << name;
    }
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    EXPECT_EQ(label->text(), text) << name;
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    EXPECT_EQ(group->title(), text) << name;
  } else if (auto* bar = qobject_cast<QProgressBar*>(widget)) {
    EXPECT_EQ(bar->value(), qRound(control.progress)) << name;
  } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
    QStringList items;
    for (int k = 0; k < list->count(); ++k) items.push_back(list->item(k)->text());
    EXPECT_EQ(items, texts(control.entries)) << name;
  }
}

void expectShows(QAction* action, const Control& control, const std::string& name) {
  EXPECT_EQ(action->isVisible(), control.visible) << name;
  // Qt reports a hidden action as disabled.
  if (control.visible) {
    EXPECT_EQ(action->isEnabled(), control.enabled) << name;
  }
  if (action->isSeparator()) return;
  // The caption with its access key marked.
  EXPECT_EQ(QString(action->text()).remove(QLatin1Char('&')), QString::fromStdString(control.text)) << name;
  EXPECT_EQ(action->isChecked(), control.checked()) << name;
}

}  // namespace

void ProgramTest::expectWidgetsShowState() {
  forEachControl(program->state(), [&](std::string_view name, Control& control) {
    QObject* target = program->target(name);
    if (auto* action = qobject_cast<QAction*>(target))
      expectShows(action, control, std::string(name));
    else if (auto* widget = qobject_cast<QWidget*>(target))
      expectShows(widget, control, std::string(name));
  });
}

SeenMessage ProgramTest::answerMessage(const std::function<void()>& action, const QString& answer,
                                       const std::function<void()>& whileShown) {
  SeenMessage seen;
  bool answered = false;
  QTimer watcher;
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || answered) return;
    answered = true;
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.icon = box->icon();
    for (QAbstractButton* button : box->buttons()) seen.buttons.push_back(button->text());
    seen.buttons.sort();
    if (box->defaultButton() != nullptr) seen.defaultButton = box->defaultButton()->text();
    if (whileShown) whileShown();
    QAbstractButton* pressed = box->defaultButton();
    for (QAbstractButton* button : box->buttons())
      if (button->text() == answer) pressed = button;
    if (pressed == nullptr) pressed = box->buttons().first();
    QTest::mouseClick(pressed, Qt::LeftButton);
  });
  watcher.start(20);
  action();
  EXPECT_TRUE(QTest::qWaitFor([&] { return answered; }, 5000)) << "no message box";
  return seen;
}

}  // namespace brelosta
