#pragma once

#include <string>
#include <vector>

#include "app/app.hpp"
#include "app/map_point.hpp"
#include "app/system_panel.hpp"

namespace brelosta {

// What reading the map's points found. A record (or a panel's point) that
// the conversion would refuse or fail on gives no point: it is counted, and
// the first one's message kept, but no message box is shown for it.
struct MapReading {
  std::vector<MapPoint> points;
  std::string source;           // where the points come from, for the window
  std::size_t unplaced = 0;     // records or panels that gave no position
  std::string firstProblem;     // the message of the first of them, on one line
  std::string failure;          // why nothing could be read (no file, ...)
  bool cancelled = false;
};

// The panel whose file the map shows in file mode: the left one, unless
// only the right one names a file.
Side mapSourceSide(const MainWindowState& state);

// File mode: every record of the source panel's file, read with its layout,
// converted to geographic coordinates on its datum as a file run converts
// it, and taken to WGS84 with the window's method and parameters. Records a
// run passes over (the screening) are passed over. Stops early when the
// user cancels.
MapReading readFilePoints(App& app);

// Point mode: the point each panel's boxes hold (the last converted point
// and its result), each taken to WGS84 from its own panel's datum; a panel
// with an empty latitude or longitude box has none.
MapReading readPanelPoints(App& app);

}  // namespace brelosta
