// brelosta_screenshots: drives the desktop program from an action script and
// saves pictures of its windows, for reviewing the layout (see
// scripts/screenshots.sh).
//
//   brelosta_screenshots --workdir DIR --out DIR [--number-format point|comma] SCRIPT
//
// Actions, one a line ("#" starts a comment):
//   set NAME TEXT       the text of a box or caption of a control
//   select NAME TEXT    picks an entry of a list, running its reaction
//   value NAME 0|1      a check box value or menu check mark
//   show NAME 0|1       shows or hides a control
//   width NAME TWIPS    sets a control's run-time width
//   click NAME          clicks the control's widget or menu entry as a user would
//   wait                until a file conversion has ended
//   shot WINDOW FILE    saves WINDOW (Main, Progreso, Preview, About) as FILE.png
// Message boxes are answered with their default button and printed. A line
// that cannot be run is reported and skipped; the exit code is then 1.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <iostream>

#include "app/commands.hpp"
#include "qt/desktop_program.hpp"
#include "qt/program_options.hpp"
#include "qt/spanish.hpp"

namespace {

using brelosta::Control;
using brelosta::DesktopProgram;

void answerMessageBoxes() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (box == nullptr) return;
  std::cerr << "mensaje: " << box->windowTitle().toStdString() << ": " << box->text().toStdString() << '\n';
  QAbstractButton* button = box->defaultButton();
  if (button == nullptr && !box->buttons().isEmpty()) button = box->buttons().first();
  if (button != nullptr) button->click();
}

bool runAction(DesktopProgram& program, const QString& line, const QDir& out) {
  const QString verb = line.section(QLatin1Char(' '), 0, 0);
  const QString name = line.section(QLatin1Char(' '), 1, 1);
  const QString argument = line.section(QLatin1Char(' '), 2);
  if (verb == QLatin1String("wait")) {
    return QTest::qWaitFor([&] { return !program.converting(); }, 60000);
  }
  Control* control = brelosta::findControl(program.state(), name.toStdString());
  if (control == nullptr) return false;
  if (verb == QLatin1String("set")) {
    control->text = argument.toStdString();
  } else if (verb == QLatin1String("select")) {
    if (!brelosta::selectText(program.app(), *control, argument.toStdString())) return false;
  } else if (verb == QLatin1String("value")) {
    control->value = argument == QLatin1String("1") ? 1 : 0;
  } else if (verb == QLatin1String("show")) {
    control->visible = argument == QLatin1String("1");
  } else if (verb == QLatin1String("width")) {
    control->width = argument.toInt();
  } else if (verb == QLatin1String("click")) {
    QObject* target = program.target(name.toStdString());
    if (auto* action = qobject_cast<QAction*>(target))
      action->trigger();
    else if (auto* button = qobject_cast<QAbstractButton*>(target))
      button->click();
    else
      return false;
  } else if (verb == QLatin1String("shot")) {
    program.refresh();
    auto* window = qobject_cast<QWidget*>(program.target(name.toStdString()));
    if (window == nullptr) return false;
    QTest::qWait(200);
    const QString file = out.filePath(argument + QStringLiteral(".png"));
    if (!window->grab().save(file)) return false;
    std::cout << file.toStdString() << '\n';
    return true;
  } else {
    return false;
  }
  program.refresh();
  QTest::qWait(50);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  brelosta::installSpanishTranslation(application);
  QStringList arguments = application.arguments().mid(1);
  QString workdir = QDir::currentPath();
  QString outdir = QDir::currentPath();
  brelosta::NumberFormat format = brelosta::NumberFormat::point();
  QString script;
  for (qsizetype k = 0; k < arguments.size(); ++k) {
    if (arguments[k] == QLatin1String("--workdir") && k + 1 < arguments.size()) workdir = arguments[++k];
    else if (arguments[k] == QLatin1String("--out") && k + 1 < arguments.size()) outdir = arguments[++k];
    else if (arguments[k] == QLatin1String("--number-format") && k + 1 < arguments.size())
      format = brelosta::namedNumberFormat(arguments[++k].toStdString()).value_or(format);
    else script = arguments[k];
  }
  QFile file(script);
  if (script.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    std::cerr << "uso: brelosta_screenshots --workdir DIR --out DIR [--number-format point|comma] GUION\n";
    return 2;
  }
  QDir::setCurrent(workdir);
  QDir().mkpath(outdir);
  QTimer answering;
  QObject::connect(&answering, &QTimer::timeout, &answerMessageBoxes);
  answering.start(50);

  DesktopProgram program(format);
  program.start(std::filesystem::current_path());
  QTest::qWait(100);
  QTextStream lines(&file);
  int number = 0;
  int exitCode = 0;
  while (!lines.atEnd()) {
    const QString line = lines.readLine().trimmed();
    ++number;
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    if (!runAction(program, line, QDir(outdir))) {
      std::cerr << "línea " << number << ": no se pudo: " << line.toStdString() << '\n';
      exitCode = 1;
    }
  }
  return exitCode;
}
