#pragma once
// A software PreviewSurface: paints into an RGB pixel buffer at 96 DPI (15 twips per
// pixel) and records every text instead of rendering glyphs. The tests check the
// preview on it.
//
// It maps twips and draws colours by the rules in ui/drawing_rules.h, as the Windows
// surface does, and paints as GDI paints on a bitmap of the drawing area, so that what
// holds here holds for the Windows surface too:
//  - a filled rectangle covers the pixels from its left/top corner up to, but not
//    including, those of its right/bottom corner (FillRect);
//  - a frame covers the inner border of that same pixel area (FrameRect);
//  - a line starts on its first pixel and stops before its last one (MoveTo/LineTo);
//    a line whose two ends fall on the same pixel paints nothing;
//  - the two corners of a rectangle may come in either order;
//  - everything outside the buffer is clipped.
//
// Texts: each DrawText is recorded with its twips position and the text colour in
// force. A text whose top-left corner falls outside the buffer is clipped, and any
// later painting of the pixel at that corner (fill, frame or line) paints the text
// over: it is dropped from the record. Without glyphs this is the one exact rule we
// have, and it makes the record hold what a picture that repaints every pixel shows.
#include <string>
#include <vector>

#include "settings/color_slots.h"
#include "ui/drawing_rules.h"
#include "ui/preview_surface.h"

struct RecordedText {
  int x;  // twips
  int y;  // twips
  std::wstring text;
  Color color;  // as drawn: low 24 bits

  bool operator==(const RecordedText&) const = default;
};

class PixelSurface final : public PreviewSurface {
 public:
  // `widthTwips` x `heightTwips` is what Width()/Height() report (the control's outer
  // size); the buffer, `pixelWidth` x `pixelHeight`, is the drawing area inside the
  // control's border, with twips (0, 0) at its top-left pixel. Every pixel starts as
  // `background`.
  PixelSurface(int widthTwips, int heightTwips, int pixelWidth, int pixelHeight,
               Color background = 0);

  int Width() const override { return widthTwips_; }
  int Height() const override { return heightTwips_; }
  // Each picture paints the pixels it covers, over whatever was there.
  void BeginPicture() override {}
  void FillRect(int x1, int y1, int x2, int y2, Color color) override;
  void OutlineRect(int x1, int y1, int x2, int y2, Color color) override;
  void Line(int x1, int y1, int x2, int y2, Color color) override;
  void SetTextColor(Color color) override { textColor_ = DrawnColor(color); }
  void DrawText(int x, int y, const std::wstring& text) override;

  int PixelWidth() const { return pixelWidth_; }
  int PixelHeight() const { return pixelHeight_; }
  // The colour of pixel (px, py), which must lie in the buffer.
  Color At(int px, int py) const;
  Color TextColor() const { return textColor_; }
  // The texts still showing, in the order they were drawn.
  const std::vector<RecordedText>& Texts() const { return texts_; }

 private:
  bool InBuffer(int px, int py) const;
  void Paint(int px, int py, Color drawn);
  // Paints the part of the pixel area that lies in the buffer, over any text
  // anchored there.
  void PaintBox(PixelBox box, Color drawn);

  int widthTwips_;
  int heightTwips_;
  int pixelWidth_;
  int pixelHeight_;
  std::vector<Color> pixels_;
  Color textColor_ = 0;
  std::vector<RecordedText> texts_;
};
