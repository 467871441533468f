#pragma once

#include <array>
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

// The row of a record that was not converted (a run that goes on past
// failed records): its number and station as every row has them, then
// "no convertido" where the first coordinate starts.
void appendFailedRow(std::string& out, ReportTable table, std::size_t number, std::string_view id);

// The fixed-width conversion report around its two tables of points, whose
// rows (appendReportRow, each ended with CR LF) the writer streams between
// the parts: the head (banner, general data, datum data when the two datums
// differ, the input table's heading), the part between the input rows and
// the output rows, and the end. A table that is not printed has no heading
// and takes no rows. A shift-parameter text that is not a number is a data
// error.
void writeReportHead(const ReportData& data, NumberFormat format, OutputSink& sink);
void writeReportMiddle(const ReportData& data, OutputSink& sink);
void writeReportEnd(OutputSink& sink);

}  // namespace brelosta
