#include "app/exchange_output.hpp"

#include <algorithm>

#include "app/message_places.hpp"
#include "app/messages.hpp"
#include "app/reaction_errors.hpp"
#include "core/path_text.hpp"
#include "formats/csv_file.hpp"
#include "formats/geojson_file.hpp"
#include "formats/kml_file.hpp"

namespace brelosta {
namespace {

constexpr std::string_view kDxfNeedsGrid = "El formato DXF necesita coordenadas proyectadas";

std::unique_ptr<PointWriter> newWriter(OutputFormat format, const RecordPlan& plan, RecordFamily family,
                                       const std::filesystem::path& target, DxfWriter::Overwrite overwrite) {
  switch (format) {
    case OutputFormat::Csv:
    case OutputFormat::CsvExcel:
      return std::make_unique<CsvWriter>(plan, family, format == OutputFormat::CsvExcel);
    case OutputFormat::Kml:
    case OutputFormat::KmlHeights:
      return std::make_unique<KmlWriter>(plan, family, utf8FromPath(target.filename()),
                                         format == OutputFormat::KmlHeights);
    case OutputFormat::GeoJson:
      return std::make_unique<GeoJsonWriter>(plan, family);
    case OutputFormat::Dxf:
      return std::make_unique<DxfWriter>(plan, std::move(overwrite));
    case OutputFormat::Text:
      break;
  }
  return nullptr;
}

bool isCsv(OutputFormat format) { return format == OutputFormat::Csv || format == OutputFormat::CsvExcel; }

// The .prj beside a CSV file; nothing when the target is itself named so.
std::optional<std::filesystem::path> projectionFile(const std::filesystem::path& target) {
  std::filesystem::path prj = target;
  prj.replace_extension(".prj");
  if (prj == target) return std::nullopt;
  return prj;
}

}  // namespace

ExchangeOutput::ExchangeOutput(App& app, ConversionRun& run, OutputFormat format,
                               const std::filesystem::path& target, OutputSink& sink,
                               DxfWriter::Overwrite overwrite)
    : app_(app),
      run_(run),
      format_(format),
      target_(target),
      sink_(sink),
      wgs84_(wgs84Stage(app.state, run.setup().source.DATUM.text, run.setup().sourceEllipsoid)) {
  const ConversionSetup& setup = run.setup();
  const std::string panel(sideName(setup.target.side));
  if (format == OutputFormat::Dxf && setup.targetFamily != RecordFamily::Grid)
    refuse(app, kDxfNeedsGrid,
           "El " + panel + " está en " + quotedText(setup.target.Coord.text) +
               ": elija UTM, Transverse Mercator, Mercator, Conica de Lambert o Loma Quintana (Ven)");
  const auto plan = recordPlan(setup.target.Formato.text, setup.targetFamily);
  if (!plan)
    throw DataError{"El formato " + quotedText(setup.target.Formato.text) + " no corresponde al sistema " +
                    quotedText(setup.target.Coord.text) + " del " + panel};
  plan_ = *plan;
  withId_ = std::find(plan_.fieldSlots.begin(), plan_.fieldSlots.end(), kIdField) != plan_.fieldSlots.end();
  targetOnWgs84_ = setup.target.onReferenceDatum();
  writer_ = newWriter(format, plan_, setup.targetFamily, target, std::move(overwrite));
  writer_->head(sink_);
}

void ExchangeOutput::skipped(std::size_t number, std::string_view id, const std::array<Field, kMaxSlots>& slots) {
  write(number, id, slots, false, std::nullopt);
}

void ExchangeOutput::converted(std::size_t number, std::string_view id, const TargetTexts& texts) {
  const char mark = run_.setup().format.decimalMark;
  for (int k = 0; k < slotCount(run_.setup().targetFamily); ++k) {
    const auto slot = static_cast<std::size_t>(k);
    std::string& text = texts_[slot];
    text = texts.entries[slot];
    std::replace(text.begin(), text.end(), mark, '.');
    values_[slot] = Field{Field::Type::Text, text, 0.0};
  }
  std::optional<GeodeticPosition> wgs84;
  // A point converted to WGS84 is there already; another goes by the
  // forward leg from its source.
  if (writer_->placesOnWgs84())
    wgs84 = targetOnWgs84_ ? run_.convertedPoint() : wgs84_.shift(app_.state, run_.sourcePoint());
  write(number, id, values_, true, wgs84);
}

void ExchangeOutput::write(std::size_t number, std::string_view id, const std::array<Field, kMaxSlots>& values,
                           bool converted,
                           std::optional<GeodeticPosition> wgs84) {
  OutputPoint point;
  point.number = number;
  if (withId_) point.id = id;
  point.values = &values;
  point.converted = converted;
  point.wgs84 = wgs84;
  point.system = converted ? &currentSystem() : &system_;
  if (converted) noteProjection();
  writer_->point(sink_, point);
}

// The target's system for the record just converted: a UTM target's zone
// may change from point to point.
const TargetSystem& ExchangeOutput::currentSystem() {
  ConversionSetup& setup = run_.setup();
  const std::string& datum = setup.target.DATUM.text;
  if (setup.targetKind == CoordinateSystemKind::Utm) {
    const UtmTargetZone& zone = *setup.targetZoneIfRead();
    if (zone.zone() == systemZone_) return system_;
    systemZone_ = zone.zone();
    const int number = static_cast<int>(zone.zone());
    epsg_ = epsgSystem(datum, UtmZoneId{number, zone.south()});
    system_.description =
        "UTM huso " + std::to_string(number) + (zone.south() ? " Sur, " : " Norte, ") + datum;
  } else if (systemZone_ < 0.0) {
    systemZone_ = 0.0;
    if (setup.targetKind == CoordinateSystemKind::Geographic) epsg_ = epsgSystem(datum, std::nullopt);
    system_.description = setup.target.Coord.text + ", " + datum;
  }
  system_.epsg = epsg_ ? std::optional<int>(epsg_->code) : std::nullopt;
  return system_;
}

void ExchangeOutput::noteProjection() {
  const auto code = [](const std::optional<EpsgSystem>& s) { return s ? s->code : 0; };
  if (!anyConverted_) {
    projection_ = epsg_;
    anyConverted_ = true;
  } else if (code(epsg_) != code(projection_)) {
    oneProjection_ = false;
  }
}

void ExchangeOutput::end() {
  writer_->end(sink_);
  if (!isCsv(format_)) return;
  const auto prj = projectionFile(target_);
  if (!prj || !oneProjection_ || !projection_) return;
  projectionWriter_.emplace(*prj);
  projectionWriter_->write(projection_->wkt);
  projectionWriter_->write("\r\n");
  if (!projectionWriter_->ok())
    throw DataError{cannotWriteProblem(utf8FromPath(*prj))};
}

void ExchangeOutput::placeProjectionFile() {
  if (!isCsv(format_)) return;
  if (projectionWriter_) {
    if (!projectionWriter_->commit())
      throw DataError{cannotWriteProblem(utf8FromPath(*projectionFile(target_)))};
    return;
  }
  if (const auto prj = projectionFile(target_)) {
    std::error_code error;
    std::filesystem::remove(*prj, error);
  }
}

}  // namespace brelosta
