#include "qt/program_options.hpp"

namespace brelosta {

QString programUsage() {
  return QStringLiteral(
      "Uso: brelosta [--workdir CARPETA] [--number-format point|comma]\n"
      "\n"
      "Abre la ventana de conversión de coordenadas geodésicas. Los catálogos\n"
      "datum.txt y elipsoide.txt se leen de la carpeta de trabajo.\n"
      "\n"
      "Opciones:\n"
      "  --workdir CARPETA        carpeta de trabajo (por omisión, la actual)\n"
      "  --number-format point    números con punto decimal\n"
      "  --number-format comma    números con coma decimal y punto de miles\n"
      "\n"
      "Sin --number-format vale la variable BRELOSTA_NUMBER_FORMAT (point o\n"
      "comma) y, sin ella, el formato de la configuración regional.\n");
}

std::variant<ProgramOptions, QString> programOptions(const QStringList& arguments, const QString& numberFormatVariable,
                                                    NumberFormat systemFormat) {
  ProgramOptions options;
  std::optional<std::string> formatName;
  for (qsizetype k = 0; k < arguments.size(); ++k) {
    const QString& argument = arguments[k];
    const bool hasValue = k + 1 < arguments.size();
    if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
      options.helpOnly = true;
    } else if (argument == QLatin1String("--workdir") && hasValue) {
      options.workingFolder = std::filesystem::path(arguments[++k].toStdString());
    } else if (argument == QLatin1String("--number-format") && hasValue) {
      formatName = arguments[++k].toStdString();
    } else {
      return QStringLiteral("opción desconocida: %1").arg(argument);
    }
  }
  const auto format = chooseNumberFormat(systemFormat, numberFormatVariable.toStdString(), formatName);
  if (const auto* problem = std::get_if<std::string>(&format)) return QString::fromStdString(*problem);
  options.numberFormat = std::get<NumberFormat>(format);
  return options;
}

}  // namespace brelosta
