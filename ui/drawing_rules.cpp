#include "ui/drawing_rules.h"

#include <algorithm>

std::int64_t FloorDiv(std::int64_t numerator, std::int64_t denominator) {
  std::int64_t quotient = numerator / denominator;
  if (numerator % denominator != 0 && numerator < 0) --quotient;
  return quotient;
}

int TwipsToPixel(int twips, int dpi) {
  return static_cast<int>(FloorDiv(static_cast<std::int64_t>(twips) * dpi, 1440));
}

PixelBox TwipsRectToPixels(int x1, int y1, int x2, int y2, int dpi) {
  return {TwipsToPixel(std::min(x1, x2), dpi), TwipsToPixel(std::min(y1, y2), dpi),
          TwipsToPixel(std::max(x1, x2), dpi), TwipsToPixel(std::max(y1, y2), dpi)};
}

Color DrawnColor(Color color) {
  return static_cast<Color>(static_cast<std::uint32_t>(color) & 0x00FFFFFFu);
}
