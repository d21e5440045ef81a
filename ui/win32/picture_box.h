#pragma once
// Picture1: a child window that shows its GdiSurface's bitmap. WM_PAINT only copies
// the bitmap; nothing is drawn in response to it. It takes the focus when tabbed to
// or clicked, like the other controls.
#include "ui/win32/win32.h"

#include "ui/win32/gdi_surface.h"

class PictureBox {
 public:
  static constexpr const wchar_t* kClassName = L"HuebrookPicture";

  PictureBox(int widthTwips, int heightTwips);
  PictureBox(const PictureBox&) = delete;
  PictureBox& operator=(const PictureBox&) = delete;

  // Registers the window class; the control is created with `this` as its parameter.
  static void RegisterClass();
  // After the control was placed: a bitmap the size of its drawing area at `dpi`.
  void FitBitmap(UINT dpi, HFONT font);
  GdiSurface& Surface() { return surface_; }
  HWND Handle() const { return window_; }

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  HWND window_ = nullptr;
  GdiSurface surface_;
};
