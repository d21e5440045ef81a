#include "ui/win32/picture_box.h"

#include "ui/win32/handles.h"
#include "ui/win32/window_proc.h"

PictureBox::PictureBox(int widthTwips, int heightTwips) : surface_(widthTwips, heightTwips) {}

void PictureBox::RegisterClass() {
  RegisterWindowClassOnce(kClassName, RoutedWindowProc<PictureBox>, nullptr);
}

void PictureBox::FitBitmap(UINT dpi, HFONT font) {
  RECT client{};
  GetClientRect(window_, &client);
  surface_.Resize({client.right, client.bottom}, dpi, font, GetSysColor(COLOR_BTNFACE));
  InvalidateRect(window_, nullptr, FALSE);
}

LRESULT PictureBox::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      window_ = window;
      surface_.ShowIn(window);
      break;
    case WM_ERASEBKGND:
      return 1;  // the bitmap covers the whole drawing area
    case WM_PAINT: {
      PaintScope paint(window);
      RECT client{};
      GetClientRect(window, &client);
      surface_.CopyTo(paint.Get(), client);
      return 0;
    }
    case WM_LBUTTONDOWN:
      SetFocus(window);
      return 0;
    case WM_NCDESTROY:
      window_ = nullptr;
      surface_.ShowIn(nullptr);
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
