// A file conversion runs on a second thread: the window stays responsive and
// leaves the state alone, the progress window follows, Cancelar reaches the
// conversion, and message boxes asked for by the conversion show on the
// user-interface thread.

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <thread>

#include "program_fixture.hpp"
#include "ui/messages.hpp"

namespace brelosta {
namespace {

using namespace std::chrono_literals;

bool waitForEnd(DesktopProgram& program) {
  return QTest::qWaitFor([&] { return !program.converting(); }, 10000);
}

TEST_F(ProgramTest, FileModeConvertCommandEndsWithTheProgressWindow) {
  program->state().M_Archivo.value = 1;  // as the switch to file mode leaves it
  program->state().M_Puntual.value = 0;
  program->refresh();
  clickOn("Command1");
  EXPECT_TRUE(program->converting());
  ASSERT_TRUE(waitForEnd(*program));

  auto* progress = widget<QWidget>("Progreso");
  EXPECT_TRUE(progress->isVisible());
  EXPECT_EQ(progress->windowTitle(), QStringLiteral("Brelosta"));
  EXPECT_EQ(widget<QLabel>("Progreso.espere")->text(), QStringLiteral("Conversión completa"));
  EXPECT_TRUE(widget<QPushButton>("Progreso.Ok")->isEnabled());
  EXPECT_TRUE(program->mainWindow().centralWidget()->isEnabled());
  expectWidgetsShowState();
  clickOn("Progreso.Ok");
  EXPECT_FALSE(progress->isVisible());
}

// A stand-in for the per-record loop: moves the bar and polls for
// cancellation as the file run does, until cancelled or after `limit`.
struct RecordLoop {
  std::atomic<bool> cancelled{false};
  std::atomic<bool> onOtherThread{false};
  std::chrono::steady_clock::time_point cancelSeen;

  std::function<void()> job(App& app, QThread* userInterface, std::chrono::milliseconds limit) {
    return [this, &app, userInterface, limit] {
      onOtherThread = QThread::currentThread() != userInterface;
      auto& progress = app.state.Progreso;
      progress.Progreso.visible = true;
      progress.Ok.enabled = false;
      progress.espere.text = "Por favor, espere";
      const auto end = std::chrono::steady_clock::now() + limit;
      for (int record = 1; std::chrono::steady_clock::now() < end; ++record) {
        progress.ProgressBar1.progress = static_cast<float>(record % 100);
        app.toolkit.progressChanged(progress.ProgressBar1.progress);
        if (app.toolkit.cancelRequested()) {
          cancelSeen = std::chrono::steady_clock::now();
          cancelled = true;
          break;
        }
        std::this_thread::sleep_for(200us);
      }
      progress.Ok.enabled = true;
      progress.espere.text = "Conversión completa";
    };
  }
};

TEST_F(ProgramTest, ConversionThreadKeepsTheWindowResponsiveAndCancelStopsIt) {
  RecordLoop loop;
  int ticks = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
  ticker.start(10);
  program->runInBackground(loop.job(program->app(), QThread::currentThread(), 20s));

  auto* bar = widget<QProgressBar>("Progreso.ProgressBar1");
  ASSERT_TRUE(QTest::qWaitFor([&] { return bar->isVisible() && bar->value() > 0; }, 2000));
  EXPECT_FALSE(program->mainWindow().centralWidget()->isEnabled());
  EXPECT_FALSE(program->mainWindow().menuBar()->isEnabled());
  EXPECT_FALSE(widget<QPushButton>("Progreso.Ok")->isEnabled());
  QTest::qWait(300);
  EXPECT_GT(ticks, 10) << "the event loop kept running";

  const auto clicked = std::chrono::steady_clock::now();
  clickOn("Progreso.Cancelar");
  ASSERT_TRUE(waitForEnd(*program));
  EXPECT_TRUE(loop.onOtherThread);
  EXPECT_TRUE(loop.cancelled);
  EXPECT_LT(loop.cancelSeen - clicked, 500ms);
  EXPECT_TRUE(program->mainWindow().centralWidget()->isEnabled());
  EXPECT_EQ(widget<QLabel>("Progreso.espere")->text(), QStringLiteral("Conversión completa"));
  expectWidgetsShowState();
}

TEST_F(ProgramTest, UserActionsWaitUntilTheConversionEnds) {
  RecordLoop loop;
  program->runInBackground(loop.job(program->app(), QThread::currentThread(), 300ms));
  choose("Acercade");
  program->mainWindow().close();
  ASSERT_TRUE(waitForEnd(*program));
  EXPECT_FALSE(program->state().About.About.visible);
  EXPECT_EQ(endRequests, 0) << "closing during a conversion cancels it instead";
  EXPECT_TRUE(loop.cancelled);
}

TEST_F(ProgramTest, MessageFromTheConversionThreadIsShownThereAndAnswered) {
  std::atomic<MessageAnswer> answer{MessageAnswer::Ok};
  QString shownWhileAsking;
  const SeenMessage seen = answerMessage(
      [&] {
        program->runInBackground([&] {
          program->state().LAT_D_R.text = "95";  // the record that failed
          answer = program->toolkit().showMessage(MessageRequest{"Atención", "¿Seguir?", MessageIcon::Warning,
                                                                  MessageButtons::YesNo, MessageAnswer::No});
          showCritical(program->app(), kDataErrorText);
        });
      },
      QStringLiteral("Sí"), [&] { shownWhileAsking = textOf("LAT_D_R"); });
  EXPECT_EQ(shownWhileAsking, QStringLiteral("95")) << "the window shows the state while the conversion asks";
  EXPECT_EQ(seen.text, QStringLiteral("¿Seguir?"));
  EXPECT_EQ(seen.icon, QMessageBox::Warning);
  const SeenMessage error = answerMessage([] {});
  EXPECT_EQ(error.text, QStringLiteral("Error en los Datos"));
  EXPECT_EQ(error.icon, QMessageBox::Critical);
  ASSERT_TRUE(waitForEnd(*program));
  EXPECT_EQ(answer.load(), MessageAnswer::Yes);
}

TEST_F(ProgramTest, WaitCursorOfTheConversionIsGoneWhenItEnds) {
  program->runInBackground([&] { program->toolkit().setWaitCursor(true); });
  ASSERT_TRUE(waitForEnd(*program));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace brelosta
