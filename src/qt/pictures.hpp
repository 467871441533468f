#pragma once

#include <QIcon>

namespace brelosta {

// The program's pictures, drawn rather than loaded so that they stay sharp
// at any screen scaling.

// A globe with its graticule: the windows' icon and the about window's
// picture.
QIcon globeIcon();

// The convert buttons' arrows: rightwards (left panel to right panel) or
// leftwards.
QIcon arrowIcon(bool rightwards);

}  // namespace brelosta
