#include "qt/main_window.hpp"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/keyboard.hpp"
#include "app/system_panel.hpp"
#include "qt/clickable_label.hpp"
#include "qt/control_view.hpp"
#include "qt/pictures.hpp"
#include "qt/twip_row.hpp"

namespace brelosta {
namespace {

// Horizontal positions in twips of the point row: the degrees box (495 wide
// beside the minutes and seconds boxes, 1200 when it holds a whole
// coordinate and covers the degree sign and the minutes box), then the signs
// and boxes that follow it. The minutes sign stands just right of a 1200-twip
// box, where it shows the unit of a single coordinate ("°" or "m").
constexpr int kDegreesBox = 0;
constexpr int kDegreesSign = 525;
constexpr int kMinutesBox = 660;
constexpr int kMinutesBoxWidth = 540;
constexpr int kMinutesSign = 1230;
constexpr int kSecondsBox = 1380;
constexpr int kSecondsBoxWidth = 780;
constexpr int kSecondsSign = 2190;
constexpr int kSignWidth = 150;
constexpr int kDegreesBoxWidth = 495;
constexpr int kWholeCoordinateWidth = 1200;
// The row titles ("LAT", "N", "       Archivo").
constexpr int kTitleWidth = 700;
// Columns of the main window: the left panel, the datum-shift frames over
// three columns (the convert buttons below the middle one), the right panel.
constexpr int kLeftColumn = 0;
constexpr int kMiddleColumn = 2;
constexpr int kRightColumn = 4;
constexpr int kColumns = 5;
// Text boxes of the parameter frames.
constexpr int kParameterBoxWidth = 1000;

// Grids with the same spacing between rows whether or not some of their
// rows are hidden.
QGridLayout* newGrid(QWidget* parent) {
  auto* grid = new QGridLayout(parent);
  const int spacing = parent->fontMetrics().height() / 3;
  grid->setVerticalSpacing(spacing);
  grid->setHorizontalSpacing(spacing * 2);
  return grid;
}

class Builder {
 public:
  Builder(MainWindowState& state, WidgetBinder& binder) : state_(state), binder_(binder) {}

  QLabel* label(Control& control, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = binder_.bind(control, new QLabel);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    return label;
  }
  QLabel* caption(Control& control) { return label(control, Qt::AlignRight | Qt::AlignVCenter); }
  QLineEdit* box(Control& control) { return binder_.bind(control, new QLineEdit); }
  QLineEdit* parameterBox(Control& control) {
    QLineEdit* edit = box(control);
    edit->setMinimumWidth(twipsToPixels(edit->fontMetrics(), kParameterBoxWidth));
    return edit;
  }
  QComboBox* list(Control& control, int characters) {
    auto* combo = binder_.bind(control, new QComboBox);
    combo->setEditable(control.kind == ControlKind::EditableList);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(characters);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
  }
  QGroupBox* frame(Control& control) { return binder_.bind(control, new QGroupBox); }
  QPushButton* button(Control& control) {
    auto* button = binder_.bind(control, new QPushButton);
    button->setAutoDefault(false);
    return button;
  }
  QCheckBox* check(Control& control) { return binder_.bind(control, new QCheckBox); }
  // A check box that carries its own caption.
  QCheckBox* captionedCheck(Control& control) {
    QCheckBox* box = check(control);
    box->setText(qtText(control.text));
    return box;
  }
  QFrame* line(Control& control) {
    auto* line = binder_.bind(control, new QFrame);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
  }

  // The coordinate-system frame of one panel. Controls that the kinds never
  // show together share a place: the angle-format list and the zone box, the
  // zone check box and the latitude of origin, the hemisphere button and the
  // longitude of origin.
  QGroupBox* systemFrame(const SystemPanel& panel) {
    QGroupBox* group = frame(panel.systemFrame);
    QGridLayout* grid = newGrid(group);
    grid->setColumnStretch(1, 1);
    grid->addWidget(list(panel.Coord, 22), 0, 0, 1, 2);
    grid->addWidget(caption(panel.Proj), 1, 0);
    grid->addWidget(list(panel.Units, 16), 1, 1);
    grid->addWidget(box(panel.Zone), 1, 1);
    grid->addWidget(caption(panel.secondParallelLabel), 2, 0);
    grid->addWidget(box(panel.Para_2), 2, 1);
    grid->addWidget(caption(panel.Automatico), 3, 0);
    grid->addWidget(check(panel.Fijar), 3, 1, Qt::AlignLeft);
    grid->addWidget(box(panel.Lat_origen), 3, 1);
    grid->addWidget(caption(panel.originLongitudeLabel), 4, 0);
    grid->addWidget(box(panel.Lon_origen), 4, 1);
    grid->addWidget(button(panel.Hemisferio), 4, 1);
    grid->addWidget(line(panel.separatorLine), 5, 0, 1, 2);
    grid->addWidget(caption(panel.falseEastingLabel), 6, 0);
    grid->addWidget(box(panel.Feste), 6, 1);
    grid->addWidget(caption(panel.falseNorthingLabel), 7, 0);
    grid->addWidget(box(panel.Fnorte), 7, 1);
    grid->setRowStretch(8, 1);
    return group;
  }

