#include "formats/report.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <span>

#include "core/data_error.hpp"
#include "core/number_reading.hpp"
#include "core/picture_format.hpp"
#include "formats/credits.hpp"
#include "formats/print_zones.hpp"

namespace brelosta {
namespace {

constexpr std::string_view kCreditIndent = "                    ";
constexpr std::size_t kSeparatorWidth = 80;
constexpr std::size_t kShortName = 14;  // characters; shorter names take one more zone advance
constexpr std::size_t kStationWidth = 8;
constexpr std::string_view kNoStation = "     -    ";
constexpr std::string_view kNotConverted = "no convertido";

constexpr std::string_view kReferenceOnSource = "ITRF94_1995.4 / REGVEN";
constexpr std::string_view kReferenceOnTarget = "ITRF94_1995.4 /REGVEN ";

bool isKind(std::string_view text, CoordinateSystemKind kind) { return kindFromText(text) == kind; }

constexpr Picture kNorth = parsePicture("#0000000.0000");
constexpr Picture kEast = parsePicture("#00000000.0000");
constexpr Picture kHeight = parsePicture("#0000.0000");
constexpr Picture kDecimalAngle = parsePicture("#00.000000000");
constexpr Picture kDegrees = parsePicture("#00");
constexpr Picture kMinutes = parsePicture("00");
constexpr Picture kSeconds = parsePicture("00.0000");

using Table = ReportTable;

void separator(OutputSink& sink) { sink.line(std::string(kSeparatorWidth, '_')); }

int zonesAfterName(std::string_view name) { return characterCount(name) < kShortName ? 2 : 1; }

// A shift parameter with a blank in place of a plus sign, so that the signs
// of a column line up.
std::string signAligned(const std::string& text, NumberFormat format) {
  const auto value = strictValue(text, format);
  if (!value) throw DataError{};
  return *value < 0.0 ? text : " " + text;
}

void writeBanner(OutputSink& sink) {
  sink.line("");
  for (const std::string_view credit : kCreditLines) sink.line(std::string(kCreditIndent) + std::string(credit));
  sink.line("");
  sink.line("");
  sink.line(std::string(kCreditIndent) + std::string(kReportCreditLine));
  sink.line("");
  separator(sink);
  sink.line("");
  sink.line("");
}

void writeZones(const ReportData& data, ZonedLine& line) {
  const std::string_view label = "HUSO      : ";
  const bool sourceUtm = isKind(data.source.kind, CoordinateSystemKind::Utm);
  const bool targetUtm = isKind(data.target.kind, CoordinateSystemKind::Utm);
  if (sourceUtm && targetUtm) {
    line.item(label).item(data.source.zone).zones(2).item(label).item(data.target.zone).end();
  } else if (sourceUtm) {
    line.item(label).item(data.source.zone);  // the next item continues this line
  } else if (targetUtm) {
    line.zones(3).item(label).item(data.target.zone).end();
  }
}

void writeLambertParameters(const ReportData& data, ZonedLine& line) {
  const bool source = isKind(data.source.kind, CoordinateSystemKind::LambertConic);
  const bool target = isKind(data.target.kind, CoordinateSystemKind::LambertConic);
  if (!source && !target) return;
  const std::string_view labels[] = {"1er Paralelo    : ", "2do Paralelo    : ", "Falso Este      : ",
                                     "Falso Norte     : ", "Latitud Origen  : ", "Longitud Origen : "};
  const auto values = [](const ReportPanel& panel) {
    return std::array<const std::string*, 6>{&panel.zone,          &panel.secondParallel, &panel.falseEasting,
                                             &panel.falseNorthing, &panel.originLatitude, &panel.originLongitude};
  };
  const auto sourceValues = values(data.source);
  const auto targetValues = values(data.target);
  for (std::size_t k = 0; k < std::size(labels); ++k) {
    if (source) line.item(labels[k]).item(*sourceValues[k]);
    if (source && target) line.zones(2);
    if (!source) line.zones(3);
    if (target) line.item(labels[k]).item(*targetValues[k]);
    line.end();
  }
}

void writeGeneralData(const ReportData& data, OutputSink& sink) {
  ZonedLine line(sink);
  line.item("DATOS GENERALES DE CONVERSION:").end();
  line.end();
  line.item("Archivo de Entrada: ").item(data.source.fileName).zones(1);
  line.item("Archivo de Salida: ").item(data.target.fileName).end();
  line.item("Proyección: ").item(data.source.kind).zones(isKind(data.source.kind, CoordinateSystemKind::LambertConic) ? 1 : 2);
  line.item("Proyección: ").item(data.target.kind).end();
  writeZones(data, line);
  writeLambertParameters(data, line);
  line.end();

  const std::string_view sourceDatum =
      data.source.datum == kReferenceDatum ? kReferenceOnSource : std::string_view(data.source.datum);
  const std::string_view targetDatum =
      data.target.datum == kReferenceDatum ? kReferenceOnTarget : std::string_view(data.target.datum);
  line.item("Datum     : ").item(sourceDatum).zones(zonesAfterName(sourceDatum));
  line.item("Datum     : ").item(targetDatum).end();

  std::string_view first = data.ellipsoid;
  std::string_view second = data.ellipsoid;
  if (data.source.datum == kReferenceDatum)
    first = data.referenceEllipsoid;
  else if (data.target.datum == kReferenceDatum)
    second = data.referenceEllipsoid;
  line.item("Elipsoide : ").item(first).zones(zonesAfterName(first));
  line.item("Elipsoide : ").item(second).end();
  line.end();
  separator(sink);
  line.end();
}

void writeDatumData(const ReportData& data, NumberFormat format, OutputSink& sink) {
  ZonedLine line(sink);
  line.item("DATOS DE CONVERSION DE DATUM").end();
  line.end();
  line.item("Algoritmo de Conversión : ").item(data.method).end();
  line.item("Parametros              : ").item(data.parameterCode).end();
  line.end();
  const auto v = [&](std::size_t k) { return signAligned(data.parameters[k], format); };
  line.item("Dx  [m] = ").item(v(0)).zones(1).item("Rx  ['']= ").item(v(3)).zones(1).item("Xo  [m] = ").item(v(6)).end();
  line.item("Dy  [m] = ").item(v(1)).zones(1).item("Ry  ['']= ").item(v(4)).zones(1).item("Yo  [m] = ").item(v(7)).end();
  line.item("Dz  [m] = ").item(v(2)).zones(1).item("Rz  ['']= ").item(v(5)).zones(1).item("Zo  [m] = ").item(v(8)).end();
  line.item("Eo [ppm]= ").item(v(9)).end();
  line.end();
  separator(sink);
  line.end();
}

// A slot in a table column: a number (read from its text), or a text that
// is a number in the user's format, with the column's picture; any other
// text unchanged. A degrees column keeps the sign of "-0", which carries a
// negative angle under one degree.
void appendSlot(std::string& out, const Field& slot, Picture picture, NumberFormat format, bool degrees = false) {
  const std::size_t start = out.size();
  bool negative = false;
  if (slot.isNumber()) {
    if (!appendDecimalPicture(out, slot.text, slot.mark, picture, format))
      appendPicture(out, slot.number, picture, format);
    negative = slot.text.starts_with('-');
  } else if (appendDecimalPicture(out, slot.text, format.decimalMark, picture, format)) {
    negative = slot.text.starts_with('-');
  } else if (const auto value = strictValue(slot.text, format)) {
    appendPicture(out, *value, picture, format);
    negative = std::signbit(*value);
  } else {
    out += slot.text;
    return;
  }
  if (degrees && negative && out[start] != '-') out.insert(start, 1, '-');
}

// A table's columns in slot order: the blanks before each, its picture,
// and whether it holds degrees.
struct Column {
  std::size_t gap;
  Picture picture;
  bool degrees = false;
};
constexpr std::array<Column, 3> kGridColumns{{{7, kNorth}, {12, kEast}, {9, kHeight}}};
constexpr std::array<Column, 3> kDecimalColumns{{{5, kDecimalAngle}, {11, kDecimalAngle}, {12, kHeight}}};
constexpr std::array<Column, 7> kDmsColumns{{{7, kDegrees, true},
                                             {1, kMinutes},
                                             {1, kSeconds},
                                             {11, kDegrees, true},
                                             {1, kMinutes},
                                             {1, kSeconds},
                                             {8, kHeight}}};

std::span<const Column> columnsOf(Table table) {
  switch (table) {
    case Table::Grid:
      return kGridColumns;
    case Table::Decimal:
      return kDecimalColumns;
    case Table::Dms:
      return kDmsColumns;
    case Table::None:
      break;
  }
  return {};
}

// The Id's first eight characters, right-aligned in eight places: how many
// blanks go before them and their bytes.
struct Station {
  std::size_t blanks;
  std::string_view text;
};
Station stationOf(std::string_view id) {
  if (id.empty()) return {0, kNoStation};
  std::size_t characters = 0;
  std::size_t end = 0;
  while (end < id.size() && characters < kStationWidth) {
    ++end;
    while (end < id.size() && (static_cast<unsigned char>(id[end]) & 0xC0) == 0x80) ++end;
    ++characters;
  }
  return {kStationWidth - characters, id.substr(0, end)};
}

// Room for a record number: every size_t, and the picture's leading zero.
constexpr std::size_t kNumberPlaces = 24;

// The record number as the picture "00" writes it, at `at`.
char* writeRecordNumber(char* at, std::size_t number) {
  if (number < 10) *at++ = '0';
  return std::to_chars(at, at + kNumberPlaces - 1, number).ptr;
}

}  // namespace

ReportTable reportTable(const ReportPanel& panel) {
  const auto kind = kindFromText(panel.kind);
  if (kind == CoordinateSystemKind::Utm || kind == CoordinateSystemKind::LambertConic) return Table::Grid;
  if (kind != CoordinateSystemKind::Geographic) return Table::None;
  return panel.angleFormat == AngleFormat::DecimalDegrees ? Table::Decimal : Table::Dms;
}

void appendReportRow(std::string& out, ReportTable table, std::size_t number, std::string_view id,
                     const std::array<Field, kMaxSlots>& slots, NumberFormat format) {
  // The row is laid out in place over blanks, which are its gaps already:
  // filling it at once costs less than adding its pieces one by one.
  const std::span<const Column> columns = columnsOf(table);
  const Station station = stationOf(id);
  std::size_t room = 4 + kNumberPlaces + 2 + station.blanks + station.text.size();
  for (std::size_t k = 0; k < columns.size(); ++k)
    room += columns[k].gap + decimalPictureBound(slots[k].text.size(), columns[k].picture);
  const std::size_t start = out.size();
  out.append(room, ' ');
  char* at = writeRecordNumber(out.data() + start + 4, number) + 2 + station.blanks;
  at = std::copy(station.text.begin(), station.text.end(), at);
  for (std::size_t k = 0; k < columns.size(); ++k) {
    at += columns[k].gap;
    const Field& slot = slots[k];
    const char mark = slot.isNumber() ? slot.mark : format.decimalMark;
    char* const end = writeDecimalPicture(at, slot.text, mark, columns[k].picture, format, columns[k].degrees);
    if (end == nullptr) {
      // A cell that is not a plain decimal: this one and the rest are
      // added one by one.
      out.resize(static_cast<std::size_t>(at - out.data()));
      for (std::size_t m = k; m < columns.size(); ++m) {
        if (m > k) out.append(columns[m].gap, ' ');
        appendSlot(out, slots[m], columns[m].picture, format, columns[m].degrees);
      }
      return;
    }
    at = end;
  }
  out.resize(static_cast<std::size_t>(at - out.data()));
}

void appendFailedRow(std::string& out, ReportTable table, std::size_t number, std::string_view id) {
  const Station station = stationOf(id);
  std::array<char, 4 + kNumberPlaces> start;
  start.fill(' ');
  char* const numberEnd = writeRecordNumber(start.data() + 4, number);
  out.append(start.data(), static_cast<std::size_t>(numberEnd - start.data()));
  out.append(2 + station.blanks, ' ');
  out += station.text;
  const std::span<const Column> columns = columnsOf(table);
  if (!columns.empty()) out.append(columns.front().gap, ' ');
  out += kNotConverted;
}

namespace {

// A table's heading, when the table is printed at all.
void writeTableHeading(Table table, OutputSink& sink) {
  switch (table) {
    case Table::Grid:
      sink.line("    NO  ESTACION        NORTE[m]                 ESTE[m]             ALTURA[m]");
      break;
    case Table::Decimal:
      sink.line("    NO  ESTACION      LATITUD[°]             LONGITUD[°]             ALTURA[m]");
      break;
    case Table::Dms:
      sink.line("    NO  ESTACION       LATITUD[° ' '']         LONGITUD[° ' '']      ALTURA[m]");
      break;
    case Table::None:
      return;
  }
  sink.line("");
}

}  // namespace

std::string fileNameOf(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

void writeReportHead(const ReportData& data, NumberFormat format, OutputSink& sink) {
  writeBanner(sink);
  writeGeneralData(data, sink);
  if (data.source.datum != data.target.datum) writeDatumData(data, format, sink);
  sink.line("COORDENADAS GEODESICAS DE ENTRADA");
  sink.line("");
  writeTableHeading(reportTable(data.source), sink);
}

void writeReportMiddle(const ReportData& data, OutputSink& sink) {
  sink.line("");
  separator(sink);
  sink.line("");
  sink.line("COORDENADAS GEODESICAS DE SALIDA");
  sink.line("");
  writeTableHeading(reportTable(data.target), sink);
}

void writeReportEnd(OutputSink& sink) {
  sink.line("");
  sink.line("");
}

}  // namespace brelosta
