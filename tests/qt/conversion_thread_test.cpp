// A file conversion runs on a second thread: the window stays responsive and
// leaves the state alone, the progress window follows, Cancelar reaches the
// conversion, and message boxes asked for by the conversion show on the
// user-interface thread.

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <thread>

#include "app/messages.hpp"
#include "program_fixture.hpp"

namespace brelosta {
namespace {

using namespace std::chrono_literals;

bool waitForEnd(DesktopProgram& program) {
  return QTest::qWaitFor([&] { return !program.converting(); }, 10000);
}

// A point file of `count` records "Id,Norte,Este" in UTM zone 19.
void writeUtmPoints(const QString& path, int count) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  QByteArray lines;
  for (int k = 1; k <= count; ++k) {
    lines += "P" + QByteArray::number(k) + "," + QByteArray::number(1000000 + k % 100000) + "," +
             QByteArray::number(400000 + k % 200000) + "\r\n";
    if (lines.size() > (1 << 20)) {
      file.write(lines);
      lines.clear();
    }
  }
  file.write(lines);
}

class FileRunTest : public ProgramTest {
 protected:
  // The window set up for a file run from a UTM file on the left to
  // geographic coordinates on the right, as a user does it.
  void setUpFileRun(const QString& input, const QString& output) {
    choose("M_Archivo");
    pickWithKeys("Coord_L", QStringLiteral("UTM"));
    type("Zone_L", QStringLiteral("19"));
    pickWithKeys("Formato_L", QStringLiteral("Id Norte Este"));
    type("File_L", input);
    type("File_R", output);
  }
};

TEST_F(FileRunTest, FileConversionRunsThroughTheWindow) {
  QTemporaryDir folder;
  const QString input = folder.filePath(QStringLiteral("puntos.txt"));
  const QString output = folder.filePath(QStringLiteral("salida.txt"));
  writeUtmPoints(input, 3);
  setUpFileRun(input, output);
  clickOn("Command1");
  EXPECT_TRUE(program->converting());
  ASSERT_TRUE(waitForEnd(*program));

  auto* progress = widget<QWidget>("Progreso");
  EXPECT_TRUE(progress->isVisible());
  EXPECT_EQ(progress->windowTitle(), QStringLiteral("Brelosta"));
  EXPECT_EQ(widget<QLabel>("Progreso.espere")->text(), QStringLiteral("Conversión completa"));
  EXPECT_EQ(widget<QProgressBar>("Progreso.ProgressBar1")->value(), 100);
  EXPECT_TRUE(widget<QPushButton>("Progreso.Ok")->isEnabled());
  EXPECT_FALSE(widget<QPushButton>("Progreso.Cancelar")->isEnabled()) << "nothing left to cancel";
  EXPECT_TRUE(program->mainWindow().centralWidget()->isEnabled());
  expectWidgetsShowState();
  QFile written(output);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_EQ(written.readAll().count("\r\n"), 3);
  clickOn("Progreso.Ok");
  EXPECT_FALSE(progress->isVisible());
}

// Ctrl+V in a panel's box with rows on the clipboard, as a spreadsheet
// copies them: the rows are converted on the conversion thread into the
// file named in the save dialog, and the box keeps its text; one value
// goes into the box.
TEST_F(ProgramTest, CtrlVWithRowsPastesThemAsAFileRun) {
  QTemporaryDir folder;
  const QString output = folder.filePath(QStringLiteral("pegado.txt"));
  pickWithKeys("Coord_L", QStringLiteral("UTM"));
  type("Zone_L", QStringLiteral("19"));
  QApplication::clipboard()->setText(QStringLiteral("1106908,854\t471071,264\r\n1107012,5\t471102,75\r\n"));
  auto* box = widget<QLineEdit>("LAT_D_L");
  box->setFocus();
  bool named = false;
  QTimer watcher;
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || named) return;
    named = true;
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    name->setText(output);
    QTest::keyClick(name, Qt::Key_Return);
  });
  watcher.start(20);
  QTest::keySequence(box, QKeySequence::Paste);
  ASSERT_TRUE(QTest::qWaitFor([&] { return named; }, 5000)) << "no save dialog";
  ASSERT_TRUE(waitForEnd(*program));
  EXPECT_EQ(widget<QLabel>("Progreso.espere")->text(), QStringLiteral("Conversión completa"));
  QFile written(output);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_EQ(written.readAll().count("\r\n"), 2);
  expectWidgetsShowState();

  QApplication::clipboard()->setText(QStringLiteral("10.5"));
  box->clear();
  QTest::keySequence(box, QKeySequence::Paste);
  EXPECT_FALSE(program->converting());
  EXPECT_EQ(box->text(), QStringLiteral("10.5"));
}

TEST_F(FileRunTest, CancellingAMillionRecordRunStopsAtOnceAndWritesNothing) {
  QTemporaryDir folder;
  const QString input = folder.filePath(QStringLiteral("puntos.txt"));
  const QString output = folder.filePath(QStringLiteral("salida.txt"));
  writeUtmPoints(input, 999999);
  {
    QFile previous(output);  // an earlier result that must survive
    ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
    previous.write("anterior\r\n");
  }
  setUpFileRun(input, output);
  int ticks = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
  ticker.start(10);

  clickOn("Command1");
  auto* bar = widget<QProgressBar>("Progreso.ProgressBar1");
  ASSERT_TRUE(QTest::qWaitFor([&] { return bar->value() >= 5; }, 60000));
  EXPECT_FALSE(program->mainWindow().centralWidget()->isEnabled());
  EXPECT_TRUE(widget<QPushButton>("Progreso.Cancelar")->isEnabled());
  EXPECT_FALSE(widget<QPushButton>("Progreso.Ok")->isEnabled());
  const int ticksBefore = ticks;
  QTest::qWait(200);
  EXPECT_GT(ticks - ticksBefore, 5) << "the window kept answering during the run";

  const auto clicked = std::chrono::steady_clock::now();
  clickOn("Progreso.Cancelar");
  ASSERT_TRUE(waitForEnd(*program));
  EXPECT_LT(std::chrono::steady_clock::now() - clicked, 500ms);
  EXPECT_LT(bar->value(), 100);
  // The last state says the run was cancelled, never that it completed.
  EXPECT_EQ(widget<QLabel>("Progreso.espere")->text(), QStringLiteral("Conversión cancelada"));
  EXPECT_TRUE(widget<QPushButton>("Progreso.Ok")->isEnabled());
  EXPECT_FALSE(widget<QPushButton>("Progreso.Cancelar")->isEnabled());
  QFile kept(output);
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), QByteArray("anterior\r\n"));
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2) << "no temporary file left";
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
