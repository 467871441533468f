#pragma once

#include <QIcon>

namespace brelosta {

// A globe with its graticule: the windows' icon and the about window's
// picture. The program's artwork, from packaging/icons/brelosta.svg, as
// the desktop entry and the Windows program show it.
QIcon globeIcon();

// The convert buttons' arrows: rightwards (left panel to right panel) or
// leftwards, drawn rather than loaded so that they stay sharp at any screen
// scaling.
QIcon arrowIcon(bool rightwards);

}  // namespace brelosta
