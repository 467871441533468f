#include "qt/progress_window.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/pictures.hpp"

namespace brelosta {

SecondaryWindow* buildProgressWindow(ProgressWindowState& state, WidgetBinder& binder, QWidget* parent) {
  auto* window = binder.bind(state.Progreso, new SecondaryWindow(parent));
  window->setWindowIcon(globeIcon());
  auto* layout = new QVBoxLayout(window);
  auto* message = binder.bind(state.espere, new QLabel);
  message->setTextFormat(Qt::PlainText);
  layout->addWidget(message);
  auto* bar = binder.bind(state.ProgressBar1, new QProgressBar);
  bar->setRange(0, 100);
  bar->setMinimumWidth(message->fontMetrics().averageCharWidth() * 60);
  layout->addWidget(bar);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (Control* control : {&state.Cancelar, &state.Ok}) {
    auto* button = binder.bind(*control, new QPushButton);
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  layout->addLayout(buttons);
  return window;
}

}  // namespace brelosta
