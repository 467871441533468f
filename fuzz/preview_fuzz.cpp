// The input-file preview of any file content with any coordinate type and
// layout: at most six raw lines, parsed columns of one length, and never a
// message.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/commands.hpp"
#include "app/preview.hpp"
#include "started_window.hpp"

using namespace brelosta;
namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  MainWindowState state = startedState();
  RecordingToolkit toolkit;
  App app{state, toolkit};
  openPreview(app);
  PreviewWindowState& p = state.Preview;
  selectIndex(app, p.Coord, data[0] % 3);
  selectIndex(app, p.Formato, (data[0] / 3) % 8);

  static const fs::path file = fs::temp_directory_path() / ("brelosta-preview-" + std::to_string(::getpid()));
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(data + 1),
                                               static_cast<std::streamsize>(size - 1));
  p.File_Preview.text = file.string();
  previewExamine(app);

  if (p.List1.entries.size() > 6 || !toolkit.messages.empty()) std::abort();
  const std::size_t rows = p.List2.entries.size();
  if (rows > 7) std::abort();
  for (const Control* column : {&p.List9, &p.List10, &p.List11, &p.List3, &p.List8})
    if (!column->entries.empty() && column->entries.size() != rows) std::abort();
  return 0;
}
