#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "app/datum_stage.hpp"
#include "app/output_format.hpp"
#include "app/point_conversion.hpp"
#include "core/text_file.hpp"
#include "formats/dxf_file.hpp"
#include "formats/epsg_systems.hpp"
#include "formats/point_output.hpp"

namespace brelosta {

// A file run's output in an exchange format: the format's writer fed record
// by record. Each converted record goes with the target panel's texts (their
// decimal mark a point), its point taken to WGS84 and its target system; a
// record the screening passed over goes with its input fields and no point.
// CSV with a header gets a .prj file beside it when every converted record
// lies in one system with an EPSG code; otherwise a .prj of that name left
// by an earlier run is removed, so that no reader takes the points for what
// they are not.
class ExchangeOutput {
 public:
  // Refuses a DXF of a geographic target, and a target layout of the other
  // family (a configuration or script that set it).
  // `overwrite` writes bytes over some the sink handed on (see DxfWriter).
  ExchangeOutput(App& app, ConversionRun& run, OutputFormat format, const std::filesystem::path& target,
                 OutputSink& sink, DxfWriter::Overwrite overwrite);

  // `number` is the record's number (its line in the file).
  void skipped(std::size_t number, std::string_view id, const std::array<Field, kMaxSlots>& slots);
  void converted(std::size_t number, std::string_view id, const TargetTexts& texts);
  // Writes the format's end.
  void end();
  // Puts the .prj in place (or removes an old one), once the output file is;
  // a .prj that cannot be written is a data error.
  void placeProjectionFile();

 private:
  void write(std::size_t number, std::string_view id, const std::array<Field, kMaxSlots>& values, bool converted,
             std::optional<GeodeticPosition> wgs84);
  const TargetSystem& currentSystem();
  // Notes the system of the record just converted (epsg_): a .prj is
  // written only when every record is in the same one.
  void noteProjection();

  App& app_;
  ConversionRun& run_;
  OutputFormat format_;
  std::filesystem::path target_;
  OutputSink& sink_;
  RecordPlan plan_;
  bool withId_ = false;         // the target layout has an Id
  bool targetOnWgs84_ = false;  // the converted points are on WGS84
  DatumStage wgs84_;            // from the source datum, for points to place on WGS84
  std::unique_ptr<PointWriter> writer_;
  std::array<std::string, kMaxSlots> texts_;  // the converted record's texts with a decimal point
  std::array<Field, kMaxSlots> values_{};     // texts_ as fields
  TargetSystem system_;
  std::optional<EpsgSystem> epsg_;
  double systemZone_ = -1.0;              // the UTM zone system_ describes
  std::optional<EpsgSystem> projection_;  // the system of the first converted record
  bool anyConverted_ = false;
  bool oneProjection_ = true;  // every converted record in the first one's system
  std::optional<AtomicFileWriter> projectionWriter_;
};

}  // namespace brelosta
