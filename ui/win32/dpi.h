#pragma once
// Twips and points become pixels at the window's DPI: 15 twips per pixel at 96 DPI.
#include "ui/win32/win32.h"

#include "ui/layout.h"

inline constexpr UINT kDefaultDpi = 96;

// GetDpiForWindow where the system has it (looked up at run time, since older Windows
// and Wine lack it), otherwise the screen's LOGPIXELSX.
UINT WindowDpi(HWND window);

// Integer division, like the preview's software surface.
constexpr int TwipsToPixels(int twips, UINT dpi) {
  return twips * static_cast<int>(dpi) / 1440;
}
RECT TwipsToPixels(const TwipsRect& rect, UINT dpi);
SIZE TwipsToPixels(const TwipsSize& size, UINT dpi);

// The LOGFONT height (negative: character height) of a font of this point size.
int PointsToFontHeight(int points, UINT dpi);

// The outer size of a window whose client area has this size, at this DPI.
SIZE WindowSizeForClient(SIZE client, DWORD style, DWORD exStyle, bool hasMenu, UINT dpi);

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
