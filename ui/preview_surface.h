#pragma once
// The drawing surface of the piano-roll preview, in twips (15 twips are one pixel at
// 96 DPI). The Windows surface paints with GDI into a bitmap; the tests' surface
// paints into a pixel buffer.
#include <string>

#include "settings/color_slots.h"

class PreviewSurface {
 public:
  // The control's outer size, as the layout gives it (PreviewSize()).
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // A new picture starts: the calls from here on paint the whole of it, so nothing
  // drawn before needs to be kept.
  virtual void BeginPicture() = 0;
  // Solid fill of the rectangle with these two opposite corners.
  virtual void FillRect(int x1, int y1, int x2, int y2, Color color) = 0;
  // One-pixel frame of that rectangle.
  virtual void OutlineRect(int x1, int y1, int x2, int y2, Color color) = 0;
  // One-pixel line between the two points.
  virtual void Line(int x1, int y1, int x2, int y2, Color color) = 0;
  virtual void SetTextColor(Color color) = 0;
  // Text in the surface's default font, top-left corner at (x, y), transparent.
  virtual void DrawText(int x, int y, const std::wstring& text) = 0;

 protected:
  ~PreviewSurface() = default;
};
