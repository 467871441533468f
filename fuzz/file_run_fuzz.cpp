// A whole file conversion of any file content, with layouts, kinds and
// formats chosen by the input: it never crashes, a run that ends with a
// message or silently leaves no output file, and a finished run writes one
// line per line of the file (a data file), or a header row and one line per
// line (CSV with a header).

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "app/commands.hpp"
#include "app/convert_command.hpp"
#include "app/output_format.hpp"
#include "core/text_file.hpp"
#include "formats/point_file.hpp"
#include "started_window.hpp"

using namespace brelosta;
namespace fs = std::filesystem;

namespace {

// A folder in memory when the system has one: every run commits its output.
fs::path workFolder() {
  static const fs::path folder = [] {
    const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    fs::path made = base / ("brelosta-file-run-" + std::to_string(::getpid()));
    fs::create_directories(made);
    return made;
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  MainWindowState state = startedState();
  RecordingToolkit toolkit;
  App app{state, toolkit};
  click(app, state.M_Archivo);
  // The first three bytes choose the kinds, formats, layouts and direction.
  const auto choice = [&](int k, int count) { return data[k] % count; };
  selectIndex(app, state.Coord_L, choice(0, 6));
  selectIndex(app, state.Coord_R, (data[0] / 6) % 6);
  selectIndex(app, state.Units_L, choice(1, 2));
  selectIndex(app, state.Units_R, (data[1] / 2) % 2);
  selectIndex(app, state.Formato_L, choice(2, 8));
  selectIndex(app, state.Formato_R, (data[2] / 8) % 8);
  if (data[1] & 0x80) click(app, state.conencabezado);
  selectIndex(app, state.Formato_Salida, ((data[1] >> 2) & 7) % static_cast<int>(kOutputFormatTexts.size()));
  const OutputFormat format = outputFormat(state);
  const bool leftToRight = (data[2] & 0x80) == 0;

  const fs::path input = workFolder() / "puntos.txt";
  const fs::path output = workFolder() / "salida.txt";
  fs::remove(output);
  std::ofstream(input, std::ios::binary).write(reinterpret_cast<const char*>(data + 3),
                                                static_cast<std::streamsize>(size - 3));
  (leftToRight ? state.File_L : state.File_R).text = input.string();
  (leftToRight ? state.File_R : state.File_L).text = output.string();
  convert(app, leftToRight ? ConversionDirection::LeftToRight : ConversionDirection::RightToLeft);

  // The progress window's last state tells the outcome: complete exactly
  // when the output file was written.
  if (!state.Progreso.Ok.enabled || state.Progreso.Cancelar.enabled) std::abort();
  const bool written = fs::exists(output);
  const std::string_view outcome =
      written ? "Conversión completa" : "Conversión interrumpida: no se escribió el archivo de salida";
  if (state.Progreso.espere.text != outcome) std::abort();
  for (const auto& message : toolkit.messages)
    if (message.title != "Atención") std::abort();
  if (!written) return 0;
  if (!toolkit.messages.empty()) std::abort();  // output written after a message
  if (format == OutputFormat::Csv) {
    const auto written = readTextFile(output);
    auto read = PointFile::open(input);
    if (!written || !read) std::abort();
    if (splitLines(*written).size() != read->size() + 1) std::abort();
  }
  if (format == OutputFormat::Text && state.sinencabezado.checked()) {
    const auto written = readTextFile(output);
    auto read = PointFile::open(input);
    if (!written || !read) std::abort();
    // A target layout of the other family writes no line at all.
    const std::size_t lines = splitLines(*written).size();
    if (lines != 0 && lines != read->size()) std::abort();
  }
  return 0;
}
