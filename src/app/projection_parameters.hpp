#pragma once

#include "app/app.hpp"
#include "app/system_panel.hpp"
#include "geodesy/lambert.hpp"
#include "geodesy/local_grid.hpp"
#include "geodesy/mercator.hpp"
#include "geodesy/transverse_mercator.hpp"

namespace brelosta {

// Reading a panel's projection parameters for a conversion. Each reader
// first normalises the parameter boxes in a fixed order: a box whose lenient
// value is 0 counts as missing and either gets a default written into it or
// ends the command with a message naming what to enter. Then it reads the
// numbers (strict reads where they enter the formulas; a few offsets are read
// leniently, as the panel always has).

enum class PanelRole { Source, Target };

TransverseMercatorParameters transverseMercatorParameters(App& app, const SystemPanel& panel, PanelRole role);
MercatorParameters mercatorParameters(App& app, const SystemPanel& panel, PanelRole role);
LambertParameters lambertParameters(App& app, const SystemPanel& panel, PanelRole role);

// The UTM parameters of a source panel: a zone box whose lenient value is 0
// (empty, zero, not a number) asks for the zone; any other text must be a
// whole number from 1 to 60. A southern hemisphere caption moves the false
// northing.
TransverseMercatorParameters utmSourceParameters(App& app, const SystemPanel& panel);

// The longitude's own zone and the typed target zone, two or more apart; the
// conversion refuses the point with kZonesTooFarApart.
struct ZonesTooFarApart {
  double automatic;
  double typed;
};
inline constexpr std::string_view kZonesTooFarApart = "La diferencia entre husos es mayor a 1";

// The UTM zone of a target panel through one command, read when the first
// point reaches it. With "Automático" checked every point takes the
// automatic zone of its longitude. Otherwise the zone box's lenient value is
// used when it is the automatic zone or one of its two neighbours, and any
// other zone ends the command; an empty box (0) takes the first point's
// automatic zone, which the rest of the run then keeps. The zone box shows
// the automatic zone whenever it is the one used, and in point mode using it
// also checks "Automático".
class UtmTargetZone {
 public:
  UtmTargetZone(const SystemPanel& panel, NumberFormat format);

  // The parameters for a converted longitude (degrees); throws
  // ZonesTooFarApart for a typed zone too far from the longitude's.
  TransverseMercatorParameters parameters(double longitude, bool pointMode);
  // What the zone box shows now.
  const std::string& text() const { return text_; }
  // The zone the last point was projected in; 0 before the first.
  double zone() const { return used_; }
  // Whether the hemisphere caption says south: the northings then start at
  // the southern false northing.
  bool south() const { return south_; }

 private:
  Control& automaticBox_;
  NumberFormat format_;
  bool automatic_;
  double typed_;  // the zone box's lenient value; 0 when empty
  std::string text_;
  bool south_;
  double used_ = 0.0;
};

TransverseMercatorParameters lomaQuintanaParameters(PanelRole role);

}  // namespace brelosta
