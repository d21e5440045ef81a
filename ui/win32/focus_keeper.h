#pragma once
// A top-level window that is not a dialog gets the focus itself when it is activated
// again; this puts it back on the control that had it, so a message box or another
// program in between does not lose the user's place.
#include "ui/win32/win32.h"

class FocusKeeper {
 public:
  // Call from WM_ACTIVATE. Returns true when the focus was put back (the message is
  // then handled and DefWindowProc must not move the focus again).
  bool OnActivate(HWND window, WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
      const HWND focus = GetFocus();
      if (focus && IsChild(window, focus)) saved_ = focus;
      return false;
    }
    if (saved_ && IsWindow(saved_) && IsChild(window, saved_) && !HIWORD(wParam)) {
      SetFocus(saved_);
      return true;
    }
    return false;
  }
  void Forget() { saved_ = nullptr; }

 private:
  HWND saved_ = nullptr;
};