  // The datum frame: the datum list over the fixed "Loma Quintana" box that
  // shows through while the list is hidden.
  QGroupBox* datumFrame(Control& frameControl, Control& datumList, Control& localGridBox) {
    QGroupBox* group = frame(frameControl);
    QGridLayout* grid = newGrid(group);
    QLineEdit* local = box(localGridBox);
    local->setReadOnly(true);
    // Tab passes it by: it lies under the datum list while the list shows.
    local->setFocusPolicy(Qt::ClickFocus);
    grid->addWidget(local, 0, 0);
    QComboBox* datums = list(datumList, 26);
    grid->addWidget(datums, 0, 0);
    datums->raise();
    return group;
  }

  TwipRow* angleRow(Control& degrees, Control& degreesSign, Control& minutes, Control& minutesSign,
                    Control& seconds, Control& secondsSign) {
    auto* row = new TwipRow;
    row->place(box(degrees), kDegreesBox, kDegreesBoxWidth);
    row->place(label(degreesSign), kDegreesSign, kSignWidth);
    row->place(box(minutes), kMinutesBox, kMinutesBoxWidth);
    row->place(label(minutesSign), kMinutesSign, kSignWidth);
    row->place(box(seconds), kSecondsBox, kSecondsBoxWidth);
    row->place(label(secondsSign), kSecondsSign, kSignWidth);
    return row;
  }

