#include "formats/geojson_file.hpp"

#include "core/number_reading.hpp"
#include "formats/field_text.hpp"
#include "formats/wgs84_text.hpp"

namespace brelosta {

void appendJsonString(std::string& out, std::string_view text) {
  constexpr std::string_view kHexDigits = "0123456789abcdef";
  out += '"';
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      out += "\\u00";
      out += kHexDigits[byte >> 4];
      out += kHexDigits[byte & 0xF];
    } else {
      out += c;
    }
  }
  out += '"';
}

namespace {

// A number as JSON writes it, without leading zeros ("05" minutes are 5); a
// text that is not a number as a string.
void appendJsonNumber(std::string& out, std::string_view text) {
  const auto value = plainNumber(text);
  if (!value) {
    appendJsonString(out, text);
    return;
  }
  appendFieldText(out, Field{Field::Type::Number, text, *value}, NumberFormat::point());
}

}  // namespace

GeoJsonWriter::GeoJsonWriter(const RecordPlan& plan, RecordFamily family) : plan_(plan), family_(family) {
  for (const int slot : plan_.fieldSlots) {
    std::string name;
    appendJsonString(name, slot == kIdField ? "Id" : slotFieldName(family_, slot));
    names_.push_back(name + ':');
  }
}

void GeoJsonWriter::head(OutputSink& sink) { sink.line(R"({"type":"FeatureCollection","features":[)"); }

void GeoJsonWriter::point(OutputSink& sink, const OutputPoint& point) {
  if (!point.converted) return;
  std::string& out = sink.text();
  if (!first_) out += ',';
  first_ = false;
  out += R"({"type":"Feature","geometry":{"type":"Point","coordinates":[)";
  appendWgs84Coordinates(out, *point.wgs84, plan_.hasHeight);
  out += "]},\"properties\":{";
  for (std::size_t k = 0; k < plan_.fieldSlots.size(); ++k) {
    if (k > 0) out += ',';
    out += names_[k];
    const int slot = plan_.fieldSlots[k];
    if (slot == kIdField)
      appendJsonString(out, point.id);
    else
      appendJsonNumber(out, (*point.values)[static_cast<std::size_t>(slot)].text);
  }
  if (point.system->epsg) {
    if (point.system->epsg != epsg_) {
      epsg_ = point.system->epsg;
      epsgMember_ = "\"EPSG\":" + std::to_string(*epsg_);
    }
    if (!plan_.fieldSlots.empty()) out += ',';
    out += epsgMember_;
  }
  out += "}}";
  sink.endLine();
}

void GeoJsonWriter::end(OutputSink& sink) { sink.line("]}"); }

}  // namespace brelosta
