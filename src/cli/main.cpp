// brelosta-cli: the program's conversions and window behaviour without a
// window, for scripts and terminals.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/number_format_choice.hpp"
#include "app/working_folder.hpp"
#include "cli/convert_command.hpp"
#include "cli/platform/console.hpp"
#include "cli/script_driver.hpp"
#include "core/path_text.hpp"

namespace {

constexpr std::string_view kUsage =
    R"(Uso: brelosta-cli ORDEN [OPCIONES]

Convierte coordenadas geodésicas sin abrir la ventana del programa.

Órdenes:
  convert   convierte un archivo de puntos con una configuración guardada
            desde la ventana (--config, --in, --out)
  script    ejecuta un guion de acciones sobre la ventana (sin mostrarla)

Ejemplo:
  brelosta-cli convert --config utm_a_geo.cfg --in puntos.txt --out salida.txt

Use «brelosta-cli ORDEN --help» para ver las opciones de cada orden.
)";

constexpr std::string_view kScriptUsage =
    R"(Uso: brelosta-cli script [--workdir CARPETA] [--number-format point|comma] GUION

Arranca el programa sin ventana (con los catálogos datum.txt y elipsoide.txt
de la carpeta de trabajo) y ejecuta el GUION línea por línea ("-" = entrada
estándar). Se ignoran las líneas vacías y las que empiezan con "#".

Acciones:
  set NOMBRE TEXTO      escribe el texto de una casilla o el título de un control
  select NOMBRE TEXTO   elige en la lista NOMBRE la entrada TEXTO (con su reacción)
  index NOMBRE N        elige la entrada N (desde 0) de la lista NOMBRE
  value NOMBRE 0|1      marca o desmarca una casilla o un menú, sin reacción
  click NOMBRE          lo que hace un clic del usuario en el control
  enter NOMBRE          la tecla Intro en una casilla de un panel (convierte hacia el otro)
  answer yes|no         respuesta al próximo mensaje de Sí/No
  file [RUTA]           lo que devuelve el próximo diálogo de archivo (sin RUTA: cancelado)
  clipboard [RUTA]      el portapapeles tiene el texto del archivo RUTA (sin RUTA: nada)
  paste NOMBRE          Ctrl+V en el control: en una casilla de un panel, en el modo
                        de puntos, pega las filas del portapapeles (Pegar puntos)
  print NOMBRE...       una línea NOMBRE=valor por control
  state NOMBRE          visibilidad, habilitación, marca, índice, ancho y posición
  entries NOMBRE        las entradas de una lista, una por línea

Los controles de las otras ventanas llevan el nombre de su ventana:
Progreso.ProgressBar1, Preview.List1, About.Command1. Cada mensaje que el
programa muestra se escribe como "message ICONO TÍTULO: TEXTO"; su segunda
línea (dónde y por qué) sigue debajo, con dos espacios delante.

Opciones:
  --workdir CARPETA        carpeta de trabajo (por omisión, la actual si
                           tiene datum.txt; si no, Brelosta en la carpeta
                           de documentos, que se crea con los catálogos y
                           los ejemplos)
  --number-format point    números con punto decimal
  --number-format comma    números con coma decimal y punto de miles

Sin --number-format vale la variable BRELOSTA_NUMBER_FORMAT (point o
comma) y, sin ella, el formato de la configuración regional, como en la
ventana.

Código de salida: 0, o 2 si una línea tiene una acción o un control desconocido.
)";

int scriptCommand(const std::vector<std::string_view>& args) {
  brelosta::ScriptOptions options;
  std::optional<std::filesystem::path> requestedFolder;
  std::string_view scriptPath;
  std::optional<std::string_view> formatName;
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string_view arg = args[k];
    const bool hasNext = k + 1 < args.size();
    if (arg == "--help" || arg == "-h") {
      std::cout << kScriptUsage;
      return 0;
    }
    if (arg == "--workdir" && hasNext) {
      requestedFolder = brelosta::pathFromUtf8(args[++k]);
    } else if (arg == "--number-format" && hasNext) {
      formatName = args[++k];
    } else if (scriptPath.empty() && (arg == "-" || !arg.starts_with("--"))) {
      scriptPath = arg;
    } else {
      std::cerr << "opción desconocida: " << arg << "\n" << kScriptUsage;
      return 2;
    }
  }
  const auto format = brelosta::userNumberFormat(formatName);
  if (const auto* problem = std::get_if<std::string>(&format)) {
    std::cerr << *problem << '\n';
    return 2;
  }
  options.numberFormat = std::get<brelosta::NumberFormat>(format);
  if (scriptPath.empty()) {
    std::cerr << kScriptUsage;
    return 2;
  }
  const brelosta::WorkingFolder working = brelosta::chooseWorkingFolder(requestedFolder, brelosta::shippedFolder());
  if (!working.problem.empty()) std::cerr << brelosta::workingFolderProblemText(working) << '\n';
  options.workingFolder = working.folder;
  options.shippedFolder = brelosta::shippedFolder();
  if (scriptPath == "-") return brelosta::runScript(std::cin, std::cout, std::cerr, options);
  std::ifstream script(brelosta::pathFromUtf8(scriptPath), std::ios::binary);
  if (!script) {
    std::cerr << "no se pudo abrir el guion: " << scriptPath << '\n';
    return 2;
  }
  return brelosta::runScript(script, std::cout, std::cerr, options);
}

}  // namespace

int main(int argc, char** argv) {
  brelosta::platform::useBinaryStandardStreams();
  const std::vector<std::string> arguments = brelosta::platform::commandLineArguments(argc, argv);
  const std::vector<std::string_view> args(arguments.begin(), arguments.end());
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    std::cout << kUsage;
    return args.empty() ? 2 : 0;
  }
  const std::vector<std::string_view> rest(args.begin() + 1, args.end());
  if (args[0] == "script") return scriptCommand(rest);
  if (args[0] == "convert")
    return brelosta::convertCommand(rest, std::cout, std::cerr, brelosta::platform::standardErrorIsTerminal());
  std::cerr << "orden desconocida: " << args[0] << "\n" << kUsage;
  return 2;
}
