#include "formats/map_outline.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "core/path_text.hpp"
#include "core/text_file.hpp"

namespace brelosta {
namespace {

struct LayerName {
  std::string_view name;
  OutlineLayer layer;
};
constexpr std::array<LayerName, 3> kLayerNames = {{
    {"costa", OutlineLayer::Coast},
    {"frontera", OutlineLayer::Border},
    {"estado", OutlineLayer::StateBorder},
}};

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// The next blank-separated word of `text`, taken off its front.
std::string_view nextWord(std::string_view& text) {
  text = trimmed(text);
  const auto end = text.find_first_of(" \t");
  const std::string_view word = text.substr(0, end);
  text = end == std::string_view::npos ? std::string_view() : text.substr(end);
  return word;
}

std::optional<double> number(std::string_view word) {
  double value = 0.0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

// Longitude then latitude, in their ranges, and nothing else on the line.
std::optional<LatLon> vertex(std::string_view line) {
  const auto longitude = number(nextWord(line));
  const auto latitude = number(nextWord(line));
  if (!longitude || !latitude || !trimmed(line).empty()) return std::nullopt;
  if (std::abs(*longitude) > 180.0 || std::abs(*latitude) > 90.0) return std::nullopt;
  return LatLon{*latitude, *longitude};
}

std::string onLine(std::size_t number, std::string_view what) {
  return "línea " + std::to_string(number) + ": " + std::string(what);
}

}  // namespace

std::variant<MapOutline, std::string> parseMapOutline(std::string_view text) {
  MapOutline outline;
  LineReader lines(text);
  std::string_view line;
  std::size_t number = 0;
  std::size_t opened = 0;  // the line that opened the last polyline
  const auto closeLast = [&]() -> bool {
    return outline.lines.empty() || outline.lines.back().count >= 2;
  };
  while (lines.next(line)) {
    ++number;
    const std::string_view content = trimmed(line);
    if (content.empty() || content.front() == '#') continue;
    if (content.front() == '>') {
      if (!closeLast()) return onLine(opened, "un trazo necesita al menos dos vértices");
      const std::string_view name = trimmed(content.substr(1));
      const auto found = std::find_if(kLayerNames.begin(), kLayerNames.end(),
                                      [&](const LayerName& layer) { return layer.name == name; });
      if (found == kLayerNames.end())
        return onLine(number, "capa desconocida \"" + std::string(name) + "\" (costa, frontera o estado)");
      OutlineLine opening;
      opening.layer = found->layer;
      opening.first = outline.vertices.size();
      outline.lines.push_back(opening);
      opened = number;
      continue;
    }
    if (outline.lines.empty()) return onLine(number, "un vértice antes de la primera capa");
    const auto point = vertex(content);
    if (!point) return onLine(number, "se esperaban la longitud y la latitud en grados");
    OutlineLine& current = outline.lines.back();
    if (current.count == 0) {
      current.west = current.east = point->longitude;
      current.south = current.north = point->latitude;
    }
    current.west = std::min(current.west, point->longitude);
    current.east = std::max(current.east, point->longitude);
    current.south = std::min(current.south, point->latitude);
    current.north = std::max(current.north, point->latitude);
    ++current.count;
    outline.vertices.push_back(*point);
  }
  if (!closeLast()) return onLine(opened, "un trazo necesita al menos dos vértices");
  if (outline.lines.empty()) return std::string("no tiene ningún trazo");
  return outline;
}

std::variant<MapOutline, std::string> readMapOutline(const std::filesystem::path& path) {
  const auto bytes = readFileBytes(path);
  if (!bytes) return utf8FromPath(path) + ": no se puede leer";
  auto parsed = parseMapOutline(*bytes);
  if (auto* problem = std::get_if<std::string>(&parsed)) *problem = utf8FromPath(path) + ", " + *problem;
  return parsed;
}

}  // namespace brelosta
