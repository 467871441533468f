#include "qt/preview_window.hpp"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/pictures.hpp"

namespace brelosta {
namespace {

// The file's first six lines and one more parsed row for a short file.
constexpr int kShownRows = 7;

QLabel* heading(const QString& text = {}) {
  auto* label = new QLabel(text);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

// A column as wide as `characters` digits; the raw lines' column (the
// first) takes the width left over.
QListWidget* column(int characters, bool stretches) {
  auto* list = new QListWidget;
  list->setSelectionMode(QAbstractItemView::NoSelection);
  list->setFocusPolicy(Qt::NoFocus);
  list->setUniformItemSizes(true);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const QFontMetrics metrics = list->fontMetrics();
  const int frame = 2 * list->frameWidth();
  list->setFixedHeight(kShownRows * (metrics.height() + 2) + frame);
  const int width = metrics.horizontalAdvance(QLatin1Char('0')) * characters + frame + 4;
  if (stretches)
    list->setMinimumWidth(width);
  else
    list->setFixedWidth(width);
  return list;
}

}  // namespace

SecondaryWindow* buildPreviewWindow(PreviewWindowState& state, WidgetBinder& binder, QWidget* parent) {
  auto* window = binder.bind(state.Preview, new SecondaryWindow(parent));
  window->setWindowIcon(globeIcon());
  auto* layout = new QVBoxLayout(window);

  auto* settings = new QHBoxLayout;
  auto* fileFrame = binder.bind(state.Frame1, new QGroupBox);
  auto* fileRow = new QHBoxLayout(fileFrame);
  auto* file = binder.bind(state.File_Preview, new QLineEdit);
  file->setMinimumWidth(file->fontMetrics().averageCharWidth() * 40);
  fileRow->addWidget(file, 1);
  auto* browse = binder.bind(state.Command1, new QPushButton);
  browse->setAutoDefault(false);
  fileRow->addWidget(browse);
  settings->addWidget(fileFrame, 1);
  const auto listFrame = [&](Control& frameControl, Control& listControl) {
    auto* group = binder.bind(frameControl, new QGroupBox);
    auto* row = new QHBoxLayout(group);
    auto* combo = binder.bind(listControl, new QComboBox);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(16);
    row->addWidget(combo);
    settings->addWidget(group);
  };
  listFrame(state.Frame2, state.Coord);
  listFrame(state.Frame3, state.Formato);
  auto* commands = new QVBoxLayout;
  for (Control* control : {&state.Examinar, &state.Salida}) {
    auto* button = binder.bind(*control, new QPushButton);
    button->setAutoDefault(false);
    commands->addWidget(button);
  }
  settings->addLayout(commands);
  layout->addLayout(settings);

  // The columns side by side, row for row: the raw line, the Id, latitude
  // and longitude in degrees, minutes and seconds, the height, and the two
  // coordinates of a metric or decimal-degree file.
  auto* table = new QGridLayout;
  table->setHorizontalSpacing(2);
  table->setVerticalSpacing(2);
  const struct {
    Control* list;
    int characters;
  } columns[] = {{&state.List1, 36}, {&state.List2, 8},  {&state.List3, 5},  {&state.List4, 4},
                 {&state.List5, 9},  {&state.List6, 5},  {&state.List7, 4},  {&state.List8, 9},
                 {&state.List9, 10}, {&state.List10, 14}, {&state.List11, 14}};
  for (int k = 0; k < 11; ++k)
    table->addWidget(binder.bind(*columns[k].list, column(columns[k].characters, k == 0)), 2, k);
  table->setColumnStretch(0, 1);
  table->addWidget(heading(QStringLiteral("Nombre")), 0, 1);
  table->addWidget(heading(QStringLiteral("Id")), 1, 1);
  table->addWidget(heading(QStringLiteral("Latitud")), 0, 2, 1, 3);
  table->addWidget(heading(QStringLiteral("Longitud")), 0, 5, 1, 3);
  for (const int first : {2, 5}) {
    table->addWidget(heading(QStringLiteral("Grad")), 1, first);
    table->addWidget(heading(QStringLiteral("Min")), 1, first + 1);
    table->addWidget(heading(QStringLiteral("Seg")), 1, first + 2);
  }
  table->addWidget(heading(QStringLiteral("Altura")), 1, 8);
  // "Norte" and "Este" lie over "Grados Decimales" and hide it while shown.
  const auto overlay = [&](Control& under, Control& over, int column) {
    auto* lower = binder.bind(under, heading());
    auto* upper = binder.bind(over, heading());
    upper->setAutoFillBackground(true);
    table->addWidget(lower, 1, column);
    table->addWidget(upper, 1, column);
    upper->raise();
  };
  overlay(state.Text17, state.Text15, 9);
  overlay(state.Text18, state.Text16, 10);
  layout->addLayout(table);
  auto* separator = binder.bind(state.Separador, new QLabel);
  separator->setTextFormat(Qt::PlainText);
  layout->addWidget(separator);
  return window;
}

}  // namespace brelosta
