#include "win32/pictures.hpp"

#include <algorithm>
#include <array>

#include "win32/resource_ids.h"

namespace brelosta {
namespace {

// The arrow's outline on a 16 x 10 grid pointing right: a shaft half the
// height, a head over the right three eighths.
constexpr std::array<POINT, 7> kArrow = {{{0, 3}, {10, 3}, {10, 0}, {16, 5}, {10, 10}, {10, 7}, {0, 7}}};
constexpr int kGridWidth = 16;
constexpr int kGridHeight = 10;
constexpr COLORREF kArrowColour = RGB(0x1f, 0x4e, 0x9c);

}  // namespace

HICON arrowIcon(bool rightwards, int width, int height) {
  // The arrow keeps its proportions inside the box it is given.
  const int scale = std::max(1, std::min(width / kGridWidth, height / kGridHeight));
  const int arrowWidth = kGridWidth * scale;
  const int arrowHeight = kGridHeight * scale;
  std::array<POINT, kArrow.size()> outline{};
  for (std::size_t k = 0; k < kArrow.size(); ++k) {
    const LONG x = kArrow[k].x * scale;
    outline[k] = {rightwards ? x : arrowWidth - x, kArrow[k].y * scale};
  }

  HDC screen = GetDC(nullptr);
  HDC drawing = CreateCompatibleDC(screen);
  HBITMAP colour = CreateCompatibleBitmap(screen, arrowWidth, arrowHeight);
  HBITMAP mask = CreateBitmap(arrowWidth, arrowHeight, 1, 1, nullptr);
  const RECT all{0, 0, arrowWidth, arrowHeight};

  // The mask is white (transparent) outside the arrow, black inside it;
  // the colour bitmap black outside, the arrow's colour inside.
  HGDIOBJ previous = SelectObject(drawing, mask);
  FillRect(drawing, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SelectObject(drawing, GetStockObject(BLACK_BRUSH));
  SelectObject(drawing, GetStockObject(NULL_PEN));
  Polygon(drawing, outline.data(), static_cast<int>(outline.size()));
  SelectObject(drawing, colour);
  FillRect(drawing, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  HBRUSH brush = CreateSolidBrush(kArrowColour);
  SelectObject(drawing, brush);
  Polygon(drawing, outline.data(), static_cast<int>(outline.size()));
  SelectObject(drawing, previous);

  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmMask = mask;
  info.hbmColor = colour;
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(brush);
  DeleteObject(mask);
  DeleteObject(colour);
  DeleteDC(drawing);
  ReleaseDC(nullptr, screen);
  return icon;
}

HICON programIcon(int side) {
  return static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_BRELOSTA), IMAGE_ICON, side, side, 0));
}

}  // namespace brelosta
