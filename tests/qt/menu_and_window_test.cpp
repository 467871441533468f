// Menus, buttons and the secondary windows reach the window state through the
// same reactions as the action-script driver.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "program_fixture.hpp"

namespace brelosta {
namespace {

TEST_F(ProgramTest, GeoidMenuEntryTogglesTheGeoidFrame) {
  auto* geoid = qobject_cast<QAction*>(program->target("Geoidal"));
  auto* frame = widget<QWidget>("Frame8");
  choose("Geoidal");
  EXPECT_TRUE(geoid->isChecked());
  EXPECT_TRUE(frame->isVisible());
  EXPECT_EQ(program->state().Geoidal.value, 1);
  choose("Geoidal");
  EXPECT_FALSE(geoid->isChecked());
  EXPECT_FALSE(frame->isVisible());
  expectWidgetsShowState();
}

TEST_F(ProgramTest, HeaderEntriesAreExclusive) {
  auto* without = qobject_cast<QAction*>(program->target("sinencabezado"));
  auto* with = qobject_cast<QAction*>(program->target("conencabezado"));
  EXPECT_FALSE(with->isEnabled());
  // Usable in file mode only.
  program->state().sinencabezado.enabled = true;
  program->state().conencabezado.enabled = true;
  program->refresh();
  choose("conencabezado");
  EXPECT_TRUE(with->isChecked());
  EXPECT_FALSE(without->isChecked());
  choose("sinencabezado");
  EXPECT_FALSE(with->isChecked());
  EXPECT_TRUE(without->isChecked());
  EXPECT_EQ(program->state().sinencabezado.value, 1);
  EXPECT_EQ(program->state().conencabezado.value, 0);
}

TEST_F(ProgramTest, CheckBoxClickReachesTheState) {
  program->state().Fijar_L.visible = true;
  program->refresh();
  clickOn("Fijar_L");
  EXPECT_EQ(program->state().Fijar_L.value, 0);
  EXPECT_FALSE(widget<QCheckBox>("Fijar_L")->isChecked());
  clickOn("Fijar_L");
  EXPECT_EQ(program->state().Fijar_L.value, 1);
}

TEST_F(ProgramTest, HemisphereButtonTogglesItsCaption) {
  program->state().Hemisferio_R.visible = true;
  program->refresh();
  clickOn("Hemisferio_R");
  EXPECT_EQ(widget<QPushButton>("Hemisferio_R")->text(), QStringLiteral("Hemisferio Sur"));
  clickOn("Hemisferio_R");
  EXPECT_EQ(program->state().Hemisferio_R.text, "Hemisferio Norte");
}

TEST_F(ProgramTest, ListChoiceRunsItsReaction) {
  pickWithKeys("Coord_L", QStringLiteral("Loma Quintana (Ven)"));
  EXPECT_EQ(program->state().Coord_L.text, "Loma Quintana (Ven)");
  EXPECT_EQ(program->state().Coord_L.index, 5);
  expectWidgetsShowState();
  pickWithKeys("Coord_L", QStringLiteral("UTM"));
  EXPECT_EQ(program->state().Coord_L.text, "UTM");
  expectWidgetsShowState();
}

TEST_F(ProgramTest, ModeSwitchesLeaveTheWidgetsShowingTheState) {
  for (const char* mode : {"M_Archivo", "M_Puntual", "M_Archivo"}) {
    choose(mode);
    expectWidgetsShowState();
  }
}

TEST_F(ProgramTest, ExitAsksInSpanishAndNoKeepsTheProgram) {
  const SeenMessage seen = answerMessage([&] { clickOn("Command4"); }, QStringLiteral("No"));
  EXPECT_EQ(seen.title, QStringLiteral("Brelosta"));
  EXPECT_EQ(seen.text, QStringLiteral("Desea realmente salir ?"));
  EXPECT_EQ(seen.icon, QMessageBox::Critical);
  EXPECT_EQ(seen.buttons, (QStringList{QStringLiteral("No"), QStringLiteral("Sí")}));
  EXPECT_EQ(seen.defaultButton, QStringLiteral("No"));
  EXPECT_EQ(endRequests, 0);

  answerMessage([&] { clickOn("Command4"); }, QStringLiteral("Sí"));
  EXPECT_EQ(endRequests, 1);
}

TEST_F(ProgramTest, SalirMenuEntryEndsAtOnce) {
  choose("Salir");
  EXPECT_EQ(endRequests, 1);
}

TEST_F(ProgramTest, ClosingTheMainWindowEndsTheProgram) {
  program->mainWindow().close();
  EXPECT_EQ(endRequests, 1);
}

TEST_F(ProgramTest, F1AsksForTheGuide) {
  QSignalSpy guide(qobject_cast<QAction*>(program->target("Master")), &QAction::triggered);
  // The test's working folder has no guide beside it: the help says so.
  const SeenMessage seen = answerMessage([&] { QTest::keyClick(&program->mainWindow(), Qt::Key_F1); });
  EXPECT_EQ(guide.count(), 1);
  EXPECT_EQ(seen.title, QStringLiteral("Atención"));
}

TEST_F(ProgramTest, AboutWindowOpensAndCloses) {
  choose("Acercade");
  auto* about = widget<QWidget>("About");
  ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
  EXPECT_EQ(about->windowTitle(), QStringLiteral("BRELOSTA "));
  EXPECT_EQ(widget<QLabel>("About.Version")->text(), QStringLiteral("Versión: 3.9.3"));
  EXPECT_EQ(widget<QLabel>("About.Elaborado")->text(), QStringLiteral("Elaborado por:"));
  EXPECT_FALSE(program->mainWindow().isHidden()) << "not modal";
  clickOn("About.Command1");
  EXPECT_FALSE(about->isVisible());
  EXPECT_FALSE(program->state().About.About.visible);

  // The title bar's close button and Escape do what Cerrar does.
  choose("Acercade");
  about->close();
  EXPECT_FALSE(program->state().About.About.visible);
  choose("Acercade");
  QTest::keyClick(about, Qt::Key_Escape);
  EXPECT_FALSE(about->isVisible());
}

TEST_F(ProgramTest, PreviewWindowHasItsElevenColumns) {
  choose("Revisar");
  auto* preview = widget<QWidget>("Preview");
  ASSERT_TRUE(QTest::qWaitForWindowExposed(preview));
  EXPECT_EQ(preview->windowTitle(), QStringLiteral("Brelosta - Preview"));
  EXPECT_EQ(preview->findChildren<QListWidget*>().size(), 11);
  QStringList captions;
  for (QLabel* label : preview->findChildren<QLabel*>()) captions.push_back(label->text());
  for (const char* caption : {"Nombre", "Id", "Latitud", "Longitud", "Grad", "Min", "Seg", "Altura", "Norte", "Este",
                              "Grados Decimales"})
    EXPECT_TRUE(captions.contains(QString::fromUtf8(caption))) << caption;
  expectWidgetsShowState();
  clickOn("Preview.Salida");
  EXPECT_FALSE(preview->isVisible());
}

}  // namespace
}  // namespace brelosta
