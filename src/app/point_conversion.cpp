#include "app/point_conversion.hpp"

#include "app/message_places.hpp"
#include "app/messages.hpp"
#include "app/reaction_errors.hpp"
#include "core/picture_format.hpp"
#include "formats/angle_text.hpp"
#include "formats/field_text.hpp"
#include "geodesy/checked_arithmetic.hpp"
#include "geodesy/geoid.hpp"
#include "geodesy/lambert.hpp"
#include "geodesy/mercator.hpp"
#include "geodesy/transverse_mercator.hpp"

namespace brelosta {
namespace {

// Why a file record in a run that goes on past failures did not convert
// when its arithmetic failed (a point far outside a projection's domain).
constexpr std::string_view kNotComputed = ": el punto no se pudo calcular";

constexpr Picture kHeightPicture = parsePicture("##0.0000");
constexpr Picture kGridHeightPicture = parsePicture("####0.0000");
constexpr Picture kLocalGridHeightPicture = parsePicture("####0.000");
constexpr Picture kGridPicture = parsePicture("######0.0000");
constexpr Picture kLocalGridPicture = parsePicture("######0.000");
constexpr Picture kGeoidPicture = parsePicture("##00.00");

// The projection for `parameters` on `ellipsoid`, made once and again only
// when the parameters change. Called inside a point's checked arithmetic:
// the constants are checked with the point's first use of them.
template <class Projection, class Parameters>
const Projection& projectionFor(std::optional<Projection>& made, const EllipsoidShape& ellipsoid,
                                const Parameters& parameters) {
  if (!made || made->parameters() != parameters) made.emplace(ellipsoid, parameters);
  return *made;
}

void writeNumber(std::string& text, double value, Picture picture, NumberFormat format) {
  text.clear();
  appendPicture(text, value, picture, format);
}

// The source point on the source ellipsoid: geographic entry, or the
// inverse of the source kind's projection.
LatLon sourceOnEllipsoid(ConversionSetup& setup, PointEntry& entry) {
  const NumberFormat format = setup.format;
  const RecordFamily family = setup.sourceFamily;
  const EllipsoidShape& ellipsoid = setup.sourceEllipsoid;
  const auto grid = [&] {
    const double east = strictEntry(entry, secondSlot(family), format);
    return GridPoint{east, strictEntry(entry, kFirstEntrySlot, format)};
  };
  switch (*setup.sourceKind) {
    case CoordinateSystemKind::Geographic:
      return readGeographicEntry(entry, family, format);
    case CoordinateSystemKind::Utm:
    case CoordinateSystemKind::TransverseMercator:
    case CoordinateSystemKind::LomaQuintana: {
      const auto& parameters = setup.sourceProjection().transverseMercator;
      const GridPoint point = grid();
      auto& made = setup.sourceMade.transverseMercator;
      return checkedArithmetic([&] { return projectionFor(made, ellipsoid, parameters).inverse(point); });
    }
    case CoordinateSystemKind::Mercator: {
      const auto& parameters = setup.sourceProjection().mercator;
      const GridPoint point = grid();
      auto& made = setup.sourceMade.mercator;
      return checkedArithmetic([&] { return projectionFor(made, ellipsoid, parameters).inverse(point); });
    }
    case CoordinateSystemKind::LambertConic: {
      const auto& parameters = setup.sourceProjection().lambert;
      const GridPoint point = grid();
      auto& made = setup.sourceMade.lambert;
      return checkedArithmetic([&] { return projectionFor(made, ellipsoid, parameters).inverse(point); });
    }
  }
  throw DataError{};
}

void setHemisphereCaptions(MainWindowState& state, double sourceLatitude) {
  const std::string_view caption = sourceLatitude < 0.0 ? kSouthernHemisphere : kNorthernHemisphere;
  state.Hemisferio_L.text = caption;
  state.Hemisferio_R.text = caption;
}

// The geoid height box: the interpolated undulation inside the grid's window
// (point mode with "Altura Geoidal" on), "ND" outside it in both modes. The
// window is tested on the converted position; the undulation is looked up at
// the position on the WGS84 side.
void showGeoidHeight(const ConversionSetup& setup, std::string& text, LatLon source, LatLon converted) {
  if (!insideGeoidGrid(converted.latitude, converted.longitude)) {
    text = "ND";
    return;
  }
  if (setup.fileMode || !setup.app.state.Geoidal.checked()) return;
  const LatLon onWgs84 = setup.source.onReferenceDatum() ? source : converted;
  const auto undulation = geoidUndulation(onWgs84.latitude, onWgs84.longitude);
  if (undulation)
    writeNumber(text, *undulation, kGeoidPicture, setup.format);
  else
    text = "ND";
}

// The converted position in the target texts, by the target kind: decimal
// degrees or the degree-minute-second split, or grid coordinates with the
// height in the kind's picture.
void showTarget(ConversionSetup& setup, TargetTexts& shown, LatLon position, double height) {
  const NumberFormat format = setup.format;
  const EllipsoidShape& ellipsoid = setup.targetEllipsoid;
  auto& texts = shown.entries;
  const auto showGrid = [&](GridPoint point, Picture picture) {
    writeNumber(texts[0], point.north, picture, format);
    writeNumber(texts[1], point.east, picture, format);
  };
  const auto showHeight = [&](Picture picture) { writeNumber(texts[2], height, picture, format); };
  switch (*setup.targetKind) {
    case CoordinateSystemKind::Geographic:
      if (setup.targetFamily == RecordFamily::GeographicDecimal) {
        writeDecimalAngle(texts[0], position.latitude, format);
        writeDecimalAngle(texts[1], position.longitude, format);
      } else {
        splitAngle(position.latitude, format, texts[0], texts[1], texts[2]);
        splitAngle(position.longitude, format, texts[3], texts[4], texts[5]);
      }
      return;
    case CoordinateSystemKind::Utm: {
      UtmTargetZone& zone = setup.targetZone();
      const auto parameters = zone.parameters(position.longitude, !setup.fileMode);
      auto& made = setup.targetMade.transverseMercator;
      GridPoint point = checkedArithmetic([&] { return projectionFor(made, ellipsoid, parameters).forward(position); });
      if (zone.south()) point.north += kUtmSouthernFalseNorthing;
      showGrid(point, kGridPicture);
      showHeight(kGridHeightPicture);
      return;
    }
    case CoordinateSystemKind::TransverseMercator:
    case CoordinateSystemKind::LomaQuintana: {
      const auto& parameters = setup.targetProjection().transverseMercator;
      auto& made = setup.targetMade.transverseMercator;
      showGrid(checkedArithmetic([&] { return projectionFor(made, ellipsoid, parameters).forward(position); }),
               kLocalGridPicture);
      showHeight(kLocalGridHeightPicture);
      return;
    }
    case CoordinateSystemKind::Mercator: {
      const auto& parameters = setup.targetProjection().mercator;
      auto& made = setup.targetMade.mercator;
      showGrid(checkedArithmetic([&] { return projectionFor(made, ellipsoid, parameters).forward(position); }),
               kLocalGridPicture);
      return;
    }
    case CoordinateSystemKind::LambertConic: {
      const auto& parameters = setup.targetProjection().lambert;
      auto& made = setup.targetMade.lambert;
      showGrid(checkedArithmetic([&] { return projectionFor(made, ellipsoid, parameters).forward(position); }),
               kGridPicture);
      showHeight(kGridHeightPicture);
      return;
    }
  }
}

}  // namespace

std::array<Control*, kMaxSlots> pointEntryBoxes(const SystemPanel& panel, RecordFamily family) {
  if (family == RecordFamily::GeographicDms)
    return {&panel.LAT_D, &panel.LAT_M, &panel.LAT_S, &panel.LON_D, &panel.LON_M, &panel.LON_S, &panel.ALT_M};
  return {&panel.LAT_D, &panel.LON_D, &panel.ALT_M, nullptr, nullptr, nullptr, nullptr};
}

ConversionRun::ConversionRun(App& app, ConversionDirection direction)
    : recordSource(fileSource(systemPanel(app.state, sourceSide(direction)).File.text)),
      setup_(app, direction) {
  const auto boxes = pointEntryBoxes(setup_.target, setup_.targetFamily);
  for (int k = 0; k < slotCount(setup_.targetFamily); ++k)
    shown_.entries[static_cast<std::size_t>(k)] = boxes[static_cast<std::size_t>(k)]->text;
  shown_.geoidHeight = app.state.H_EGM96.text;
}

std::string ConversionRun::place(const PointEntry& entry, std::size_t slot) const {
  const std::string_view text = entry[slot].text;
  if (recordNumber == 0)
    return entryBoxName(setup_.sourceFamily, slot, setup_.source.side) + ": " + quotedText(text);
  const std::string field = fieldPlace(recordSource, recordNumber, setup_.sourceFamily, slot);
  return isEmptyEntry(entry[slot]) ? field + " vacío" : field + ": " + quotedText(text);
}

void ConversionRun::fail(MessageIcon icon, std::string_view text, std::string detail) {
  PointFailure failure{icon, std::string(text), std::move(detail)};
  if (recordNumber != 0) throw failure;
  stopAt(setup_.app, failure);
}

template <class Step>
void ConversionRun::placingFailures(PointEntry& entry, Step&& step) {
  try {
    step();
  } catch (const PointFailure& failure) {
    fail(failure.icon, failure.text, failure.detail);
  } catch (const EntryError& error) {
    // A typed point with an empty box ends silently, as it always has.
    if (error.empty && recordNumber == 0) throw CommandEnded{};
    if (error.empty) fail(MessageIcon::Warning, kEmptyRecordText, place(entry, error.slot));
    fail(MessageIcon::Critical, kDataErrorText, place(entry, error.slot));
  } catch (const ZonesTooFarApart& zones) {
    const std::string point =
        recordNumber == 0 ? "El punto" : recordPlace(recordSource, recordNumber) + ": el punto";
    fail(MessageIcon::Warning, kZonesTooFarApart,
         point + " cae en el huso " + shortestText(zones.automatic, setup_.format) + " y la Zona del " +
             std::string(sideName(setup_.target.side)) + " es " + shortestText(zones.typed, setup_.format));
  } catch (const DataError& error) {
    // A failure of the arithmetic (or of a parameter box read at the first
    // record) says at least where the run stopped.
    if (!error.detail.empty() || recordNumber == 0) throw;
    if (goesOn)
      fail(MessageIcon::Critical, kDataErrorText,
           recordPlace(recordSource, recordNumber) + std::string(kNotComputed));
    throw DataError{stoppedAt(recordSource, recordNumber)};
  }
}

void ConversionRun::readParameters() {
  if (!setup_.sourceKind || !setup_.targetKind) throw DataError{};
  setup_.sourceProjection();
  setup_.targetProjection();
  setup_.datum.readParameters(setup_.app.state);
}

void ConversionRun::convert(PointEntry& entry) {
  placingFailures(entry, [&] { convertPoint(entry); });
}

GeodeticPosition ConversionRun::sourcePosition(PointEntry& entry) {
  GeodeticPosition position;
  placingFailures(entry, [&] { position = readSource(entry); });
  return position;
}

GeodeticPosition ConversionRun::readSource(PointEntry& entry) {
  ConversionSetup& setup = setup_;
  if (!setup.sourceKind) throw DataError{};
  const double sourceHeight = takeSourceHeight(entry, setup.sourceFamily, setup.format);
  checkSourceRange(setup.format, entry, setup.sourceFamily, *setup.sourceKind,
                   [&](std::size_t slot) { return place(entry, slot); });
  const LatLon position = sourceOnEllipsoid(setup, entry);
  return {position.latitude, position.longitude, sourceHeight};
}

void ConversionRun::convertPoint(PointEntry& entry) {
  ConversionSetup& setup = setup_;
  if (!setup.sourceKind || !setup.targetKind) throw DataError{};
  const NumberFormat format = setup.format;

  sourcePoint_ = readSource(entry);
  const LatLon position{sourcePoint_.latitude, sourcePoint_.longitude};
  if (!setup.fileMode) setHemisphereCaptions(setup.app.state, position.latitude);

  convertedPoint_ = setup.datum.shift(setup.app.state, sourcePoint_);
  const GeodeticPosition& shifted = convertedPoint_;
  const LatLon converted{shifted.latitude, shifted.longitude};

  showGeoidHeight(setup, shown_.geoidHeight, position, converted);
  writeNumber(shown_.entries[heightEntrySlot(setup.targetFamily)], shifted.height, kHeightPicture, format);
  showTarget(setup, shown_, converted, shifted.height);
}

void ConversionRun::show(const PointEntry* entry) {
  if (entry != nullptr) {
    const auto boxes = pointEntryBoxes(setup_.source, setup_.sourceFamily);
    for (int k = 0; k < slotCount(setup_.sourceFamily); ++k) {
      const Field& field = (*entry)[static_cast<std::size_t>(k)];
      std::string& text = boxes[static_cast<std::size_t>(k)]->text;
      // A typed point's entries are the boxes' own texts.
      if (!field.isNumber() && field.text.data() == text.data()) continue;
      std::string shownText;
      appendFieldText(shownText, field, setup_.format);
      text = std::move(shownText);
    }
  }
  const auto boxes = pointEntryBoxes(setup_.target, setup_.targetFamily);
  for (int k = 0; k < slotCount(setup_.targetFamily); ++k)
    boxes[static_cast<std::size_t>(k)]->text = shown_.entries[static_cast<std::size_t>(k)];
  setup_.app.state.H_EGM96.text = shown_.geoidHeight;
  if (const auto& zone = setup_.targetZoneIfRead()) setup_.target.utmZone().text = zone->text();
}

}  // namespace brelosta
