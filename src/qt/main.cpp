// brelosta: the desktop program, its main window over the window state.

#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <cstdio>
#include <cstring>

#include "core/platform/locale.hpp"
#include "app/working_folder.hpp"
#include "qt/desktop_program.hpp"
#include "qt/program_options.hpp"
#include "qt/spanish.hpp"

int main(int argc, char** argv) {
  // The usage is printed without a display too (on a terminal over ssh, by
  // man-page readers trying the option).
  for (int k = 1; k < argc; ++k) {
    if (std::strcmp(argv[k], "--help") == 0 || std::strcmp(argv[k], "-h") == 0) {
      QTextStream(stdout) << brelosta::programUsage();
      return 0;
    }
  }
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
  // --workdir moves there first, so file dialogs open there too.
  if (options.workingFolder && !QDir::setCurrent(QString::fromStdString(options.workingFolder->string()))) {
    err << "no se pudo abrir la carpeta de trabajo: " << QString::fromStdString(options.workingFolder->string())
        << '\n';
    return 2;
  }
  const std::filesystem::path shipped = brelosta::shippedFolder();
  const brelosta::WorkingFolder working = brelosta::chooseWorkingFolder(
      options.workingFolder ? std::optional(std::filesystem::current_path()) : std::nullopt, shipped);
  // The file dialogs start in the user folder too.
  if (working.userFolder) QDir::setCurrent(QString::fromStdString(working.folder.string()));

  brelosta::DesktopProgram program(options.numberFormat);
  program.start(working, shipped);
  return application.exec();
}
