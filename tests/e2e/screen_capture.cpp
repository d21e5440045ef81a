#include "tests/e2e/screen_capture.h"

#include <filesystem>
#include <fstream>


namespace {
int RowBytes(int width) { return (width * 3 + 3) & ~3; }
}  // namespace

ScreenCapture::ScreenCapture(HWND window) {
  GetWindowRect(window, &screen_);
  width_ = screen_.right - screen_.left;
  height_ = screen_.bottom - screen_.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width_, height_);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width_, height_, screen, screen_.left, screen_.top, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = height_;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  bgr_.resize(static_cast<std::size_t>(RowBytes(width_)) * height_);
  GetDIBits(memory, bitmap, 0, height_, bgr_.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

std::int32_t ScreenCapture::PixelInClient(HWND child, int x, int y) const {
  POINT p{x, y};
  ClientToScreen(child, &p);
  int cx = p.x - screen_.left;
  int cy = p.y - screen_.top;
  if (cx < 0 || cy < 0 || cx >= width_ || cy >= height_) return -1;
  const std::uint8_t* px = &bgr_[static_cast<std::size_t>(height_ - 1 - cy) * RowBytes(width_) + cx * 3];
  return px[2] | (px[1] << 8) | (px[0] << 16);
}

bool ScreenCapture::SaveBmp(const std::wstring& path) const {
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width_;
  header.biHeight = height_;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(bgr_.size());
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + header.biSizeImage;
  std::ofstream out(std::filesystem::path(path), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(reinterpret_cast<const char*>(bgr_.data()), static_cast<std::streamsize>(bgr_.size()));
  return static_cast<bool>(out);
}

ThemeStripLayout StripInList(HWND list, int entry, int dpi) {
  RECT item{};
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(entry), reinterpret_cast<LPARAM>(&item));
  ThemeStripLayout strip = PlaceThemeStrip(item.bottom - item.top, dpi);
  auto move = [&](PixelBox& box) {
    box = {box.left + item.left, box.top + item.top, box.right + item.left, box.bottom + item.top};
  };
  move(strip.frame);
  for (PixelBox& swatch : strip.swatches) move(swatch);
  strip.textLeft += item.left;
  return strip;
}

ThemeStripColors StripOnScreen(const ScreenCapture& shown, HWND list, int entry, int dpi) {
  const ThemeStripLayout strip = StripInList(list, entry, dpi);
  ThemeStripColors colors{};
  for (std::size_t i = 0; i < colors.size(); ++i) {
    const PixelBox& swatch = strip.swatches[i];
    colors[i] = shown.PixelInClient(list, (swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2);
  }
  return colors;
}
