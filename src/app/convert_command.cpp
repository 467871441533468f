#include "app/convert_command.hpp"

#include <exception>

#include "app/field_reading.hpp"
#include "app/file_run.hpp"
#include "app/messages.hpp"
#include "app/point_entry.hpp"
#include "app/projection_parameters.hpp"
#include "core/picture_format.hpp"
#include "formats/angle_text.hpp"
#include "geodesy/checked_arithmetic.hpp"
#include "geodesy/geoid.hpp"

namespace brelosta {
namespace {

constexpr std::string_view kPleaseWait = "Por favor, espere";
constexpr std::string_view kConversionDone = "Conversión completa";

constexpr Picture kHeightPicture = parsePicture("##0.0000");
constexpr Picture kGridHeightPicture = parsePicture("####0.0000");
constexpr Picture kLocalGridHeightPicture = parsePicture("####0.000");
constexpr Picture kGridPicture = parsePicture("######0.0000");
constexpr Picture kLocalGridPicture = parsePicture("######0.000");
constexpr Picture kGeoidPicture = parsePicture("##00.00");

void writeNumber(std::string& text, double value, Picture picture, NumberFormat format) {
  text.clear();
  appendPicture(text, value, picture, format);
}

EllipsoidShape sideEllipsoid(const MainWindowState& state, const SystemPanel& panel) {
  if (panel.onReferenceDatum())
    return EllipsoidShape::fromInverseFlattening(state.Wgs84Ellipsoid.semiMajorAxis,
                                                 state.Wgs84Ellipsoid.inverseFlattening);
  return EllipsoidShape::fromInverseFlattening(strictOf(state.elipsoide_a, state.numberFormat),
                                               strictOf(state.elipsoide_f, state.numberFormat));
}

// The source point on the source ellipsoid: geographic entry, or the
// inverse of the source kind's projection.
LatLon sourcePosition(App& app, const SystemPanel& source, CoordinateSystemKind kind, const ConversionRun& run) {
  const NumberFormat format = app.state.numberFormat;
  const auto grid = [&] { return GridPoint{strictOf(source.LON_D, format), strictOf(source.LAT_D, format)}; };
  switch (kind) {
    case CoordinateSystemKind::Geographic:
      return readGeographicEntry(source, format);
    case CoordinateSystemKind::Utm: {
      const auto parameters = utmSourceParameters(app, source);
      const GridPoint point = grid();
      return checkedArithmetic([&] { return tmInverse(point, run.sourceEllipsoid, parameters); });
    }
    case CoordinateSystemKind::TransverseMercator: {
      const auto parameters = transverseMercatorParameters(app, source, PanelRole::Source);
      const GridPoint point = grid();
      return checkedArithmetic([&] { return tmInverse(point, run.sourceEllipsoid, parameters); });
    }
    case CoordinateSystemKind::LomaQuintana: {
      const auto parameters = lomaQuintanaParameters(PanelRole::Source);
      const GridPoint point = grid();
      return checkedArithmetic([&] { return tmInverse(point, run.sourceEllipsoid, parameters); });
    }
    case CoordinateSystemKind::Mercator: {
      const auto parameters = mercatorParameters(app, source, PanelRole::Source);
      const GridPoint point = grid();
      return checkedArithmetic([&] { return mercatorInverse(point, run.sourceEllipsoid, parameters); });
    }
    case CoordinateSystemKind::LambertConic: {
      const auto parameters = lambertParameters(app, source, PanelRole::Source);
      const GridPoint point = grid();
      return checkedArithmetic([&] { return lambertInverse(point, run.sourceEllipsoid, parameters); });
    }
  }
  throw DataError{};
}

// A converted position in a geographic target panel, by its angle format:
// decimal degrees, or the degree-minute-second split.
void showGeographicResult(const SystemPanel& target, LatLon position, NumberFormat format) {
  if (target.angleFormat() == AngleFormat::DecimalDegrees) {
    writeDecimalAngle(target.LAT_D.text, position.latitude, format);
    writeDecimalAngle(target.LON_D.text, position.longitude, format);
    return;
  }
  splitAngle(position.latitude, format, target.LAT_D.text, target.LAT_M.text, target.LAT_S.text);
  splitAngle(position.longitude, format, target.LON_D.text, target.LON_M.text, target.LON_S.text);
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
void showGeoidHeight(MainWindowState& state, const ConversionRun& run, bool sourceOnReference, LatLon source,
                     LatLon converted) {
  if (!insideGeoidGrid(converted.latitude, converted.longitude)) {
    state.H_EGM96.text = "ND";
    return;
  }
  if (run.fileMode || !state.Geoidal.checked()) return;
  const LatLon onWgs84 = sourceOnReference ? source : converted;
  const auto undulation = geoidUndulation(onWgs84.latitude, onWgs84.longitude);
  if (undulation)
    writeNumber(state.H_EGM96.text, *undulation, kGeoidPicture, state.numberFormat);
  else
    state.H_EGM96.text = "ND";
}

void showGrid(const SystemPanel& target, GridPoint point, Picture picture, NumberFormat format) {
  writeNumber(target.LAT_D.text, point.north, picture, format);
  writeNumber(target.LON_D.text, point.east, picture, format);
}

// The converted position in the target panel, by the target kind.
void showTarget(App& app, const SystemPanel& target, CoordinateSystemKind kind, LatLon position,
                const ConversionRun& run) {
  const NumberFormat format = app.state.numberFormat;
  const EllipsoidShape& ellipsoid = run.targetEllipsoid;
  switch (kind) {
    case CoordinateSystemKind::Geographic:
      showGeographicResult(target, position, format);
      return;
    case CoordinateSystemKind::Utm: {
      const auto parameters = utmTargetParameters(app, target, position.longitude, !run.fileMode);
      GridPoint point = checkedArithmetic([&] { return tmForward(position, ellipsoid, parameters); });
      if (target.Hemisferio.text == kSouthernHemisphere) point.north += kUtmSouthernFalseNorthing;
      showGrid(target, point, kGridPicture, format);
      writeNumber(target.ALT_M.text, run.targetHeight, kGridHeightPicture, format);
      return;
    }
    case CoordinateSystemKind::TransverseMercator: {
      const auto parameters = transverseMercatorParameters(app, target, PanelRole::Target);
      const GridPoint point = checkedArithmetic([&] { return tmForward(position, ellipsoid, parameters); });
      showGrid(target, point, kLocalGridPicture, format);
      writeNumber(target.ALT_M.text, run.targetHeight, kLocalGridHeightPicture, format);
      return;
    }
    case CoordinateSystemKind::LomaQuintana: {
      const auto parameters = lomaQuintanaParameters(PanelRole::Target);
      const GridPoint point = checkedArithmetic([&] { return tmForward(position, ellipsoid, parameters); });
      showGrid(target, point, kLocalGridPicture, format);
      writeNumber(target.ALT_M.text, run.targetHeight, kLocalGridHeightPicture, format);
      return;
    }
    case CoordinateSystemKind::Mercator: {
      const auto parameters = mercatorParameters(app, target, PanelRole::Target);
      const GridPoint point = checkedArithmetic([&] { return mercatorForward(position, ellipsoid, parameters); });
      showGrid(target, point, kLocalGridPicture, format);
      return;
    }
    case CoordinateSystemKind::LambertConic: {
      const auto parameters = lambertParameters(app, target, PanelRole::Target);
      const GridPoint point = checkedArithmetic([&] { return lambertForward(position, ellipsoid, parameters); });
      showGrid(target, point, kGridPicture, format);
      writeNumber(target.ALT_M.text, run.targetHeight, kGridHeightPicture, format);
      return;
    }
  }
}

}  // namespace

void runConversionCommand(App& app, ConversionDirection direction, const std::function<void()>& body) {
  MainWindowState& state = app.state;
  const bool fileMode = state.M_Archivo.checked();
  if (fileMode) {
    state.Progreso.Progreso.visible = true;
    state.Progreso.ProgressBar1.progress = 0.0F;
    state.Progreso.Ok.enabled = false;
    state.Progreso.espere.text = kPleaseWait;
  }
  const bool rightToLeft = direction == ConversionDirection::RightToLeft;
  if (rightToLeft) app.toolkit.setWaitCursor(true);
  try {
    body();
  } catch (const CommandEnded&) {
    // The refusal was shown where it happened; a silent stop shows nothing.
  } catch (const DataError&) {
    showCritical(app, kDataErrorText);
  } catch (const std::exception&) {
    showCritical(app, kDataErrorText);
  }
  if (rightToLeft) app.toolkit.setWaitCursor(false);
  state.Progreso.Ok.enabled = true;
  state.Progreso.espere.text = kConversionDone;
}

ConversionRun startConversionRun(App& app, ConversionDirection direction) {
  MainWindowState& state = app.state;
  const SystemPanel source = systemPanel(state, sourceSide(direction));
  const SystemPanel target = systemPanel(state, otherSide(source.side));
  ConversionRun run;
  run.direction = direction;
  run.fileMode = state.M_Archivo.checked();
  run.targetEllipsoid = sideEllipsoid(state, target);
  run.sourceEllipsoid = sideEllipsoid(state, source);
  run.datum.emplace(source.DATUM.text, target.DATUM.text, run.sourceEllipsoid, run.targetEllipsoid);
  return run;
}

void convertPoint(App& app, ConversionRun& run) {
  MainWindowState& state = app.state;
  const NumberFormat format = state.numberFormat;
  const SystemPanel source = systemPanel(state, sourceSide(run.direction));
  const SystemPanel target = systemPanel(state, otherSide(source.side));
  const auto sourceKind = source.kind();
  const auto targetKind = target.kind();
  if (!sourceKind || !targetKind) throw DataError{};

  run.sourceHeight = takeSourceHeight(source, format);
  checkSourceRange(app, source, *sourceKind);
  const LatLon position = sourcePosition(app, source, *sourceKind, run);
  if (!run.fileMode) setHemisphereCaptions(state, position.latitude);

  const GeodeticPosition shifted =
      run.datum->shift(state, {position.latitude, position.longitude, run.sourceHeight});
  run.targetHeight = shifted.height;
  const LatLon converted{shifted.latitude, shifted.longitude};

  showGeoidHeight(state, run, source.onReferenceDatum(), position, converted);
  writeNumber(target.ALT_M.text, run.targetHeight, kHeightPicture, format);
  showTarget(app, target, *targetKind, converted, run);
}

void convert(App& app, ConversionDirection direction) {
  if (app.state.M_Archivo.checked()) {
    runFileConversion(app, direction);
    return;
  }
  runConversionCommand(app, direction, [&] {
    ConversionRun run = startConversionRun(app, direction);
    convertPoint(app, run);
  });
}

}  // namespace brelosta
