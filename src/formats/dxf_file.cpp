#include "formats/dxf_file.hpp"

#include <algorithm>
#include <array>

#include "core/data_error.hpp"
#include "core/number_reading.hpp"
#include "core/picture_format.hpp"

namespace brelosta {
namespace {

constexpr std::string_view kPointLayer = "PUNTOS";
constexpr std::string_view kNameLayer = "NOMBRES";
constexpr std::string_view kHeightLayer = "COTAS";
constexpr double kTextHeight = 1.0;     // metres: legible at 1:500 to 1:1000
constexpr std::string_view kTextHeightText = "1.0";
constexpr double kTextOffset = 0.5;     // metres right of and above the point
constexpr double kViewMargin = 1.1;     // the view shows the extents and a tenth more
constexpr double kSmallestView = 10.0;  // metres, for a single point
constexpr double kViewAspect = 1.5;     // width over height
constexpr Picture kCoordinate = parsePicture("0.0000");
// Room for a header value written at the end: its digits, then zeros.
constexpr std::size_t kLaterWidth = 24;

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

// Appends a text for TEXT entities: a line end or control character would
// end the value's line.
void appendDrawingText(std::string& out, std::string_view text) {
  const std::size_t start = out.size();
  out += text;
  std::replace_if(
      out.begin() + static_cast<std::ptrdiff_t>(start), out.end(),
      [](char c) { return static_cast<unsigned char>(c) < 0x20; }, '?');
}

// An entity's groups, appended as whole lines: a record's three entities
// take some thirty lines, so each is written without a call per group.
void append(std::string& out, std::string_view codeLine, std::string_view value) {
  out += codeLine;
  out += value;
  out += "\r\n";
}

void appendNumber(std::string& out, std::string_view codeLine, double value) {
  out += codeLine;
  appendPicture(out, value, kCoordinate, NumberFormat::point());
  out += "\r\n";
}

void appendText(std::string& out, std::string_view layer, double east, double north, std::string_view value) {
  append(out, "  0\r\n", "TEXT");
  append(out, "  8\r\n", layer);
  appendNumber(out, " 10\r\n", east);
  appendNumber(out, " 20\r\n", north);
  append(out, " 40\r\n", kTextHeightText);
  out += "  1\r\n";
  appendDrawingText(out, value);
  out += "\r\n";
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

DxfWriter::DxfWriter(const RecordPlan& plan, Overwrite overwrite)
    : plan_(plan), overwrite_(std::move(overwrite)) {}

void DxfWriter::point(OutputSink& sink, const OutputPoint& point) {
  if (!point.converted) return;
  const auto& values = *point.values;
  const double east = plainNumber(values[kEast].text).value_or(0.0);
  const double north = plainNumber(values[kNorth].text).value_or(0.0);
  const double height = plan_.hasHeight ? plainNumber(values[kHeight].text).value_or(0.0) : 0.0;
  if (!extents_) extents_ = Extents{east, north, height, east, north, height};
  Extents& e = *extents_;
  e = {std::min(e.minEast, east), std::min(e.minNorth, north), std::min(e.minHeight, height),
       std::max(e.maxEast, east), std::max(e.maxNorth, north), std::max(e.maxHeight, height)};

  std::string& out = sink.text();
  append(out, "  0\r\n", "POINT");
  append(out, "  8\r\n", kPointLayer);
  append(out, " 10\r\n", values[kEast].text);
  append(out, " 20\r\n", values[kNorth].text);
  append(out, " 30\r\n", plan_.hasHeight ? values[kHeight].text : std::string_view("0.0"));
  appendText(out, kNameLayer, east + kTextOffset, north + kTextOffset, pointName(point));
  if (plan_.hasHeight)
    appendText(out, kHeightLayer, east + kTextOffset, north - kTextOffset - kTextHeight,
               values[kHeight].text);
  sink.endLines();
}

void DxfWriter::later(OutputSink& sink, int code, Later value) {
  group(sink, code, std::string(kLaterWidth, '0'));
  offsets_[value] = sink.position() - kLaterWidth - 2;  // before the value and its line end
}

void DxfWriter::head(OutputSink& sink) {
  group(sink, 0, "SECTION");
  group(sink, 2, "HEADER");
  group(sink, 9, "$ACADVER");
  group(sink, 1, "AC1009");
  group(sink, 9, "$DWGCODEPAGE");
  group(sink, 3, "ANSI_1252");
  group(sink, 9, "$INSUNITS");
  group(sink, 70, 6);  // metres
  group(sink, 9, "$EXTMIN");
  later(sink, 10, MinEast);
  later(sink, 20, MinNorth);
  later(sink, 30, MinHeight);
  group(sink, 9, "$EXTMAX");
  later(sink, 10, MaxEast);
  later(sink, 20, MaxNorth);
  later(sink, 30, MaxHeight);
  group(sink, 0, "ENDSEC");

  group(sink, 0, "SECTION");
  group(sink, 2, "TABLES");
  // The view the drawing opens with: centred on the points, tall enough for
  // all of them.
  table(sink, "VPORT", 1);
  group(sink, 0, "VPORT");
  group(sink, 2, "*ACTIVE");
  group(sink, 70, 0);
  group(sink, 10, 0.0);
  group(sink, 20, 0.0);
  group(sink, 11, 1.0);
  group(sink, 21, 1.0);
  later(sink, 12, ViewEast);
  later(sink, 22, ViewNorth);
  later(sink, 40, ViewHeight);
  group(sink, 41, kViewAspect);
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
  group(sink, 0, "SECTION");
  group(sink, 2, "ENTITIES");
}

void DxfWriter::end(OutputSink& sink) {
  group(sink, 0, "ENDSEC");
  group(sink, 0, "EOF");
  sink.finish();
  const Extents e = extents_.value_or(Extents{0, 0, 0, 0, 0, 0});
  const double viewHeight = std::max(
      kSmallestView, kViewMargin * std::max(e.maxNorth - e.minNorth, (e.maxEast - e.minEast) / kViewAspect));
  const std::array<double, kLater> values{e.minEast,
                                          e.minNorth,
                                          e.minHeight,
                                          e.maxEast,
                                          e.maxNorth,
                                          e.maxHeight,
                                          (e.minEast + e.maxEast) / 2.0,
                                          (e.minNorth + e.maxNorth) / 2.0,
                                          viewHeight};
  for (std::size_t k = 0; k < values.size(); ++k) {
    std::string text;
    appendPicture(text, values[k], kCoordinate, NumberFormat::point());
    if (text.size() > kLaterWidth) throw DataError{};
    text.append(kLaterWidth - text.size(), '0');  // more decimals, the same value
    overwrite_(offsets_[k], text);
  }
}

}  // namespace brelosta
