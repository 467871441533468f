#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "app/conversion_setup.hpp"
#include "app/point_entry.hpp"

namespace brelosta {

// The first line of the message for a file record without a coordinate.
inline constexpr std::string_view kEmptyRecordText = "Registro vacío";

// The texts a conversion shows: the target panel's entry boxes in slot order
// for the target's record family (see SplitRecord), and the geoid height box.
struct TargetTexts {
  std::array<std::string, kMaxSlots> entries;
  std::string geoidHeight;
};

// The entry boxes of a panel in slot order for its record family.
std::array<Control*, kMaxSlots> pointEntryBoxes(const SystemPanel& panel, RecordFamily family);

// One convert command: its set-up, read from the window once, and what
// carries from one point to the next: the texts the target panel shows
// (written by every point, so a point that fails half-way leaves what it
// wrote over the point before), the geoid height box ("ND" once any point
// fell outside the grid), and the target's UTM zone. Point mode and file
// mode convert through the same function, so a typed point and a file
// record give the same texts.
class ConversionRun {
 public:
  ConversionRun(App& app, ConversionDirection direction);

  // Converts one point: the checks, refusals and results of a typed point,
  // in the same order. Writes "0" into the entries the panel would fill.
  // A typed point's refusal is shown and ends the command (CommandEnded),
  // as does an empty box, silently; a run-time failure throws DataError.
  // A file record's own failure (an entry that is not a number, out of
  // range or empty, a zone too far) throws it as a PointFailure, which the
  // file run shows or lists; a file record with an empty coordinate is
  // refused as "Registro vacío". The messages' second lines name the box
  // and the text typed, or the file record, its field and the text as
  // read. A failure of the arithmetic says where the run stopped, or, in a
  // run that goes on past failed records, is the record's own.
  void convert(PointEntry& entry);

  // Reads every parameter of the window the conversion takes (both panels'
  // projection parameters, the kinds, the datum shift) before the first
  // point, so that their refusals and failures stop the run at once; then
  // every failure of a point is the point's own. A run that goes on past
  // failed records calls it first.
  void readParameters();
  // The point on the source datum (degrees, and metres of height), with the
  // checks and refusals of convert() up to the source kind's inverse
  // projection: what the map and the exports of positions start from.
  GeodeticPosition sourcePosition(PointEntry& entry);

  // Where an entry of the point is, and the text it holds: the box
  // ("Latitud, panel izquierdo: \"95\"") or the record and field.
  std::string place(const PointEntry& entry, std::size_t slot) const;

  // Shows the run in the window: `entry` in the source panel's entry boxes
  // (nothing when no point was reached), then the target texts, the geoid
  // height and the target's UTM zone.
  void show(const PointEntry* entry);

  const TargetTexts& shown() const { return shown_; }
  // The last point converted, on the source datum as the datum stage took
  // it and on the target datum as it gave it.
  const GeodeticPosition& sourcePoint() const { return sourcePoint_; }
  const GeodeticPosition& convertedPoint() const { return convertedPoint_; }
  ConversionSetup& setup() { return setup_; }

  // The file record being converted (from 1; also its line in the file), or
  // 0 for a typed point: where a message can say which point it is about.
  std::size_t recordNumber = 0;
  // How messages name the records' source (see fileSource).
  std::string recordSource;
  // Whether the run goes on past a record that fails.
  bool goesOn = false;

 private:
  void convertPoint(PointEntry& entry);
  // The failure of the point: thrown for a file record, shown for a typed
  // point.
  [[noreturn]] void fail(MessageIcon icon, std::string_view text, std::string detail);
  GeodeticPosition readSource(PointEntry& entry);
  // Runs a step of a point, saying where a failure was as convert() does.
  template <class Step>
  void placingFailures(PointEntry& entry, Step&& step);

  ConversionSetup setup_;
  TargetTexts shown_;
  GeodeticPosition sourcePoint_;
  GeodeticPosition convertedPoint_;
};

}  // namespace brelosta
