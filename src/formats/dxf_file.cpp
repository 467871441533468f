#include "formats/dxf_file.hpp"

#include <algorithm>
#include <array>

#include "core/data_error.hpp"
#include "core/picture_format.hpp"

namespace brelosta {
namespace {

constexpr std::string_view kPointLayer = "PUNTOS";
constexpr std::string_view kNameLayer = "NOMBRES";
constexpr std::string_view kHeightLayer = "COTAS";
constexpr double kTextHeight = 1.0;  // metres: legible at 1:500 to 1:1000
constexpr double kTextOffset = 0.5;  // metres right of and above the point
constexpr double kViewMargin = 1.1;  // the view shows the extents and a tenth more
constexpr double kSmallestView = 10.0;  // metres, for a single point
constexpr Picture kCoordinate = parsePicture("0.0000");

constexpr std::size_t kNorth = 0;
constexpr std::size_t kEast = 1;
constexpr std::size_t kHeight = 2;

// One group: its code right-aligned in three columns, then its value.
void group(OutputSink& sink, int code, std::string_view value) {
  std::string& out = sink.text();
  const std::string number = std::to_string(code);
  out.append(number.size() < 3 ? 3 - number.size() : 0, ' ');
  out += number;
  sink.endLine();
  sink.line(value);
}

void group(OutputSink& sink, int code, double value) {
  std::string text;
  appendPicture(text, value, kCoordinate, NumberFormat::point());
  group(sink, code, text);
}

void group(OutputSink& sink, int code, int value) { group(sink, code, std::to_string(value)); }

void pointGroups(OutputSink& sink, int code, double x, double y, double z) {
  group(sink, code, x);
  group(sink, code + 10, y);
  group(sink, code + 20, z);
}

// A text for TEXT entities: a line end or control character would end the
// value's line.
std::string drawingText(std::string_view text) {
  std::string out(text);
  std::replace_if(out.begin(), out.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, '?');
  return out;
}

void text(OutputSink& sink, std::string_view layer, double east, double north, std::string_view value) {
  group(sink, 0, "TEXT");
  group(sink, 8, layer);
  pointGroups(sink, 10, east, north, 0.0);
  group(sink, 40, kTextHeight);
  group(sink, 1, drawingText(value));
}

void table(OutputSink& sink, std::string_view name, int count) {
  group(sink, 0, "TABLE");
  group(sink, 2, name);
  group(sink, 70, count);
}

void layer(OutputSink& sink, std::string_view name, int colour) {
  group(sink, 0, "LAYER");
  group(sink, 2, name);
  group(sink, 70, 0);
  group(sink, 62, colour);
  group(sink, 6, "CONTINUOUS");
}

}  // namespace

DxfWriter::DxfWriter(const RecordPlan& plan, const std::filesystem::path& near)
    : plan_(plan), scratch_(near), entities_([this](std::string_view bytes) { scratch_.write(bytes); }) {}

void DxfWriter::point(OutputSink&, const OutputPoint& point) {
  if (!point.wgs84) return;
  const auto& values = *point.values;
  const double east = values[kEast].number;
  const double north = values[kNorth].number;
  const double height = plan_.hasHeight ? values[kHeight].number : 0.0;
  if (!extents_) extents_ = Extents{east, north, height, east, north, height};
  Extents& e = *extents_;
  e = {std::min(e.minEast, east),   std::min(e.minNorth, north), std::min(e.minHeight, height),
       std::max(e.maxEast, east),   std::max(e.maxNorth, north), std::max(e.maxHeight, height)};

  group(entities_, 0, "POINT");
  group(entities_, 8, kPointLayer);
  group(entities_, 10, values[kEast].text);
  group(entities_, 20, values[kNorth].text);
  group(entities_, 30, plan_.hasHeight ? values[kHeight].text : std::string_view("0.0"));
  text(entities_, kNameLayer, east + kTextOffset, north + kTextOffset, pointName(point));
  if (plan_.hasHeight)
    text(entities_, kHeightLayer, east + kTextOffset, north - kTextOffset - kTextHeight, values[kHeight].text);
}

void DxfWriter::writeHeader(OutputSink& sink) const {
  const Extents e = extents_.value_or(Extents{0, 0, 0, 0, 0, 0});
  group(sink, 0, "SECTION");
  group(sink, 2, "HEADER");
  group(sink, 9, "$ACADVER");
  group(sink, 1, "AC1009");
  group(sink, 9, "$DWGCODEPAGE");
  group(sink, 3, "ANSI_1252");
  group(sink, 9, "$INSUNITS");
  group(sink, 70, 6);  // metres
  group(sink, 9, "$EXTMIN");
  pointGroups(sink, 10, e.minEast, e.minNorth, e.minHeight);
  group(sink, 9, "$EXTMAX");
  pointGroups(sink, 10, e.maxEast, e.maxNorth, e.maxHeight);
  group(sink, 0, "ENDSEC");

  group(sink, 0, "SECTION");
  group(sink, 2, "TABLES");
  // The view the drawing opens with: centred on the points, tall enough for
  // all of them.
  constexpr double kAspect = 1.5;
  const double viewHeight =
      std::max(kSmallestView, kViewMargin * std::max(e.maxNorth - e.minNorth, (e.maxEast - e.minEast) / kAspect));
  table(sink, "VPORT", 1);
  group(sink, 0, "VPORT");
  group(sink, 2, "*ACTIVE");
  group(sink, 70, 0);
  group(sink, 10, 0.0);
  group(sink, 20, 0.0);
  group(sink, 11, 1.0);
  group(sink, 21, 1.0);
  group(sink, 12, (e.minEast + e.maxEast) / 2.0);
  group(sink, 22, (e.minNorth + e.maxNorth) / 2.0);
  group(sink, 40, viewHeight);
  group(sink, 41, kAspect);
  group(sink, 0, "ENDTAB");
  table(sink, "LTYPE", 1);
  group(sink, 0, "LTYPE");
  group(sink, 2, "CONTINUOUS");
  group(sink, 70, 0);
  group(sink, 3, "Solid line");
  group(sink, 72, 65);
  group(sink, 73, 0);
  group(sink, 40, 0.0);
  group(sink, 0, "ENDTAB");
  table(sink, "LAYER", 4);
  layer(sink, "0", 7);
  layer(sink, kPointLayer, 7);
  layer(sink, kNameLayer, 3);
  layer(sink, kHeightLayer, 1);
  group(sink, 0, "ENDTAB");
  table(sink, "STYLE", 1);
  group(sink, 0, "STYLE");
  group(sink, 2, "STANDARD");
  group(sink, 70, 0);
  group(sink, 40, 0.0);
  group(sink, 41, 1.0);
  group(sink, 50, 0.0);
  group(sink, 71, 0);
  group(sink, 42, kTextHeight);
  group(sink, 3, "txt");
  group(sink, 4, "");
  group(sink, 0, "ENDTAB");
  group(sink, 0, "ENDSEC");

  group(sink, 0, "SECTION");
  group(sink, 2, "BLOCKS");
  group(sink, 0, "ENDSEC");
}

void DxfWriter::end(OutputSink& sink) {
  writeHeader(sink);
  group(sink, 0, "SECTION");
  group(sink, 2, "ENTITIES");
  entities_.finish();
  if (!scratch_.readBack([&](std::string_view bytes) { sink.writeEncoded(bytes); })) throw DataError{};
  group(sink, 0, "ENDSEC");
  group(sink, 0, "EOF");
}

}  // namespace brelosta
