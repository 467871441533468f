#pragma once

#include <windows.h>

namespace brelosta {

// The convert buttons' arrows, drawn at the size of the button they go on:
// rightwards (left panel to right panel) or leftwards. The caller destroys
// the icon.
HICON arrowIcon(bool rightwards, int width, int height);

// The program's icon from the resources at a size in pixels; the caller
// destroys it.
HICON programIcon(int side);

}  // namespace brelosta
