#pragma once

#include <array>
#include <functional>
#include <string>

#include "core/number_format.hpp"
#include "formats/output_sink.hpp"
#include "formats/record_layout.hpp"
#include "geodesy/coordinate_system.hpp"

namespace brelosta {

// What the conversion report says about one side of the conversion: the
// texts of the panel's boxes when the report is written.
struct ReportPanel {
  std::string fileName;  // without its folder
  std::string kind;      // as the kind list shows it
  AngleFormat angleFormat = AngleFormat::DegreesMinutesSeconds;
  std::string zone;  // UTM zone, or first standard parallel of a Lambert conic
  std::string secondParallel;
  std::string falseEasting;
  std::string falseNorthing;
  std::string originLatitude;
  std::string originLongitude;
  std::string datum;
};

// Everything the report's header prints, taken from the window.
struct ReportData {
  ReportPanel source;
  ReportPanel target;
  std::string method;  // "Molodensky", "Bursa Wolf", "Badekas-Molodensky" or nothing
  std::string parameterCode;
  // Texts of the shift-parameter boxes: Dx, Dy, Dz (m), Rx, Ry, Rz (''),
  // Xo, Yo, Zo (m) of the fundamental point, scale (ppm).
  std::array<std::string, 10> parameters;
  std::string ellipsoid;           // of the panels' datum other than WGS84
  std::string referenceEllipsoid;  // of WGS84
};

// The file name of a path, without its folder ('/' or '\' separated).
std::string fileNameOf(std::string_view path);

// The table a panel's points are printed in, by its kind and angle format;
// kinds without a table print none.
enum class ReportTable { None, Grid, Decimal, Dms };
ReportTable reportTable(const ReportPanel& panel);

// One row of a table: the record's number (from 1), its Id and its slots by
// meaning (see SplitRecord), as texts or as numbers read from a file.
void appendReportRow(std::string& out, ReportTable table, std::size_t number, std::string_view id,
                     const std::array<Field, kMaxSlots>& slots, NumberFormat format);

// Hands a table's rows to the sink, each ended with CR LF.
using ReportRows = std::function<void(OutputSink& sink)>;

// The fixed-width conversion report: banner, general data, datum data when
// the two datums differ, and the tables of input and converted points, whose
// rows come from `inputRows` and `outputRows`. A shift-parameter text that is
// not a number is a data error.
void writeReport(const ReportData& data, NumberFormat format, OutputSink& sink, const ReportRows& inputRows,
                 const ReportRows& outputRows);

}  // namespace brelosta
