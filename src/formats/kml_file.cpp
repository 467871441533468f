#include "formats/kml_file.hpp"

#include "formats/wgs84_text.hpp"

namespace brelosta {

void appendXmlText(std::string& out, std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += static_cast<unsigned char>(c) < 0x20 && c != '\t' ? '?' : c;
    }
  }
}

KmlWriter::KmlWriter(const RecordPlan& plan, RecordFamily family, std::string documentName, bool absoluteHeights)
    : plan_(plan), family_(family), documentName_(std::move(documentName)), absoluteHeights_(absoluteHeights) {}

void KmlWriter::head(OutputSink& sink) {
  sink.line(R"(<?xml version="1.0" encoding="UTF-8"?>)");
  sink.line(R"(<kml xmlns="http://www.opengis.net/kml/2.2">)");
  sink.line("<Document>");
  std::string& out = sink.text();
  out += "<name>";
  appendXmlText(out, documentName_);
  out += "</name>";
  sink.endLine();
}

void KmlWriter::point(OutputSink& sink, const OutputPoint& point) {
  if (!point.wgs84) return;
  std::string& out = sink.text();
  out += "<Placemark><name>";
  appendXmlText(out, pointName(point));
  out += "</name><description>";
  // The target's coordinates as its layout names them, then its system.
  bool first = true;
  for (const int slot : plan_.fieldSlots) {
    if (slot == kIdField) continue;
    if (!first) out += "; ";
    first = false;
    out += slotFieldName(family_, slot);
    out += ": ";
    out += (*point.values)[static_cast<std::size_t>(slot)].text;
  }
  out += " (";
  appendXmlText(out, point.system->description);
  if (point.system->epsg) out += ", EPSG:" + std::to_string(*point.system->epsg);
  out += ")</description><Point><altitudeMode>";
  out += absoluteHeights_ && plan_.hasHeight ? "absolute" : "clampToGround";
  out += "</altitudeMode><coordinates>";
  appendWgs84Coordinates(out, *point.wgs84, plan_.hasHeight);
  out += "</coordinates></Point></Placemark>";
  sink.endLine();
}

void KmlWriter::end(OutputSink& sink) {
  sink.line("</Document>");
  sink.line("</kml>");
}

}  // namespace brelosta
