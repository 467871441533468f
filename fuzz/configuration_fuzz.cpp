// Restoring any configuration file text: the restore either fails without a
// message or leaves a window whose kinds, method boxes and mode make sense.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/configuration.hpp"
#include "core/windows1252.hpp"
#include "geodesy/coordinate_system.hpp"
#include "started_window.hpp"

using namespace brelosta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  MainWindowState state = startedState();
  RecordingToolkit toolkit;
  App app{state, toolkit};
  const std::string text = decodeFileText(std::string_view(reinterpret_cast<const char*>(data), size));
  const bool restored = restoreConfigurationText(app, text);
  if (!restored && toolkit.messages.empty() && state == startedState()) return 0;
  if (!kindFromText(state.Coord_L.text) || !kindFromText(state.Coord_R.text)) std::abort();
  if (state.Check1.value + state.Check2.value + state.Check3.value > 1) std::abort();
  if (state.M_Puntual.value + state.M_Archivo.value != 1) std::abort();
  for (const auto& message : toolkit.messages)
    if (message.title != "Atención") std::abort();
  return 0;
}
