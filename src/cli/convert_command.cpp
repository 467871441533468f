#include "cli/convert_command.hpp"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <variant>

#include "app/commands.hpp"
#include "app/configuration.hpp"
#include "app/convert_command.hpp"
#include "app/number_format_choice.hpp"
#include "app/output_format.hpp"
#include "app/startup.hpp"
#include "app/working_folder.hpp"
#include "cli/terminal_toolkit.hpp"
#include "core/path_text.hpp"
#include "core/platform/files.hpp"

namespace brelosta {

const std::string_view kConvertUsage =
    R"usage(Uso: brelosta-cli convert --config ARCHIVO --in ENTRADA --out SALIDA
                         [--reverse] [--report] [--format FORMATO [--bom] [--heights]]
                         [--header-line] [--keep-going]
                         [--workdir CARPETA] [--number-format point|comma]

Convierte un archivo de puntos tal como lo haría la ventana del programa en
el modo "Conversion Archivos". Prepare ambos paneles en la ventana (sistema
de coordenadas, unidades, huso o parámetros de la proyección, datum, método
de conversión y formato de los registros de cada archivo) y guárdelos con
Archivo > Configuración > Guardar; esa es la configuración que usa esta
orden.

La orden arranca el programa sin ventana con los catálogos datum.txt y
elipsoide.txt de la carpeta de trabajo, recupera la configuración, pasa al
modo de archivos, escribe ENTRADA y SALIDA en los campos de archivo y pulsa
el botón de conversión.

Opciones:
  --config ARCHIVO         configuración guardada desde la ventana
  --in ENTRADA             archivo de puntos de entrada
  --out SALIDA             archivo de salida (se reemplaza solo si la
                           conversión termina bien; puede ser ENTRADA)
  --reverse                convierte del panel derecho al izquierdo; sin
                           esta opción, del izquierdo al derecho
  --report                 escribe el reporte de conversión con encabezado
                           ("Con Encabezado"); sin esta opción, solo los
                           registros separados por comas ("Sin Encabezado")
  --format csv             los registros separados por comas (como sin
                           --report)
  --format report          el reporte de conversión (como --report)
  --format csv-header      CSV con una fila de títulos ("Id,Norte,Este,H"),
                           punto decimal, UTF-8, y un archivo .prj al lado
                           cuando el sistema de llegada tiene código EPSG
  --bom                    con --format csv-header: UTF-8 con marca de orden
                           de bytes, para Excel
  --format kml             KML para Google Earth: un lugar por punto, en
                           WGS84, sobre el terreno
  --heights                con --format kml: cada punto a su altura
  --format geojson         GeoJSON (RFC 7946): los puntos en WGS84, las
                           coordenadas de llegada y su código EPSG como
                           propiedades
  --format dxf             DXF R12 para AutoCAD, en metros del sistema de
                           llegada (solo sistemas proyectados): POINT en la
                           capa PUNTOS, Id en NOMBRES, altura en COTAS
  --header-line            la primera línea de ENTRADA tiene los títulos de
                           las columnas y no es un registro ("Primera
                           línea: títulos"); los registros conservan el
                           número de su línea
  --keep-going             un registro que falla no se convierte y la
                           conversión sigue ("Continuar tras errores"):
                           SALIDA tiene los registros convertidos y la
                           lista de los que fallaron queda al lado, en
                           NOMBRE.errores.txt
  --workdir CARPETA        carpeta con datum.txt y elipsoide.txt (por
                           omisión, la actual si tiene datum.txt; si no,
                           Brelosta en la carpeta de documentos, que se
                           crea con los catálogos y los ejemplos)
  --number-format point    números de la pantalla con punto decimal
  --number-format comma    con coma decimal y punto de miles
  --help                   muestra esta ayuda

Sin --format (ni --report) vale el "Formato de salida" de la configuración
(el primero, "Texto", si no guarda otro).

Sin --number-format vale la variable BRELOSTA_NUMBER_FORMAT (point o
comma) y, sin ella, el formato de la configuración regional, como en la
ventana: una configuración guardada allí convierte igual aquí.

Sin --header-line ni --keep-going valen las opciones de la configuración.

ENTRADA puede separar sus campos con comas, con punto y coma o con
tabuladores (como guardan el texto las hojas de cálculo): lo decide su
primer registro, que se lee con comas siempre que con comas sea un
registro del formato; con punto y coma o tabuladores, los decimales pueden
llevar coma ("1163200,562") o punto.

Los mensajes que la ventana mostraría se escriben en la salida de errores
como "Atención: TEXTO"; la segunda línea del mensaje (dónde y por qué: el
archivo y el motivo, o el registro, su línea, el campo y el texto leído)
sigue debajo, con dos espacios delante. En una terminal, una barra muestra
el avance.

Código de salida:
  0  el archivo de salida se escribió
  1  la conversión terminó sin escribirlo, tras un mensaje; se avisa
     "no se escribió el archivo de salida"
  2  la línea de órdenes es incorrecta
  3  con --keep-going, el archivo de salida se escribió sin los registros
     que fallaron; se avisa "Conversión completa con errores: N de M
     registros no convertidos (lista en NOMBRE.errores.txt)"
)usage";

namespace {

struct ConvertOptions {
  std::filesystem::path configuration;
  std::filesystem::path input;
  std::filesystem::path output;
  std::optional<std::filesystem::path> workingFolder;
  bool reverse = false;
  bool report = false;
  // The "Formato de salida" entry --format asks for; nothing keeps the
  // configuration's.
  std::optional<OutputFormat> format;
  bool headerLine = false;
  bool keepGoing = false;
  NumberFormat numberFormat = NumberFormat::point();
};

// The entry of a --format name, with --bom and --heights.
std::optional<OutputFormat> outputFormatNamed(std::string_view name, bool byteOrderMark, bool heights) {
  if (name == "csv" || name == "report") return OutputFormat::Text;
  if (name == "csv-header") return byteOrderMark ? OutputFormat::CsvExcel : OutputFormat::Csv;
  if (name == "kml") return heights ? OutputFormat::KmlHeights : OutputFormat::Kml;
  if (name == "geojson") return OutputFormat::GeoJson;
  if (name == "dxf") return OutputFormat::Dxf;
  return std::nullopt;
}

// What the command line asks for; nothing (after saying why) when it cannot
// be run.
std::optional<ConvertOptions> parseOptions(const std::vector<std::string_view>& args, std::ostream& err) {
  ConvertOptions options;
  std::optional<std::string_view> formatName;
  std::optional<std::string_view> outputName;
  bool byteOrderMark = false;
  bool heights = false;
  const auto bad = [&](const std::string& why) {
    err << why << "\nUse «brelosta-cli convert --help» para ver las opciones.\n";
    return std::nullopt;
  };
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string_view arg = args[k];
    const bool hasValue = k + 1 < args.size();
    const auto path = [&] { return std::filesystem::absolute(pathFromUtf8(args[++k])); };
    if (arg == "--reverse") {
      options.reverse = true;
    } else if (arg == "--report") {
      options.report = true;
    } else if (arg == "--bom") {
      byteOrderMark = true;
    } else if (arg == "--heights") {
      heights = true;
    } else if (arg == "--format" && hasValue) {
      outputName = args[++k];
    } else if (arg == "--header-line") {
      options.headerLine = true;
    } else if (arg == "--keep-going") {
      options.keepGoing = true;
    } else if (arg == "--config" && hasValue) {
      options.configuration = path();
    } else if (arg == "--in" && hasValue) {
      options.input = path();
    } else if (arg == "--out" && hasValue) {
      options.output = path();
    } else if (arg == "--workdir" && hasValue) {
      options.workingFolder = path();
    } else if (arg == "--number-format" && hasValue) {
      formatName = args[++k];
    } else {
      return bad("opción desconocida o sin valor: " + std::string(arg));
    }
  }
  const auto format = userNumberFormat(formatName);
  if (const auto* problem = std::get_if<std::string>(&format)) return bad(*problem);
  options.numberFormat = std::get<NumberFormat>(format);
  if (outputName) {
    const auto chosen = outputFormatNamed(*outputName, byteOrderMark, heights);
    if (!chosen) return bad("formato de salida desconocido: " + std::string(*outputName));
    if (options.report && *outputName != "report") return bad("--report no vale con --format " + std::string(*outputName));
    options.format = chosen;
    options.report = options.report || *outputName == "report";
  }
  // --report is --format report, whatever format the configuration saved.
  if (options.report && !options.format) options.format = OutputFormat::Text;
  if (byteOrderMark && outputName != "csv-header") return bad("--bom vale solo con --format csv-header");
  if (heights && outputName != "kml") return bad("--heights vale solo con --format kml");
  if (options.configuration.empty()) return bad("falta --config");
  if (options.input.empty()) return bad("falta --in");
  if (options.output.empty()) return bad("falta --out");
  return options;
}

int notWritten(std::ostream& err) {
  err << "no se escribió el archivo de salida\n";
  return 1;
}

}  // namespace

