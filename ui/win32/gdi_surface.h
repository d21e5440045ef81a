#pragma once
// Picture1's drawing surface: GDI into a memory bitmap the size of the drawing area,
// in twips mapped to pixels at the window's DPI by the rules of ui/drawing_rules.h,
// which the software surface the preview's tests use (ui/pixel_surface.h) follows
// too. As there, fills and frames leave out the right and bottom edge, a line leaves
// out its last point and texts are transparent.
//
// The picture is what the latest redraw painted. Each drawing call is also kept, from
// the picture's BeginPicture() on, so that a change of DPI can paint the same picture
// again at the new size without asking the window's logic.
#include "ui/win32/win32.h"

#include <string>
#include <vector>

#include "ui/drawing_record.h"
#include "ui/win32/handles.h"

class GdiSurface final : public DrawingCallRecorder {
 public:
  // `widthTwips` x `heightTwips` is the control's outer size that Width()/Height()
  // report; `pixels` the drawing area's size.
  GdiSurface(int widthTwips, int heightTwips);
  ~GdiSurface();
  GdiSurface(const GdiSurface&) = delete;
  GdiSurface& operator=(const GdiSurface&) = delete;

  // A new bitmap of this size at this DPI, cleared and then painted with the kept
  // drawing calls.
  void Resize(SIZE pixels, UINT dpi, HFONT font, COLORREF background);
  // The window that shows the bitmap; a drawing call tells it to repaint, unless it
  // was told so since it last painted.
  void ShowIn(HWND window) {
    shownIn_ = window;
    repaintAsked_ = false;
  }
  // From that window's WM_PAINT: copies the area of the bitmap to the window's DC.
  void CopyTo(HDC target, const RECT& area);
  HDC MemoryDC() const { return dc_.Get(); }

  int Width() const override { return widthTwips_; }
  int Height() const override { return heightTwips_; }

 private:
  void Record(DrawingCall call) override;
  void Paint(const DrawingCall& call);
  RECT PixelRect(int x1, int y1, int x2, int y2) const;

  int widthTwips_;
  int heightTwips_;
  UINT dpi_ = 96;
  SIZE size_{0, 0};
  UniqueMemoryDC dc_;
  UniqueBitmap bitmap_;
  HGDIOBJ originalBitmap_ = nullptr;
  HGDIOBJ originalFont_ = nullptr;
  std::vector<DrawingCall> calls_;
  HWND shownIn_ = nullptr;
  bool repaintAsked_ = false;
};
