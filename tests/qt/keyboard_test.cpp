// The window used from the keyboard: Enter converts, the menus have access
// keys, Tab walks the panels in order, and the focus can be seen.

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTest>

#include "app/keyboard.hpp"
#include "program_fixture.hpp"

namespace brelosta {
namespace {

TEST_F(ProgramTest, EnterInAPanelsBoxConvertsTowardTheOtherPanel) {
  pickWithKeys("Coord_R", QStringLiteral("UTM"));
  const std::pair<const char*, const char*> point[] = {{"LAT_D_L", "10"},  {"LAT_M_L", "30"}, {"LAT_S_L", "0"},
                                                      {"LON_D_L", "-66"}, {"LON_M_L", "54"}, {"LON_S_L", "0"}};
  for (const auto& [box, text] : point) type(box, QString::fromLatin1(text));
  QTest::keyClick(widget<QLineEdit>("LON_S_L"), Qt::Key_Return);
  EXPECT_EQ(textOf("LAT_D_R"), QStringLiteral("1161462.9277"));
  EXPECT_EQ(textOf("LON_D_R"), QStringLiteral("729838.3869"));

  // From the right panel back to the left one, with the keypad's Enter.
  type("LAT_D_R", QStringLiteral("0"));
  QTest::keyClick(widget<QLineEdit>("LAT_D_R"), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(textOf("LAT_D_L"), QStringLiteral("0"));
  expectWidgetsShowState();

  // A box outside the panels converts nothing.
  type("LAT_D_R", QStringLiteral("1161462.9277"));
  QTest::keyClick(widget<QLineEdit>("Dx_label"), Qt::Key_Return);
  EXPECT_EQ(textOf("LAT_D_L"), QStringLiteral("0"));
}

// Every entry of every menu has one access key, unique within its menu.
TEST_F(ProgramTest, MenusHaveAccessKeys) {
  std::function<void(const QList<QAction*>&, const QString&)> check = [&](const QList<QAction*>& actions,
                                                                          const QString& where) {
    QSet<QChar> keys;
    for (QAction* action : actions) {
      if (action->isSeparator()) continue;
      const QString text = action->text();
      const qsizetype at = text.indexOf(QLatin1Char('&'));
      ASSERT_GE(at, 0) << where.toStdString() << ": " << text.toStdString();
      ASSERT_LT(at + 1, text.size());
      EXPECT_EQ(text.count(QLatin1Char('&')), 1) << text.toStdString();
      const QChar key = text[at + 1].toLower();
      EXPECT_FALSE(keys.contains(key)) << where.toStdString() << ": " << text.toStdString();
      keys.insert(key);
      if (action->menu() != nullptr) check(action->menu()->actions(), text);
    }
  };
  check(program->mainWindow().menuBar()->actions(), QStringLiteral("barra de menús"));
  auto* file = qobject_cast<QAction*>(program->target("Archivo"));
  EXPECT_EQ(file->text(), QStringLiteral("&Archivo"));
  auto* help = qobject_cast<QAction*>(program->target("Ayuda"));
  EXPECT_EQ(help->text(), QStringLiteral("Ay&uda"));
}

// Names of the widgets Tab reaches from `first`, once round the window.
QStringList tabWalk(QWidget* first) {
  first->setFocus(Qt::TabFocusReason);
  QStringList names;
  for (int k = 0; k < 100; ++k) {
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr) break;
    if (k > 0 && focused == first) break;
    names.push_back(focused->objectName());
    QTest::keyClick(focused, Qt::Key_Tab);
  }
  return names;
}

TEST_F(ProgramTest, TabWalksThePanelsTopToBottom) {
  QMainWindow& window = program->mainWindow();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  for (const std::string_view name : tabOrder()) EXPECT_NE(qobject_cast<QWidget*>(program->target(name)), nullptr) << name;
  // A datum other than WGS84 shows the datum-shift frames.
  pickWithKeys("DATUM_L", QStringLiteral("PSAD 56 - La Canoa (2)"));
  pickWithKeys("Coord_R", QStringLiteral("UTM"));
  const QStringList walk = tabWalk(widget<QWidget>("Coord_L"));
  const QStringList expected = {
      "Coord_L", "Units_L", "DATUM_L", "LAT_D_L", "LAT_M_L", "LAT_S_L", "LON_D_L", "LON_M_L", "LON_S_L",
      "ALT_M_L", "Command1", "Command2", "Coord_R", "Zone_R", "Fijar_R", "Hemisferio_R", "DATUM_R", "LAT_D_R",
      "LON_D_R", "ALT_M_R", "Check1", "Check2", "Check3"};
  ASSERT_GE(walk.size(), expected.size()) << walk.join(' ').toStdString();
  EXPECT_EQ(walk.mid(0, expected.size()), expected) << walk.join(' ').toStdString();
  EXPECT_TRUE(walk.endsWith(QStringLiteral("Command4"))) << walk.join(' ').toStdString();
  EXPECT_LT(walk.indexOf(QStringLiteral("Check1")), walk.indexOf(QStringLiteral("Dx_label")));
  EXPECT_LT(walk.indexOf(QStringLiteral("Dx_label")), walk.indexOf(QStringLiteral("Borrar")));
}

// The widget that has the keyboard focus is drawn otherwise than without it.
TEST_F(ProgramTest, TheFocusCanBeSeen) {
  QMainWindow& window = program->mainWindow();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  // Typing starts in the first box of the point.
  EXPECT_EQ(QApplication::focusWidget(), widget<QWidget>("LAT_D_L"));
  pickWithKeys("DATUM_L", QStringLiteral("PSAD 56 - La Canoa (2)"));
  for (const char* name : {"LAT_D_L", "Coord_L", "Command1", "Check1", "Borrar"}) {
    auto* target = widget<QWidget>(name);
    ASSERT_TRUE(target->isVisible()) << name;
    widget<QWidget>("Dx_label")->setFocus(Qt::TabFocusReason);
    const QImage without = target->grab().toImage();
    // Reached with the keyboard: back and forth with Tab.
    target->setFocus(Qt::TabFocusReason);
    QTest::keyClick(target, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(target->hasFocus()) << name;
    const QImage with = target->grab().toImage();
    EXPECT_NE(with, without) << name << " looks the same with and without the focus";
  }
}

}  // namespace
}  // namespace brelosta
