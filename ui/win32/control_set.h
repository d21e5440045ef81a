#pragma once
// The controls of one window, created from its layout table in table order (which is
// the tab order), each label right before the field it names so that screen readers
// call the field by it, and placed again whenever the DPI changes.
#include "ui/win32/win32.h"

#include <span>
#include <vector>

#include "ui/layout.h"
#include "ui/win32/fonts.h"

class PictureBox;

class ControlSet {
 public:
  // Control ids start above IDOK/IDCANCEL, so the Enter and Escape keys that
  // IsDialogMessage turns into those commands never reach a control's handler.
  static constexpr int kFirstControlId = 1000;

  // `picture` is the object behind the table's picture box, if it has one.
  void Create(HWND parent, std::span<const ControlSpec> specs, UINT dpi, const WindowFonts& fonts,
              PictureBox* picture = nullptr);
  void Place(UINT dpi, const WindowFonts& fonts);

  HWND Find(ControlName name, int index = -1) const;
  // The table entry of a control id, or nullptr.
  const ControlSpec* SpecOf(int controlId) const;

 private:
  std::span<const ControlSpec> specs_;
  std::vector<HWND> windows_;
};