  // The point rows of one panel, with its file row in the same place: the
  // file box over the latitude row, the record-layout list over the
  // longitude row, an option of the file run over the height row. The row
  // titles hide the "Formato" captions beneath them while they show; the
  // left panel has a spare one under its latitude title.
  QWidget* pointRows(const SystemPanel& panel, Control& formatCaption, Control* spareFormatCaption,
                     Control& fileOption) {
    auto* rows = new QWidget;
    QGridLayout* grid = newGrid(rows);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(1, 1);
    if (spareFormatCaption != nullptr) grid->addWidget(caption(*spareFormatCaption), 0, 0);
    grid->addWidget(caption(formatCaption), 1, 0);
    QLabel* latitudeTitle = caption(panel.Title_Lat);
    QLabel* longitudeTitle = caption(panel.Title_Lon);
    for (QLabel* title : {latitudeTitle, longitudeTitle}) {
      title->setMinimumWidth(twipsToPixels(title->fontMetrics(), kTitleWidth));
      title->setAutoFillBackground(true);
    }
    grid->addWidget(latitudeTitle, 0, 0);
    grid->addWidget(longitudeTitle, 1, 0);
    grid->addWidget(angleRow(panel.LAT_D, panel.latitudeDegreesSign, panel.LAT_M, panel.latitudeMinutesSign,
                             panel.LAT_S, panel.latitudeSecondsSign),
                    0, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(angleRow(panel.LON_D, panel.longitudeDegreesSign, panel.LON_M, panel.longitudeMinutesSign,
                             panel.LON_S, panel.longitudeSecondsSign),
                    1, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(caption(panel.heightLabel), 2, 0);
    auto* heightRow = new TwipRow;
    heightRow->place(box(panel.ALT_M), kDegreesBox, kWholeCoordinateWidth);
    heightRow->place(label(panel.heightUnitLabel), kMinutesSign, kSignWidth);
    grid->addWidget(heightRow, 2, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(captionedCheck(fileOption), 2, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(box(panel.File), 0, 1);
    grid->addWidget(button(panel.Browse), 0, 2);
    grid->addWidget(list(panel.Formato, 16), 1, 1, 1, 2, Qt::AlignLeft);
    latitudeTitle->raise();
    longitudeTitle->raise();
    return rows;
  }

  QPushButton* convertButton(Control& control, bool rightwards, const QString& tip) {
    QPushButton* convert = button(control);
    convert->setIcon(arrowIcon(rightwards));
    const int height = convert->fontMetrics().height() * 2;
    convert->setIconSize(QSize(height * 8 / 5, height));
    convert->setToolTip(tip);
    convert->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return convert;
  }

  QWidget* convertButtons() {
    auto* buttons = new QWidget;
    auto* column = new QVBoxLayout(buttons);
    column->addWidget(
        convertButton(state_.Command1, true, QStringLiteral("Convertir las coordenadas de la izquierda a la derecha")));
    column->addWidget(
        convertButton(state_.Command2, false, QStringLiteral("Convertir las coordenadas de la derecha a la izquierda")));
    return buttons;
  }

  // The point and file rows lie in a frame across the window, in two halves
  // with the convert buttons between them: each side's rows start at the
  // left of its half, and a file name box takes the whole half.
  void pointFrame(QGridLayout* grid, int row) {
    auto* frame = binder_.bind(state_.Frame5, new QFrame);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    grid->addWidget(frame, row, kLeftColumn, 1, kColumns);
    const int margin = frame->fontMetrics().height() / 2;
    const auto inset = [margin](QWidget* rows) {
      rows->layout()->setContentsMargins(margin, margin, margin, margin);
      return rows;
    };
    grid->addWidget(
        inset(pointRows(systemPanel(state_, Side::Left), state_.Label13, &state_.Label12, state_.Titulos)),
        row, kLeftColumn, 1, 2);
    grid->addWidget(convertButtons(), row, kMiddleColumn, Qt::AlignCenter);
    grid->addWidget(
        inset(pointRows(systemPanel(state_, Side::Right), state_.Label15, nullptr, state_.Continuar)), row,
        kMiddleColumn + 1, 1, 2);
  }

  QGroupBox* methodFrame() {
    QGroupBox* group = frame(state_.Conversion);
    QGridLayout* grid = newGrid(group);
    const auto method = [&](Control& box, Control& name, int row) {
      QCheckBox* check = this->check(box);
      auto* label = binder_.bind(name, new ClickableLabel);
      label->setTextFormat(Qt::PlainText);
      label->setBuddy(check);
      grid->addWidget(check, row, 0);
      grid->addWidget(label, row, 1);
    };
    method(state_.Check1, state_.Label9, 0);
    method(state_.Check2, state_.Label10, 1);
    method(state_.Check3, state_.Label11, 2);
    grid->setColumnStretch(1, 1);
    return group;
  }

  QGroupBox* parameterFrame() {
    QGroupBox* group = frame(state_.Parametros);
    QGridLayout* grid = newGrid(group);
    const std::pair<Control*, Control*> parameters[] = {
        {&state_.Dxlabel, &state_.Dx_label}, {&state_.Dylabel, &state_.Dy_label}, {&state_.Dzlabel, &state_.Dz_label},
        {&state_.Rxlabel, &state_.Rx_label}, {&state_.Rylabel, &state_.Ry_label}, {&state_.Rzlabel, &state_.Rz_label},
        {&state_.SClabel, &state_.SC_label}};
    // Translations in the first column, rotations and scale in the second.
    for (int k = 0; k < 7; ++k) {
      const int row = k < 3 ? k : (k - 3);
      const int column = k < 3 ? 0 : 2;
      grid->addWidget(caption(*parameters[k].first), row, column);
      grid->addWidget(parameterBox(*parameters[k].second), row, column + 1);
    }
    return group;
  }

  QGroupBox* labelledBoxes(Control& frameControl, std::initializer_list<std::pair<Control*, Control*>> rows) {
    QGroupBox* group = frame(frameControl);
    QGridLayout* grid = newGrid(group);
    int row = 0;
    for (const auto& [name, value] : rows) {
      grid->addWidget(caption(*name), row, 0);
      grid->addWidget(parameterBox(*value), row, 1);
      ++row;
    }
    grid->setColumnStretch(1, 1);
    return group;
  }

  QGroupBox* singleBox(Control& frameControl, Control& boxControl) {
    QGroupBox* group = frame(frameControl);
    auto* layout = new QHBoxLayout(group);
    layout->addWidget(parameterBox(boxControl));
    return group;
  }

  // Along the bottom, below the file rows: the form of a file run's output
  // (file mode only), then the commands.
  QWidget* commandFrame() {
    auto* group = binder_.bind(state_.Frame6, new QFrame);
    auto* layout = new QHBoxLayout(group);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label(state_.Label27));
    layout->addWidget(list(state_.Formato_Salida, 30));
    layout->addStretch();
    layout->addWidget(button(state_.Ver_Mapa));
    layout->addWidget(button(state_.Borrar));
    layout->addWidget(button(state_.Command4));
    return group;
  }

  QWidget* central() {
    auto* central = new QWidget;
    QGridLayout* grid = newGrid(central);
    const SystemPanel left = systemPanel(state_, Side::Left);
    const SystemPanel right = systemPanel(state_, Side::Right);

    auto* leftColumn = new QVBoxLayout;
    QGroupBox* leftSystem = systemFrame(left);
    leftColumn->addWidget(leftSystem);
    leftColumn->addWidget(datumFrame(state_.Frame2, state_.DATUM_L, state_.LQ_R));
    auto* rightColumn = new QVBoxLayout;
    QGroupBox* rightSystem = systemFrame(right);
    rightColumn->addWidget(rightSystem);
    rightColumn->addWidget(datumFrame(state_.Frame4, state_.DATUM_R, state_.LQ_L));
    // Every widget is still shown here: the frames keep the size of their
    // fullest kind, so the window does not jump when a kind changes.
    const QSize systemSize = leftSystem->sizeHint().expandedTo(rightSystem->sizeHint());
    leftSystem->setMinimumSize(systemSize);
    rightSystem->setMinimumSize(systemSize);

    auto* methodColumn = new QVBoxLayout;
    methodColumn->addWidget(singleBox(state_.Frame8, state_.H_EGM96));
    methodColumn->addWidget(methodFrame());
    methodColumn->addWidget(singleBox(state_.Frame7, state_.Codigo));
    methodColumn->addStretch();
    auto* parameterColumn = new QVBoxLayout;
    parameterColumn->addWidget(parameterFrame());
    parameterColumn->addWidget(labelledBoxes(
        state_.PF, {{&state_.Label1, &state_.XXMM}, {&state_.Label2, &state_.YYMM}, {&state_.Label5, &state_.ZZMM}}));
    parameterColumn->addStretch();
    auto* centre = new QGridLayout;
    centre->addLayout(methodColumn, 0, 0);
    centre->addLayout(parameterColumn, 0, 1);
    centre->addWidget(labelledBoxes(state_.Frame9, {{&state_.Label26, &state_.elipsoide_n},
                                                    {&state_.Label16, &state_.elipsoide_a},
                                                    {&state_.Label17, &state_.elipsoide_f}}),
                      1, 0, 1, 2);

    grid->addLayout(leftColumn, 0, kLeftColumn);
    grid->addLayout(centre, 0, kLeftColumn + 1, 1, 3);
    grid->addLayout(rightColumn, 0, kRightColumn);
    pointFrame(grid, 1);
    grid->addWidget(commandFrame(), 2, kLeftColumn, 1, kColumns);
    for (const int column : {kLeftColumn, kLeftColumn + 1, kMiddleColumn + 1, kRightColumn})
      grid->setColumnStretch(column, 1);
    return central;
  }

  void menus(QMenuBar* bar) {
    const auto menu = [&](QMenu* parent, Control& control) {
      QMenu* submenu = parent != nullptr ? parent->addMenu(QString()) : bar->addMenu(QString());
      binder_.bind(control, submenu->menuAction());
      return submenu;
    };
    const auto entry = [&](QMenu* parent, Control& control, bool checkable = false) {
      QAction* action = binder_.bind(control, parent->addAction(QString()));
      action->setCheckable(checkable);
      return action;
    };
    const auto separator = [&](QMenu* parent, Control& control) { binder_.bind(control, parent->addSeparator()); };

    QMenu* file = menu(nullptr, state_.Archivo);
    entry(file, state_.M_Puntual, true);
    entry(file, state_.M_Archivo, true);
    separator(file, state_.barra1);
    entry(file, state_.sinencabezado, true);
    entry(file, state_.conencabezado, true);
    separator(file, state_.barra2);
    QMenu* configuration = menu(file, state_.param);
    entry(configuration, state_.guardar);
    entry(configuration, state_.recuperar);
    entry(file, state_.Geoidal, true);
    separator(file, state_.barra3);
    entry(file, state_.Salir);
    QMenu* edit = menu(nullptr, state_.Edicion);
    QAction* paste = entry(edit, state_.Pegar);
    // A text box takes Ctrl+V itself (the program then looks whether it is
    // a block of rows, see DesktopProgram); elsewhere the entry does.
    paste->setShortcut(QKeySequence::Paste);
    QMenu* tools = menu(nullptr, state_.Herramientas);
    entry(tools, state_.Revisar);
    entry(tools, state_.Mapa);
    QMenu* help = menu(nullptr, state_.Ayuda);
    entry(help, state_.Acercade);
    QAction* guide = entry(help, state_.Master);
    guide->setShortcut(QKeySequence(Qt::Key_F1));
  }

 private:
  MainWindowState& state_;
  WidgetBinder& binder_;
};

}  // namespace

MainWindow::MainWindow(MainWindowState& state, WidgetBinder& binder) {
  binder.bind(state.Main, static_cast<QWidget*>(this));
  setWindowIcon(globeIcon());
  Builder builder(state, binder);
  builder.menus(menuBar());
  setCentralWidget(builder.central());
  QWidget* previous = nullptr;
  for (const std::string_view name : tabOrder()) {
    auto* next = qobject_cast<QWidget*>(binder.target(name));
    if (next == nullptr) continue;
    if (previous != nullptr) setTabOrder(previous, next);
    previous = next;
  }
  // The program starts in point mode: the first box of the point takes the
  // typing, with its cursor showing where it goes.
  if (auto* first = qobject_cast<QWidget*>(binder.target("LAT_D_L"))) first->setFocus();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (closeRequested && !closeRequested()) {
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

}  // namespace brelosta