int convertCommand(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err,
                   bool errIsTerminal) {
  for (const std::string_view arg : args) {
    if (arg == "--help" || arg == "-h") {
      out << kConvertUsage;
      return 0;
    }
  }
  const auto options = parseOptions(args, err);
  if (!options) return 2;

  MainWindowState state;
  state.numberFormat = options->numberFormat;
  TerminalToolkit toolkit(err, errIsTerminal);
  App app{state, toolkit};
  const std::filesystem::path shipped = shippedFolder();
  startInWorkingFolder(app, chooseWorkingFolder(options->workingFolder, shipped), shipped);
  if (toolkit.messageCount() > 0) return notWritten(err);
  if (!restoreConfigurationFile(app, options->configuration)) {
    err << "no se pudo recuperar la configuración: " << utf8FromPath(options->configuration) << '\n';
    return notWritten(err);
  }

  click(app, state.M_Archivo);
  if (options->format) selectIndex(app, state.Formato_Salida, static_cast<int>(*options->format));
  click(app, options->report ? state.conencabezado : state.sinencabezado);
  if (options->headerLine) state.Titulos.value = 1;
  if (options->keepGoing) state.Continuar.value = 1;
  Control& inputBox = options->reverse ? state.File_R : state.File_L;
  Control& outputBox = options->reverse ? state.File_L : state.File_R;
  inputBox.text = utf8FromPath(options->input);
  outputBox.text = utf8FromPath(options->output);

  // The output is always a new file put in place of the old one: whether
  // the run wrote it shows in which file the name holds afterwards.
  const auto before = platform::fileIdentity(options->output);
  click(app, options->reverse ? state.Command2 : state.Command1);
  toolkit.finishProgress();
  const auto after = platform::fileIdentity(options->output);
  if (!after || after == before) return notWritten(err);
  if (state.Progreso.espere.text.starts_with(kDoneWithErrors)) {
    err << state.Progreso.espere.text << '\n';
    return 3;
  }
  return 0;
}

}  // namespace brelosta
