#pragma once
// The two rules every drawing of the preview follows, on the Windows surface and on
// the tests' pixel surface alike, and by which the layout is placed on the screen:
//  - a twips coordinate t lands on pixel floor(t * dpi / 1440), also for negative t,
//    so every pixel covers the same twips wherever it lies (15 at 96 DPI);
//  - colours are 0x00BBGGRR and only their low 24 bits are drawn (the top byte of a
//    GDI colour would select a palette entry, which we never want).
#include <cstdint>

#include "settings/color_slots.h"

// floor(numerator / denominator) for a positive denominator.
std::int64_t FloorDiv(std::int64_t numerator, std::int64_t denominator);

// The pixel a twips coordinate lands on at this DPI.
int TwipsToPixel(int twips, int dpi = 96);

// Pixel area [left, right) x [top, bottom); empty when right <= left or bottom <= top.
struct PixelBox {
  int left;
  int top;
  int right;
  int bottom;
};

// The pixels a twips rectangle with these two opposite corners, in either order,
// fills: from the left/top corner's pixel up to, but not including, the right/bottom
// corner's (as GDI's FillRect does).
PixelBox TwipsRectToPixels(int x1, int y1, int x2, int y2, int dpi = 96);

// The colour a slot value is drawn with.
Color DrawnColor(Color color);
