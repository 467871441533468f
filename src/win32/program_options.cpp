#include "win32/program_options.hpp"

#include <windows.h>

#include "core/path_text.hpp"

namespace brelosta {
namespace {

std::optional<NumberFormat> namedNumberFormat(const std::string& name) {
  if (name == "point") return NumberFormat::point();
  if (name == "comma") return NumberFormat::comma();
  return std::nullopt;
}

}  // namespace

const char* const kProgramUsage =
    "Uso: brelosta [--workdir CARPETA] [--number-format point|comma]\n"
    "\n"
    "Abre la ventana de conversi\u00f3n de coordenadas geod\u00e9sicas. Los cat\u00e1logos\n"
    "datum.txt y elipsoide.txt se leen de la carpeta de trabajo.";

NumberFormat regionalNumberFormat() {
  wchar_t mark[8] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, mark, 8) > 0 && mark[0] == L',')
    return NumberFormat::comma();
  return NumberFormat::point();
}

std::variant<ProgramOptions, std::string> programOptions(const std::vector<std::string>& arguments,
                                                        const std::string& numberFormatVariable,
                                                        NumberFormat regionalFormat) {
  ProgramOptions options;
  options.numberFormat = regionalFormat;
  if (!numberFormatVariable.empty()) {
    const auto format = namedNumberFormat(numberFormatVariable);
    if (!format) return std::string("BRELOSTA_NUMBER_FORMAT debe ser point o comma");
    options.numberFormat = *format;
  }
  for (std::size_t k = 0; k < arguments.size(); ++k) {
    const std::string& argument = arguments[k];
    const bool hasValue = k + 1 < arguments.size();
    if (argument == "--workdir" && hasValue) {
      options.workingFolder = pathFromUtf8(arguments[++k]);
    } else if (argument == "--number-format" && hasValue) {
      const auto format = namedNumberFormat(arguments[++k]);
      if (!format) return "formato de n\u00fameros desconocido: " + arguments[k] + " (point o comma)";
      options.numberFormat = *format;
    } else {
      return "opci\u00f3n desconocida: " + argument;
    }
  }
  return options;
}

}  // namespace brelosta
