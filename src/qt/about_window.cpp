#include "qt/about_window.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "formats/credits.hpp"
#include "qt/control_view.hpp"
#include "qt/pictures.hpp"

namespace brelosta {
namespace {

QLabel* plainLabel(const QString& text = {}) {
  auto* label = new QLabel(text);
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

SecondaryWindow* buildAboutWindow(AboutWindowState& state, WidgetBinder& binder, QWidget* parent) {
  auto* window = binder.bind(state.About, new SecondaryWindow(parent));
  window->setWindowIcon(globeIcon());
  auto* grid = new QGridLayout(window);
  grid->setHorizontalSpacing(window->fontMetrics().averageCharWidth() * 3);

  auto* picture = new QLabel;
  const int side = window->fontMetrics().height() * 6;
  picture->setPixmap(globeIcon().pixmap(QSize(side, side), window->devicePixelRatioF()));
  grid->addWidget(picture, 0, 0, 6, 1, Qt::AlignTop);

  QLabel* name = plainLabel(QStringLiteral("BRELOSTA"));
  QFont nameFont = name->font();
  nameFont.setPointSizeF(nameFont.pointSizeF() * 1.8);
  nameFont.setBold(true);
  name->setFont(nameFont);
  grid->addWidget(name, 0, 1);
  grid->addWidget(binder.bind(state.Version, plainLabel()), 1, 1);
  QLabel* madeBy = binder.bind(state.Elaborado, plainLabel());
  QFont madeByFont = madeBy->font();
  madeByFont.setBold(true);
  madeBy->setFont(madeByFont);
  grid->addWidget(madeBy, 2, 1);
  QStringList creditLines;
  for (const std::string_view line : kAboutCreditLines) creditLines.push_back(qtText(line));
  auto* credits = plainLabel(creditLines.join(QLatin1Char('\n')));
  grid->addWidget(credits, 3, 1);
  // Where the catalogues, samples and the user's files are.
  QLabel* folder = binder.bind(state.Carpeta, plainLabel());
  folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
  grid->addWidget(folder, 4, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* close = binder.bind(state.Command1, new QPushButton);
  close->setAutoDefault(false);
  buttons->addWidget(close);
  grid->addLayout(buttons, 6, 0, 1, 2);
  grid->setRowStretch(5, 1);
  return window;
}

}  // namespace brelosta
