#pragma once
// One window procedure per window class. The object passes itself as the creation
// parameter; WM_NCCREATE stores it in GWLP_USERDATA and every later message is handed
// to its HandleMessage(hwnd, message, wParam, lParam).
#include "ui/win32/win32.h"

template <typename Window>
LRESULT CALLBACK RoutedWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  const LRESULT result = self->HandleMessage(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  return result;
}

// Registers the class the first time it is asked for; later calls do nothing.
void RegisterWindowClassOnce(const wchar_t* className, WNDPROC proc, HBRUSH background,
                             HICON icon = nullptr);
