#pragma once

#include "app/main_window_state.hpp"
#include "geodesy/coordinate_system.hpp"

namespace brelosta {

enum class Side { Left, Right };

inline Side otherSide(Side side) { return side == Side::Left ? Side::Right : Side::Left; }

// The controls of one side of the main window: its system settings, datum,
// point row and file row. The left panel's controls end in _L, the right
// panel's in _R; the few labels and array elements that do not follow that
// rule are mapped here once.
struct SystemPanel {
  Side side;
  Control& Coord;
  Control& Units;
  Control& Proj;
  Control& Zone;
  Control& Hemisferio;
  Control& Fijar;
  Control& Automatico;
  Control& Lon_origen;
  Control& Lat_origen;
  Control& Para_2;
  Control& Feste;
  Control& Fnorte;
  Control& secondParallelLabel;   // Label18 / Label22
  Control& originLongitudeLabel;  // Label19 / Label23
  Control& falseEastingLabel;     // Label20 / Label24
  Control& falseNorthingLabel;    // Label21 / Label25
  Control& separatorLine;         // Line2 / Line3
  Control& systemFrame;           // Frame1 / Frame3
  Control& DATUM;
  Control& localGridBox;  // LQ_R under DATUM_L, LQ_L under DATUM_R
  Control& Title_Lat;
  Control& Title_Lon;
  Control& LAT_D;
  Control& LAT_M;
  Control& LAT_S;
  Control& LON_D;
  Control& LON_M;
  Control& LON_S;
  Control& ALT_M;
  Control& latitudeDegreesSign;  // Degrees(0) / Degrees(2)
  Control& longitudeDegreesSign;
  Control& latitudeMinutesSign;  // Minutes(0) / Minutes(2)
  Control& longitudeMinutesSign;
  Control& latitudeSecondsSign;  // Seconds(0) / Seconds(2)
  Control& longitudeSecondsSign;
  Control& heightLabel;      // Label3 / Label7
  Control& heightUnitLabel;  // Label4 / Label8
  Control& File;
  Control& Browse;
  Control& Formato;
  Control& Dialogo;

  // The Zone box holds a different parameter for each kind.
  Control& utmZone() const { return Zone; }
  Control& scaleFactor() const { return Zone; }        // Transverse Mercator
  Control& trueScaleLatitude() const { return Zone; }  // Mercator, degrees
  Control& firstParallel() const { return Zone; }      // Lambert, degrees

  std::optional<CoordinateSystemKind> kind() const { return kindFromText(Coord.text); }
  AngleFormat angleFormat() const { return angleFormatFromText(Units.text); }
  bool onReferenceDatum() const { return DATUM.text == kReferenceDatum; }
};

SystemPanel systemPanel(MainWindowState& state, Side side);

// Source and target panels of a convert command.
inline Side sourceSide(ConversionDirection direction) {
  return direction == ConversionDirection::LeftToRight ? Side::Left : Side::Right;
}

}  // namespace brelosta
