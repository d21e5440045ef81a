#include "ui/win32/gdi_surface.h"

#include <algorithm>
#include <cstdint>

#include "ui/drawing_rules.h"

namespace {

COLORREF Drawn(Color color) { return static_cast<COLORREF>(DrawnColor(color)); }

int Pixel(int twips, UINT dpi) { return TwipsToPixel(twips, static_cast<int>(dpi)); }

}  // namespace

GdiSurface::GdiSurface(int widthTwips, int heightTwips)
    : widthTwips_(widthTwips), heightTwips_(heightTwips) {}

GdiSurface::~GdiSurface() {
  // The bitmap and the window's font must not be selected when they are deleted.
  if (!dc_.Get()) return;
  if (originalBitmap_) SelectObject(dc_.Get(), originalBitmap_);
  if (originalFont_) SelectObject(dc_.Get(), originalFont_);
}

void GdiSurface::Resize(SIZE pixels, UINT dpi, HFONT font, COLORREF background) {
  WindowDC screen(nullptr);
  if (!dc_.Get()) {
    dc_ = UniqueMemoryDC(CreateCompatibleDC(screen.Get()));
    SetBkMode(dc_.Get(), TRANSPARENT);
    SelectObject(dc_.Get(), GetStockObject(DC_PEN));
  }
  UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), std::max<LONG>(pixels.cx, 1),
                                             std::max<LONG>(pixels.cy, 1)));
  const HGDIOBJ previousBitmap = SelectObject(dc_.Get(), bitmap.Get());
  if (!originalBitmap_) originalBitmap_ = previousBitmap;
  bitmap_ = std::move(bitmap);  // the old bitmap is no longer selected, so it can go
  const HGDIOBJ previousFont = SelectObject(dc_.Get(), font);
  if (!originalFont_) originalFont_ = previousFont;
  dpi_ = dpi;
  size_ = pixels;

  const RECT all{0, 0, size_.cx, size_.cy};
  UniqueBrush brush(CreateSolidBrush(background));
  ::FillRect(dc_.Get(), &all, brush.Get());
  for (const DrawingCall& call : calls_) Paint(call);
}

void GdiSurface::CopyTo(HDC target, const RECT& area) {
  repaintAsked_ = false;
  if (!dc_.Get()) return;
  BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_.Get(),
         area.left, area.top, SRCCOPY);
}

RECT GdiSurface::PixelRect(int x1, int y1, int x2, int y2) const {
  const PixelBox box = TwipsRectToPixels(x1, y1, x2, y2, static_cast<int>(dpi_));
  return {box.left, box.top, box.right, box.bottom};
}

void GdiSurface::Record(DrawingCall call) {
  if (call.kind == DrawingCall::Kind::BeginPicture) {
    calls_.clear();
    return;
  }
  Paint(call);
  calls_.push_back(std::move(call));
  // The window copies the whole bitmap when it next paints, so asking once until then
  // is enough. Under Wine every InvalidateRect is a round trip to the server: asking
  // after each of a redraw's some 350 calls took 9 ms of its 9.2.
  if (shownIn_ && !repaintAsked_) {
    InvalidateRect(shownIn_, nullptr, FALSE);
    repaintAsked_ = true;
  }
}

void GdiSurface::Paint(const DrawingCall& call) {
  const HDC dc = dc_.Get();
  if (!dc) return;
  switch (call.kind) {
    case DrawingCall::Kind::BeginPicture:
      break;
    case DrawingCall::Kind::Fill: {
      const RECT rect = PixelRect(call.x1, call.y1, call.x2, call.y2);
      UniqueBrush brush(CreateSolidBrush(Drawn(call.color)));
      ::FillRect(dc, &rect, brush.Get());
      break;
    }
    case DrawingCall::Kind::Outline: {
      const RECT rect = PixelRect(call.x1, call.y1, call.x2, call.y2);
      UniqueBrush brush(CreateSolidBrush(Drawn(call.color)));
      ::FrameRect(dc, &rect, brush.Get());
      break;
    }
    case DrawingCall::Kind::Line:
      SetDCPenColor(dc, Drawn(call.color));
      MoveToEx(dc, Pixel(call.x1, dpi_), Pixel(call.y1, dpi_), nullptr);
      LineTo(dc, Pixel(call.x2, dpi_), Pixel(call.y2, dpi_));
      break;
    case DrawingCall::Kind::TextColor:
      ::SetTextColor(dc, Drawn(call.color));
      break;
    case DrawingCall::Kind::Text:
      TextOutW(dc, Pixel(call.x1, dpi_), Pixel(call.y1, dpi_), call.text.c_str(),
               static_cast<int>(call.text.size()));
      break;
  }
}
