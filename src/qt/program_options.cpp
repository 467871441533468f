#include "qt/program_options.hpp"

namespace brelosta {

NumberFormat localeNumberFormat(const QLocale& locale) {
  return locale.decimalPoint() == QStringLiteral(",") ? NumberFormat::comma() : NumberFormat::point();
}

std::optional<NumberFormat> namedNumberFormat(const QString& name) {
  if (name == QLatin1String("point")) return NumberFormat::point();
  if (name == QLatin1String("comma")) return NumberFormat::comma();
  return std::nullopt;
}

QString programUsage() {
  return QStringLiteral(
      "Uso: brelosta [--workdir CARPETA] [--number-format point|comma]\n"
      "\n"
      "Abre la ventana de conversión de coordenadas geodésicas. Los catálogos\n"
      "datum.txt y elipsoide.txt se leen de la carpeta de trabajo.\n"
      "\n"
      "Opciones:\n"
      "  --workdir CARPETA        carpeta de trabajo (por omisión, la actual si\n"
      "                           tiene datum.txt; si no, Brelosta en la carpeta\n"
      "                           de documentos, que se crea con los catálogos y\n"
      "                           los ejemplos)\n"
      "  --number-format point    números con punto decimal\n"
      "  --number-format comma    números con coma decimal y punto de miles\n"
      "\n"
      "Sin --number-format vale la variable BRELOSTA_NUMBER_FORMAT (point o\n"
      "comma) y, sin ella, el formato de la configuración regional.\n");
}

std::variant<ProgramOptions, QString> programOptions(const QStringList& arguments, const QString& numberFormatVariable,
                                                    const QLocale& locale) {
  ProgramOptions options;
  options.numberFormat = localeNumberFormat(locale);
  if (!numberFormatVariable.isEmpty()) {
    const auto format = namedNumberFormat(numberFormatVariable);
    if (!format) return QStringLiteral("%1 debe ser point o comma").arg(QLatin1String(kNumberFormatVariable));
    options.numberFormat = *format;
  }
  for (qsizetype k = 0; k < arguments.size(); ++k) {
    const QString& argument = arguments[k];
    const bool hasValue = k + 1 < arguments.size();
    if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
      options.helpOnly = true;
    } else if (argument == QLatin1String("--workdir") && hasValue) {
      options.workingFolder = std::filesystem::path(arguments[++k].toStdString());
    } else if (argument == QLatin1String("--number-format") && hasValue) {
      const auto format = namedNumberFormat(arguments[++k]);
      if (!format) return QStringLiteral("formato de números desconocido: %1 (point o comma)").arg(arguments[k]);
      options.numberFormat = *format;
    } else {
      return QStringLiteral("opción desconocida: %1").arg(argument);
    }
  }
  return options;
}

}  // namespace brelosta
