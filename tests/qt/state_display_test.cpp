// The widgets show the window state: every control has its widget, every
// property the program sets reaches it, and the places where controls lie
// over one another show the right one.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

#include "program_fixture.hpp"

namespace brelosta {
namespace {

TEST_F(ProgramTest, EveryControlHasItsWidgetNamedAfterIt) {
  forEachControl(program->state(), [&](std::string_view name, Control& control) {
    if (control.kind == ControlKind::Dialog) return;  // the toolkit's file dialogs
    QObject* target = program->target(name);
    ASSERT_NE(target, nullptr) << name;
    const std::string_view shortName = name.substr(name.find('.') + 1);
    EXPECT_EQ(target->objectName().toStdString(), shortName);
  });
}

TEST_F(ProgramTest, StartsWithTheCataloguesInTheWindow) {
  EXPECT_EQ(program->mainWindow().windowTitle(), QStringLiteral("BRELOSTA Version 3.9.3"));
  auto* kinds = widget<QComboBox>("Coord_L");
  ASSERT_NE(kinds, nullptr);
  EXPECT_EQ(kinds->count(), 6);
  EXPECT_EQ(kinds->currentText(), QStringLiteral("Geográficas"));
  EXPECT_EQ(kinds->itemText(5), QStringLiteral("Loma Quintana (Ven)"));
  auto* datums = widget<QComboBox>("DATUM_R");
  ASSERT_NE(datums, nullptr);
  EXPECT_EQ(datums->currentText(), QStringLiteral("WGS84"));
  EXPECT_GE(datums->findText(QStringLiteral("PSAD 56 - La Canoa (2)")), 0);
  expectWidgetsShowState();
}

struct Shown {
  const char* name;
  std::function<void(MainWindowState&)> change;
  std::function<bool(DesktopProgram&)> shows;
};

template <class Widget>
Widget* find(DesktopProgram& program, std::string_view name) {
  return program.widget<Widget>(name);
}

const Shown kShown[] = {
    {"BoxText", [](MainWindowState& s) { s.LAT_D_R.text = "1161462,9277"; },
     [](DesktopProgram& p) { return find<QLineEdit>(p, "LAT_D_R")->text() == QStringLiteral("1161462,9277"); }},
    {"LabelCaption", [](MainWindowState& s) { s.Title_Lat_L.text = "       Archivo"; },
     [](DesktopProgram& p) { return find<QLabel>(p, "Title_Lat_L")->text() == QStringLiteral("       Archivo"); }},
    {"SignCaption", [](MainWindowState& s) { s.Minutes[3].text = "m"; },
     [](DesktopProgram& p) { return find<QLabel>(p, "Minutes(3)")->text() == QStringLiteral("m"); }},
    {"FrameCaption", [](MainWindowState& s) { s.Frame3.text = "Orígen Local"; },
     [](DesktopProgram& p) { return find<QGroupBox>(p, "Frame3")->title() == QStringLiteral("Orígen Local"); }},
    {"ButtonCaption", [](MainWindowState& s) { s.Hemisferio_R.text = "Hemisferio Sur"; },
     [](DesktopProgram& p) { return find<QPushButton>(p, "Hemisferio_R")->text() == QStringLiteral("Hemisferio Sur"); }},
    {"Shown", [](MainWindowState& s) { s.Zone_L.visible = true; },
     [](DesktopProgram& p) { return find<QLineEdit>(p, "Zone_L")->isVisible(); }},
    {"Hidden", [](MainWindowState& s) { s.LAT_S_L.visible = false; },
     [](DesktopProgram& p) { return !find<QLineEdit>(p, "LAT_S_L")->isVisible(); }},
    {"Disabled", [](MainWindowState& s) { s.Para_2_R.enabled = false; },
     [](DesktopProgram& p) { return !find<QLineEdit>(p, "Para_2_R")->isEnabled(); }},
    {"CheckValue", [](MainWindowState& s) { s.Fijar_R.value = 0; },
     [](DesktopProgram& p) { return !find<QCheckBox>(p, "Fijar_R")->isChecked(); }},
    {"ListEntriesAndSelection",
     [](MainWindowState& s) {
       s.Formato_R.entries = {"Norte Este", "Este Norte", "Id Norte Este"};
       s.Formato_R.index = 2;
       s.Formato_R.text = "Id Norte Este";
     },
     [](DesktopProgram& p) {
       auto* combo = find<QComboBox>(p, "Formato_R");
       return combo->count() == 3 && combo->currentIndex() == 2 && combo->currentText() == QStringLiteral("Id Norte Este");
     }},
    {"EditedListText", [](MainWindowState& s) { s.Formato_L.text = "Id LAT LON H"; },
     [](DesktopProgram& p) { return find<QComboBox>(p, "Formato_L")->currentText() == QStringLiteral("Id LAT LON H"); }},
    {"MenuEntryCheckedAndEnabled",
     [](MainWindowState& s) {
       s.conencabezado.enabled = true;
       s.conencabezado.value = 1;
     },
     [](DesktopProgram& p) {
       auto* entry = qobject_cast<QAction*>(p.target("conencabezado"));
       return entry->isEnabled() && entry->isChecked();
     }},
    {"MenuShown", [](MainWindowState& s) { s.Herramientas.visible = true; },
     [](DesktopProgram& p) { return qobject_cast<QAction*>(p.target("Herramientas"))->isVisible(); }},
    {"ProgressBar", [](MainWindowState& s) { s.Progreso.ProgressBar1.progress = 66.6667F; },
     [](DesktopProgram& p) { return find<QProgressBar>(p, "Progreso.ProgressBar1")->value() == 67; }},
    {"PreviewColumn", [](MainWindowState& s) { s.Preview.List9.entries = {"12.5", "", "0"}; },
     [](DesktopProgram& p) { return find<QListWidget>(p, "Preview.List9")->count() == 3; }},
    {"WindowShown", [](MainWindowState& s) { s.Preview.Preview.visible = true; },
     [](DesktopProgram& p) { return find<QWidget>(p, "Preview")->isVisible(); }},
};

class StateShownTest : public ProgramTest, public ::testing::WithParamInterface<Shown> {};

void PrintTo(const Shown& shown, std::ostream* out) { *out << shown.name; }

TEST_P(StateShownTest, AfterARefresh) {
  const Shown& shown = GetParam();
  shown.change(program->state());
  EXPECT_FALSE(shown.shows(*program)) << "shown before the refresh";
  program->refresh();
  EXPECT_TRUE(shown.shows(*program));
  expectWidgetsShowState();
}

INSTANTIATE_TEST_SUITE_P(Properties, StateShownTest, ::testing::ValuesIn(kShown),
                         [](const auto& info) { return std::string(info.param.name); });

// The rectangle of a widget in the main window's coordinates.
QRect placeOf(QWidget* widget, QWidget* window) {
  return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

TEST_F(ProgramTest, WideDegreesBoxCoversItsSignAndMinutesBox) {
  QWidget* window = &program->mainWindow();
  auto* degrees = widget<QLineEdit>("LAT_D_L");
  auto* degreeSign = widget<QLabel>("Degrees(0)");
  auto* minutesSign = widget<QLabel>("Minutes(0)");
  auto* minutesBox = widget<QLineEdit>("LAT_M_L");
  const int narrow = degrees->width();
  EXPECT_GT(placeOf(degreeSign, window).left(), placeOf(degrees, window).right());

  program->state().LAT_D_L.width = 1200;
  program->state().LAT_M_L.visible = false;
  program->refresh();

  EXPECT_NEAR(degrees->width() / static_cast<double>(narrow), 1200.0 / 495.0, 0.05);
  const QRect box = placeOf(degrees, window);
  EXPECT_TRUE(box.contains(placeOf(degreeSign, window).center()));
  EXPECT_TRUE(box.contains(placeOf(minutesBox, window).center()));
  EXPECT_GT(placeOf(minutesSign, window).left(), box.right());
  EXPECT_EQ(window->childAt(placeOf(degreeSign, window).center()), degrees);
}

// Controls that share a place: what lies on top while both show, and what
// shows through when the upper one is hidden.
struct SharedPlace {
  const char* upper;
  const char* lower;
};

class SharedPlaceTest : public ProgramTest, public ::testing::WithParamInterface<SharedPlace> {};

void PrintTo(const SharedPlace& place, std::ostream* out) { *out << place.upper << " over " << place.lower; }

TEST_P(SharedPlaceTest, UpperCoversLowerUntilHidden) {
  const SharedPlace& place = GetParam();
  QWidget* window = &program->mainWindow();
  auto* upper = widget<QWidget>(place.upper);
  auto* lower = widget<QWidget>(place.lower);
  findControl(program->state(), place.upper)->visible = true;
  findControl(program->state(), place.lower)->visible = true;
  program->refresh();
  const QPoint spot = placeOf(lower, window).center();
  EXPECT_TRUE(placeOf(upper, window).contains(spot));
  QWidget* seen = window->childAt(spot);
  EXPECT_TRUE(seen == upper || upper->isAncestorOf(seen));

  findControl(program->state(), place.upper)->visible = false;
  program->refresh();
  seen = window->childAt(spot);
  EXPECT_TRUE(seen == lower || lower->isAncestorOf(seen));
}

INSTANTIATE_TEST_SUITE_P(Places, SharedPlaceTest,
                         ::testing::Values(SharedPlace{"DATUM_L", "LQ_R"}, SharedPlace{"DATUM_R", "LQ_L"},
                                           SharedPlace{"Title_Lon_L", "Label13"},
                                           SharedPlace{"Title_Lon_R", "Label15"}),
                         [](const auto& info) { return std::string(info.param.upper); });

TEST_F(ProgramTest, MethodFrameTakesTheHiddenGeoidFramesPlace) {
  QWidget* window = &program->mainWindow();
  auto* geoid = widget<QWidget>("Frame8");
  auto* method = widget<QWidget>("Conversion");
  program->state().Conversion.visible = true;
  program->state().Frame8.visible = true;
  program->refresh();
  const int geoidTop = placeOf(geoid, window).top();
  EXPECT_GT(placeOf(method, window).top(), placeOf(geoid, window).bottom());

  program->state().Frame8.visible = false;
  program->refresh();
  QApplication::processEvents();
  EXPECT_EQ(placeOf(method, window).top(), geoidTop);
}

}  // namespace
}  // namespace brelosta
