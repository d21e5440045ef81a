#include "ui/pixel_surface.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

bool Contains(const PixelBox& box, int px, int py) {
  return px >= box.left && px < box.right && py >= box.top && py < box.bottom;
}

}  // namespace

PixelSurface::PixelSurface(int widthTwips, int heightTwips, int pixelWidth, int pixelHeight,
                           Color background)
    : widthTwips_(widthTwips),
      heightTwips_(heightTwips),
      pixelWidth_(std::max(pixelWidth, 0)),
      pixelHeight_(std::max(pixelHeight, 0)),
      pixels_(static_cast<std::size_t>(pixelWidth_) * static_cast<std::size_t>(pixelHeight_),
              DrawnColor(background)) {}

bool PixelSurface::InBuffer(int px, int py) const {
  return px >= 0 && px < pixelWidth_ && py >= 0 && py < pixelHeight_;
}

Color PixelSurface::At(int px, int py) const {
  return pixels_.at(static_cast<std::size_t>(py) * static_cast<std::size_t>(pixelWidth_) +
                    static_cast<std::size_t>(px));
}

void PixelSurface::Paint(int px, int py, Color drawn) {
  if (!InBuffer(px, py)) return;
  pixels_[static_cast<std::size_t>(py) * static_cast<std::size_t>(pixelWidth_) +
          static_cast<std::size_t>(px)] = drawn;
}

void PixelSurface::PaintBox(PixelBox box, Color drawn) {
  const int left = std::max(box.left, 0);
  const int right = std::min(box.right, pixelWidth_);
  const int top = std::max(box.top, 0);
  const int bottom = std::min(box.bottom, pixelHeight_);
  for (int py = top; py < bottom; ++py) {
    for (int px = left; px < right; ++px) Paint(px, py, drawn);
  }
  if (texts_.empty()) return;
  std::erase_if(texts_, [&](const RecordedText& text) {
    return Contains(box, TwipsToPixel(text.x), TwipsToPixel(text.y));
  });
}

void PixelSurface::FillRect(int x1, int y1, int x2, int y2, Color color) {
  PaintBox(TwipsRectToPixels(x1, y1, x2, y2), DrawnColor(color));
}

void PixelSurface::OutlineRect(int x1, int y1, int x2, int y2, Color color) {
  const PixelBox box = TwipsRectToPixels(x1, y1, x2, y2);
  if (box.right <= box.left || box.bottom <= box.top) return;
  const Color drawn = DrawnColor(color);
  PaintBox({box.left, box.top, box.right, box.top + 1}, drawn);
  PaintBox({box.left, box.bottom - 1, box.right, box.bottom}, drawn);
  PaintBox({box.left, box.top, box.left + 1, box.bottom}, drawn);
  PaintBox({box.right - 1, box.top, box.right, box.bottom}, drawn);
}

void PixelSurface::Line(int x1, int y1, int x2, int y2, Color color) {
  const Color drawn = DrawnColor(color);
  const std::int64_t ax = TwipsToPixel(x1);
  const std::int64_t ay = TwipsToPixel(y1);
  const std::int64_t dx = std::int64_t{TwipsToPixel(x2)} - ax;
  const std::int64_t dy = std::int64_t{TwipsToPixel(y2)} - ay;
  const std::int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
  if (steps == 0) return;

  // Walk the longer axis one pixel per step, taking the nearest pixel on the other;
  // the preview draws only horizontal and vertical lines, where this is exact.
  const bool alongX = std::llabs(dx) >= std::llabs(dy);
  const std::int64_t majorStart = alongX ? ax : ay;
  const std::int64_t majorStep = (alongX ? dx : dy) < 0 ? -1 : 1;
  const std::int64_t minorStart = alongX ? ay : ax;
  const std::int64_t minorDelta = alongX ? dy : dx;
  const std::int64_t majorLimit = alongX ? pixelWidth_ : pixelHeight_;

  // Only the steps that land inside the buffer along the longer axis; this keeps far
  // off-screen lines from costing anything.
  std::int64_t first = 0;
  std::int64_t last = steps;  // exclusive: the end pixel is not painted
  if (majorStep > 0) {
    first = std::max(first, -majorStart);
    last = std::min(last, majorLimit - majorStart);
  } else {
    first = std::max(first, majorStart - (majorLimit - 1));
    last = std::min(last, majorStart + 1);
  }
  for (std::int64_t t = first; t < last; ++t) {
    const std::int64_t major = majorStart + majorStep * t;
    const std::int64_t minor = minorStart + FloorDiv(2 * t * minorDelta + steps, 2 * steps);
    const int px = static_cast<int>(alongX ? major : minor);
    const int py = static_cast<int>(alongX ? minor : major);
    PaintBox({px, py, px + 1, py + 1}, drawn);
  }
}

void PixelSurface::DrawText(int x, int y, const std::wstring& text) {
  if (text.empty() || !InBuffer(TwipsToPixel(x), TwipsToPixel(y))) return;
  texts_.push_back({x, y, text, textColor_});
}
