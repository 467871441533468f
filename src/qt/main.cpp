// brelosta: the desktop program, its main window over the window state.

#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <cstdio>

#include "core/platform/locale.hpp"
#include "qt/desktop_program.hpp"
#include "qt/program_options.hpp"
#include "qt/spanish.hpp"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brelosta"));
  QApplication::setApplicationVersion(QStringLiteral(BRELOSTA_VERSION));
  brelosta::installSpanishTranslation(application);

  const auto parsed = brelosta::programOptions(application.arguments().mid(1),
                                               qEnvironmentVariable(brelosta::kNumberFormatVariable),
                                               brelosta::platform::systemNumberFormat());
  QTextStream err(stderr);
  if (const auto* problem = std::get_if<QString>(&parsed)) {
    err << *problem << "\n\n" << brelosta::programUsage();
    return 2;
  }
  const auto& options = std::get<brelosta::ProgramOptions>(parsed);
  if (options.helpOnly) {
    QTextStream(stdout) << brelosta::programUsage();
    return 0;
  }
  // The working folder is the current directory, as for any program started
  // there; --workdir moves there first, so file dialogs open there too.
  if (options.workingFolder && !QDir::setCurrent(QString::fromStdString(options.workingFolder->string()))) {
    err << "no se pudo abrir la carpeta de trabajo: " << QString::fromStdString(options.workingFolder->string())
        << '\n';
    return 2;
  }

  brelosta::DesktopProgram program(options.numberFormat);
  program.state().helpGuide = BRELOSTA_HELP_GUIDE;
  program.start(std::filesystem::current_path());
  return application.exec();
}
