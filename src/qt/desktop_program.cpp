#include "qt/desktop_program.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QThread>
#include <exception>

#include "app/commands.hpp"
#include "app/keyboard.hpp"
#include "app/messages.hpp"
#include "app/paste.hpp"
#include "app/reaction_errors.hpp"
#include "app/startup.hpp"
#include "app/working_folder.hpp"
#include "qt/about_window.hpp"
#include "qt/clickable_label.hpp"
#include "qt/control_view.hpp"
#include "qt/map_window.hpp"
#include "qt/preview_window.hpp"
#include "qt/progress_window.hpp"

namespace brelosta {
DesktopProgram::DesktopProgram(NumberFormat numberFormat)
    : toolkit_(state_), app_{state_, toolkit_}, binder_(state_) {
  state_.numberFormat = numberFormat;
  mainWindow_ = std::make_unique<MainWindow>(state_, binder_);
  progressWindow_ = buildProgressWindow(state_.Progreso, binder_, mainWindow_.get());
  previewWindow_ = buildPreviewWindow(state_.Preview, binder_, mainWindow_.get());
  aboutWindow_ = buildAboutWindow(state_.About, binder_, mainWindow_.get());
  mapWindow_ = buildMapWindow(state_.Map, binder_, mainWindow_.get());
  mapCanvas_ = dynamic_cast<MapCanvas*>(binder_.target("Mapa.Lienzo"));

  toolkit_.dialogParent = [this]() -> QWidget* {
    QWidget* active = QApplication::activeWindow();
    return active != nullptr ? active : mainWindow_.get();
  };
  toolkit_.beforeConversionDialog = [this] { refresh(); };
  toolkit_.showProgress = [this](const ProgressWindowState& progress) {
    progressCopy_.Progreso = progress;
    binder_.show(progressCopy_, "Progreso");
  };
  mainWindow_->closeRequested = [this] {
    if (converting()) {
      toolkit_.requestCancel();
      return false;
    }
    toolkit_.endProgram();
    return true;
  };
  progressWindow_->closeRequested = [this] { clicked(state_.Progreso.Ok); };
  previewWindow_->closeRequested = [this] { clicked(state_.Preview.Salida); };
  aboutWindow_->closeRequested = [this] { clicked(state_.About.Command1); };
  mapWindow_->closeRequested = [this] { clicked(state_.Map.Cerrar); };
  connectUserActions();
  connectMapCanvas();
}

// The canvas's pointer and keys run their reactions as the buttons do; its
// size is the state's while no conversion thread writes the state.
void DesktopProgram::connectMapCanvas() {
  mapCanvas_->stateReadable = [this] { return !converting(); };
  mapCanvas_->wheelTurned = [this](double steps, PixelPoint pointer) {
    if (!busy()) react([&] { turnMapWheel(app_, steps, pointer); });
  };
  mapCanvas_->dragged = [this](double dx, double dy) {
    if (!busy()) react([&] { dragMap(app_, dx, dy); });
  };
  mapCanvas_->arrowPressed = [this](MapArrow arrow) {
    if (!busy()) react([&] { moveMap(app_, arrow); });
  };
  mapCanvas_->zoomKeyPressed = [this](bool nearer) { clicked(nearer ? state_.Map.Mas : state_.Map.Menos); };
  mapCanvas_->resized = [this](CanvasSize size) {
    if (!converting()) resizeMap(app_, size);
  };
}

DesktopProgram::~DesktopProgram() {
  // A conversion still running is cancelled; its questions are answered
  // while it ends.
  if (worker_ != nullptr) {
    disconnect(worker_, nullptr, this, nullptr);
    toolkit_.requestCancel();
    while (!worker_->wait(10)) QCoreApplication::processEvents();
    delete worker_;
  }
}

void DesktopProgram::start(const std::filesystem::path& workingFolder) {
  react([&] { startUp(app_, workingFolder); });
}

void DesktopProgram::start(const WorkingFolder& working, const std::filesystem::path& shipped) {
  react([&] { startInWorkingFolder(app_, working, shipped); });
}

void DesktopProgram::refresh() {
  binder_.show(state_);
  mapCanvas_->update();
}

void DesktopProgram::react(const std::function<void()>& reaction) {
  reacting_ = true;
  runReportingFailures(app_, reaction);
  reacting_ = false;
  refresh();
}

void DesktopProgram::connectUserActions() {
  for (const WidgetBinder::Binding& binding : binder_.bindings()) {
    Control* control = binding.control;
    QObject* target = binding.target;
    if (auto* action = qobject_cast<QAction*>(target)) {
      if (action->menu() == nullptr && !action->isSeparator())
        connect(action, &QAction::triggered, this, [this, control] { clicked(*control); });
    } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
      connect(button, &QAbstractButton::clicked, this, [this, control] { clicked(*control); });
    } else if (auto* label = qobject_cast<ClickableLabel*>(target)) {
      connect(label, &ClickableLabel::clicked, this, [this, control] { clicked(*control); });
    } else if (auto* combo = qobject_cast<QComboBox*>(target)) {
      connect(combo, &QComboBox::activated, this, [this, control](int index) { selected(*control, index); });
      if (combo->isEditable())
        connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                [this, control](const QString& text) { edited(*control, text); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(target)) {
      connect(edit, &QLineEdit::textEdited, this, [this, control](const QString& text) { edited(*control, text); });
      // Enter in a panel's box presses that panel's convert button.
      connect(edit, &QLineEdit::returnPressed, this, [this, control] {
        if (Control* button = convertButtonForEnter(state_, *control)) clicked(*button);
      });
      pasteBoxes_.emplace(edit, control);
      edit->installEventFilter(this);
    }
  }
}

bool DesktopProgram::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste))
    return QObject::eventFilter(watched, event);
  const auto box = pasteBoxes_.find(watched);
  if (box == pasteBoxes_.end() || busy()) return false;
  const auto side = pasteSide(state_, *box->second);
  if (!side || !holdsRows(stateText(QApplication::clipboard()->text()))) return false;
  runInBackground([this, source = *side] { pastePoints(app_, source); });
  return true;
}

void DesktopProgram::clicked(Control& control) {
  if (converting() && &control == &state_.Progreso.Cancelar) toolkit_.requestCancel();
  if (busy()) return;
  if (clickStartsFileRun(state_, control)) {
    runInBackground([this, &control] { click(app_, control); });
    return;
  }
  react([&] { click(app_, control); });
}

void DesktopProgram::selected(Control& control, int index) {
  if (busy()) return;
  react([&] { selectIndex(app_, control, index); });
}

void DesktopProgram::edited(Control& control, const QString& text) {
  if (busy()) return;
  control.text = stateText(text);
}

void DesktopProgram::setInteractive(bool interactive) {
  mainWindow_->centralWidget()->setEnabled(interactive);
  mainWindow_->menuBar()->setEnabled(interactive);
  previewWindow_->setEnabled(interactive);
  aboutWindow_->setEnabled(interactive);
  mapWindow_->setEnabled(interactive);
}

void DesktopProgram::runInBackground(std::function<void()> job) {
  toolkit_.startRun();
  setInteractive(false);
  worker_ = QThread::create([this, job = std::move(job)] { runReportingFailures(app_, job); });
  connect(worker_, &QThread::finished, this, &DesktopProgram::conversionEnded);
  worker_->start();
}

void DesktopProgram::conversionEnded() {
  worker_->wait();
  delete worker_;
  worker_ = nullptr;
  toolkit_.endRun();
  setInteractive(true);
  refresh();
}

}  // namespace brelosta
