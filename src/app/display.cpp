#include "app/display.hpp"

#include <cmath>
#include <optional>
#include <string_view>

#include "app/commands.hpp"
#include "app/messages.hpp"
#include "app/point_entry.hpp"
#include "app/point_row.hpp"
#include "app/typed_numbers.hpp"
#include "core/number_reading.hpp"
#include "formats/angle_text.hpp"

namespace brelosta {
namespace {

constexpr double kMinutesPerDegree = 60.0;
constexpr double kSecondsPerDegree = 3600.0;

// One angle of the point row: its three boxes and its name in messages.
struct AngleRow {
  Control& degrees;
  Control& minutes;
  Control& seconds;
  std::string_view name;
};

// An angle read from the boxes: nothing typed, a value in decimal degrees,
// or a box that is not a number in the user's format.
struct AngleReading {
  bool readable = true;
  std::optional<double> degrees;
};

constexpr AngleReading kNoAngle{true, std::nullopt};
constexpr AngleReading kNotANumber{false, std::nullopt};

// The decimal value of an angle typed as degrees, minutes and seconds: the
// magnitude |D| + |M| / 60 + |S| / 3600 with the sign of the degrees text
// ("-0" negative, "0" or empty positive), as the point entry reads it. An
// empty box counts as 0; three empty boxes are no angle at all.
AngleReading readDmsAngle(const AngleRow& row, NumberFormat format) {
  if (row.degrees.text.empty() && row.minutes.text.empty() && row.seconds.text.empty()) return kNoAngle;
  const auto valueOf = [&](const Control& box) -> std::optional<double> {
    if (box.text.empty()) return 0.0;
    return strictValue(box.text, format);
  };
  const auto D = valueOf(row.degrees);
  const auto M = valueOf(row.minutes);
  const auto S = valueOf(row.seconds);
  if (!D || !M || !S) return kNotANumber;
  const double magnitude = std::fabs(*D) + std::fabs(*M) / kMinutesPerDegree + std::fabs(*S) / kSecondsPerDegree;
  if (!std::isfinite(magnitude)) return kNotANumber;  // too large to be an angle
  const double sign = degreesTextSign(row.degrees.text.empty() ? "0" : row.degrees.text, format);
  return {true, sign * magnitude};
}

// The value of an angle typed in decimal degrees in the degree box.
AngleReading readDecimalAngle(const AngleRow& row, NumberFormat format) {
  if (row.degrees.text.empty()) return kNoAngle;
  const auto value = strictValue(row.degrees.text, format);
  if (!value) return kNotANumber;
  return {true, *value};
}

void writeDecimal(const AngleRow& row, const AngleReading& reading, NumberFormat format) {
  if (reading.degrees)
    writeDecimalAngle(row.degrees.text, *reading.degrees, format);
  else
    row.degrees.text.clear();
}

void writeDms(const AngleRow& row, const AngleReading& reading, NumberFormat format) {
  if (reading.degrees) {
    splitAngle(*reading.degrees, format, row.degrees.text, row.minutes.text, row.seconds.text);
    return;
  }
  // An empty decimal box leaves no stale minutes or seconds behind.
  for (Control* box : {&row.degrees, &row.minutes, &row.seconds}) box->text.clear();
}

// A box that is not a number cannot be converted: the row and its texts stay
// as they are, and the list goes back to the format the row shows so that
// the next conversion reads the row the way it is laid out.
void refuseFormatChange(App& app, const SystemPanel& panel, const AngleRow& row, std::string_view shownFormat) {
  showWarning(app, std::string(row.name) + " no es un número válido; corríjala antes de cambiar el formato");
  selectText(app, panel.Units, shownFormat);
}

}  // namespace

void angleFormatSelected(App& app, Side side) {
  MainWindowState& state = app.state;
  if (state.M_Archivo.checked()) return;
  const NumberFormat format = state.numberFormat;
  const SystemPanel panel = systemPanel(state, side);
  const AngleRow latitude{panel.LAT_D, panel.LAT_M, panel.LAT_S, "La Latitud"};
  const AngleRow longitude{panel.LON_D, panel.LON_M, panel.LON_S, "La Longitud"};
  const bool dmsShown = showsDegreesMinutesSeconds(panel);

  const bool toDecimal = panel.Units.text == kDecimalDegreesText && dmsShown;
  const bool toDms = panel.Units.text == kDmsText && !dmsShown;
  if (!toDecimal && !toDms) return;  // the format chosen is the one shown

  const std::string_view shownFormat = toDms ? kDecimalDegreesText : kDmsText;
  for (const Control* box : {&panel.LAT_D, &panel.LAT_M, &panel.LAT_S, &panel.LON_D, &panel.LON_M, &panel.LON_S}) {
    if (box->visible && refuseAmbiguousNumber(app, *box)) {
      selectText(app, panel.Units, shownFormat);
      return;
    }
  }
  const auto read = toDms ? readDecimalAngle : readDmsAngle;
  const AngleReading lat = read(latitude, format);
  const AngleReading lon = read(longitude, format);
  if (!lat.readable) return refuseFormatChange(app, panel, latitude, shownFormat);
  if (!lon.readable) return refuseFormatChange(app, panel, longitude, shownFormat);

  setPointRowLayout(panel, toDms ? PointRowLayout::DegreesMinutesSeconds : PointRowLayout::DecimalDegrees);
  const auto write = toDms ? writeDms : writeDecimal;
  write(latitude, lat, format);
  write(longitude, lon, format);
}

}  // namespace brelosta
