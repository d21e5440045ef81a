#pragma once
// What a window shows on the screen, as pixels, and saved as a BMP file.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

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
