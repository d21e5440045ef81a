#pragma once
// What a window shows on the screen, as pixels, and saved as a BMP file.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ui/theme_strip.h"

class ScreenCapture {
 public:
  // The window's whole rectangle as the screen shows it now.
  explicit ScreenCapture(HWND window);

  // The colour at a point given in the client coordinates of `child` (or of the
  // captured window), as 0x00BBGGRR; -1 outside the capture.
  std::int32_t PixelInClient(HWND child, int x, int y) const;
  bool SaveBmp(const std::wstring& path) const;

 private:
  RECT screen_{};
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> bgr_;  // bottom-up rows, 4-byte aligned
};

// What the centre of each swatch of entry `entry`'s theme strip shows, left to right, as
// the list draws at this DPI; -1 for a swatch off the capture.
ThemeStripColors StripOnScreen(const ScreenCapture& shown, HWND list, int entry, int dpi);
// Where that entry's strip lies, in the list's client coordinates.
ThemeStripLayout StripInList(HWND list, int entry, int dpi);
