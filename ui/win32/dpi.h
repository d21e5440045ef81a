#pragma once
// Twips and points become pixels at the window's DPI: 15 twips per pixel at 96 DPI.
#include "ui/win32/win32.h"

#include "ui/layout.h"
#include "ui/drawing_rules.h"

inline constexpr UINT kDefaultDpi = 96;

// GetDpiForWindow where the system has it (looked up at run time, since older Windows
// and Wine lack it), otherwise the screen's LOGPIXELSX.
UINT WindowDpi(HWND window);

// The preview's mapping, for every position of the layout.
inline int TwipsToPixels(int twips, UINT dpi) { return TwipsToPixel(twips, static_cast<int>(dpi)); }
RECT TwipsToPixels(const TwipsRect& rect, UINT dpi);
SIZE TwipsToPixels(const TwipsSize& size, UINT dpi);

// The outer size of a window whose client area has this size, at this DPI.
SIZE WindowSizeForClient(SIZE client, DWORD style, DWORD exStyle, bool hasMenu, UINT dpi);

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
