#include "ui/theme_strip.h"

#include <algorithm>
#include <cstdint>

namespace {

// The strip's measures in twips, which are whole pixels at 96 DPI (15 twips each).
constexpr int kLeftMargin = 30;    // from the entry's left edge, as far as a plain entry's text
constexpr int kInset = 15;         // above and below the strip, so neighbouring strips stay apart
constexpr int kFrameLine = 15;
constexpr int kSwatchWidth = 90;
constexpr int kGapBeforeName = 60;

// A measure in whole pixels at this DPI, never thinner than one: every frame line and
// every swatch of a strip is equally wide, wherever it lies.
int Pixels(int twips, int dpi) { return std::max(1, TwipsToPixel(twips, dpi)); }

}  // namespace

ThemeStripLayout PlaceThemeStrip(int itemHeight, int dpi) {
  const int line = Pixels(kFrameLine, dpi);
  const int swatch = Pixels(kSwatchWidth, dpi);
  const int inset = Pixels(kInset, dpi);
  // A swatch keeps at least one pixel of colour, even in an entry too low for its inset.
  const int height = std::max(itemHeight - 2 * inset, 2 * line + 1);
  const int top = std::max(0, (itemHeight - height) / 2);

  ThemeStripLayout layout{};
  const int left = Pixels(kLeftMargin, dpi);
  int x = left + line;
  for (PixelBox& box : layout.swatches) {
    box = {x, top + line, x + swatch, top + height - line};
    x += swatch + line;
  }
  layout.frame = {left, top, x, top + height};
  layout.textLeft = x + Pixels(kGapBeforeName, dpi);
  return layout;
}

ThemeStripColors StripColorsOf(const ColorArray& colors) {
  ThemeStripColors shown{};
  for (std::size_t i = 0; i < kThemeStripSlots.size(); ++i) shown[i] = DrawnColor(colors[kThemeStripSlots[i]]);
  return shown;
}

Color ThemeStripFrameColor(Color text, Color background) {
  std::uint32_t mixed = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const std::uint32_t a = (static_cast<std::uint32_t>(text) >> shift) & 0xFFu;
    const std::uint32_t b = (static_cast<std::uint32_t>(background) >> shift) & 0xFFu;
    mixed |= ((a + b) / 2) << shift;
  }
  return static_cast<Color>(mixed);
}
