#include "formats/kml_file.hpp"

#include <algorithm>

#include "formats/wgs84_text.hpp"

namespace brelosta {

void appendXmlText(std::string& out, std::string_view text) {
  const auto plain = [](char c) {
    return c != '&' && c != '<' && c != '>' && c != '"' &&
           (static_cast<unsigned char>(c) >= 0x20 || c == '\t');
  };
  if (std::all_of(text.begin(), text.end(), plain)) {
    out += text;
    return;
  }
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

KmlWriter::KmlWriter(const RecordPlan& plan, RecordFamily family, std::string documentName,
                     bool absoluteHeights)
    : plan_(plan), documentName_(std::move(documentName)), absoluteHeights_(absoluteHeights) {
  for (const int slot : plan_.fieldSlots)
    if (slot != kIdField)
      labels_.push_back((labels_.empty() ? "" : "; ") + slotFieldName(family, slot) + ": ");
}

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
  if (!point.converted) return;
  std::string& out = sink.text();
  out += "<Placemark><name>";
  appendXmlText(out, pointName(point));
  out += "</name><description>";
  // The target's coordinates as its layout names them, then its system.
  std::size_t label = 0;
  for (const int slot : plan_.fieldSlots) {
    if (slot == kIdField) continue;
    out += labels_[label++];
    out += (*point.values)[static_cast<std::size_t>(slot)].text;
  }
  if (point.system->description != system_.description || point.system->epsg != system_.epsg) {
    system_ = *point.system;
    systemEnd_ = " (";
    appendXmlText(systemEnd_, system_.description);
    if (system_.epsg) systemEnd_ += ", EPSG:" + std::to_string(*system_.epsg);
    // On the ground is KML's default altitude mode.
    systemEnd_ += ")</description><Point>";
    if (absoluteHeights_ && plan_.hasHeight) systemEnd_ += "<altitudeMode>absolute</altitudeMode>";
    systemEnd_ += "<coordinates>";
  }
  out += systemEnd_;
  appendWgs84Coordinates(out, *point.wgs84, plan_.hasHeight);
  out += "</coordinates></Point></Placemark>";
  sink.endLine();
}

void KmlWriter::end(OutputSink& sink) {
  sink.line("</Document>");
  sink.line("</kml>");
}

}  // namespace brelosta
