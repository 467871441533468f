#include "win32/program_options.hpp"

#include "core/path_text.hpp"

namespace brelosta {

const char* const kProgramUsage =
    "Uso: brelosta [--workdir CARPETA] [--number-format point|comma]\n"
    "\n"
    "Abre la ventana de conversi\u00f3n de coordenadas geod\u00e9sicas. Los cat\u00e1logos\n"
    "datum.txt y elipsoide.txt se leen de la carpeta de trabajo.";

std::variant<ProgramOptions, std::string> programOptions(const std::vector<std::string>& arguments) {
  ProgramOptions options;
  for (std::size_t k = 0; k < arguments.size(); ++k) {
    const std::string& argument = arguments[k];
    const bool hasValue = k + 1 < arguments.size();
    if (argument == "--workdir" && hasValue)
      options.workingFolder = pathFromUtf8(arguments[++k]);
    else if (argument == "--number-format" && hasValue)
      options.numberFormat = arguments[++k];
    else
      return "opci\u00f3n desconocida: " + argument;
  }
  return options;
}

}  // namespace brelosta
