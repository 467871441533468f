#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "formats/output_sink.hpp"
#include "formats/record_layout.hpp"
#include "geodesy/positions.hpp"

namespace brelosta {

// The target system of a record, as the exchange formats name it.
struct TargetSystem {
  std::string description;  // "UTM huso 19 Norte, PSAD 56 - La Canoa (2)"
  std::optional<int> epsg;  // the EPSG code, where the system has one
};

// One record as the exchange formats write it.
struct OutputPoint {
  std::size_t number = 0;  // from 1: the record's line in the input file
  std::string_view id;     // empty when the target layout has no Id
  // The target's values in slot order (see SplitRecord): the texts the
  // target panel shows, their decimal mark a point; for a record the run
  // passed over, its input fields as read.
  const std::array<Field, kMaxSlots>* values = nullptr;
  // Whether the record was converted: a record passed over has no point.
  bool converted = false;
  // The converted point on WGS84, for a writer that places points there.
  std::optional<GeodeticPosition> wgs84;
  const TargetSystem* system = nullptr;
};

// A writer of one exchange format: its head, one call a record, its end,
// streamed into the sink so that memory stays flat whatever the file's size.
// Numbers are always written with a decimal point.
class PointWriter {
 public:
  virtual ~PointWriter() = default;
  virtual void head(OutputSink& sink) = 0;
  virtual void point(OutputSink& sink, const OutputPoint& point) = 0;
  virtual void end(OutputSink& sink) = 0;
  // Whether the points go on WGS84 (a datum leg more for each record).
  virtual bool placesOnWgs84() const { return false; }
};

// What a writer names a record by: its Id, or its number when it has none.
inline std::string pointName(const OutputPoint& point) {
  return point.id.empty() ? std::to_string(point.number) : std::string(point.id);
}

}  // namespace brelosta
