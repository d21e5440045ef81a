// Where the theme strip lies in a list entry, at the DPIs users run and in the entry
// heights their fonts give (and lower and higher ones).
#include <gtest/gtest.h>

#include <string>

#include "ui/theme_strip.h"

namespace {

int Width(const PixelBox& box) { return box.right - box.left; }

TEST(ThemeStrip, EverySwatchIsFramedInsideItsEntryAndTheStripGrowsWithTheDpi) {
  const int widthAt96 = Width(PlaceThemeStrip(12, 96).frame);
  for (const auto& [dpi, itemHeight] : {std::pair{96, 12}, {96, 15}, {96, 3}, {120, 16}, {144, 18}, {192, 60}}) {
    SCOPED_TRACE(std::to_string(dpi) + " DPI, entry " + std::to_string(itemHeight) + " px high");
    const ThemeStripLayout strip = PlaceThemeStrip(itemHeight, dpi);
    EXPECT_GT(strip.frame.left, 0);
    EXPECT_GE(strip.frame.top, 0);
    EXPECT_LE(strip.frame.bottom, itemHeight);
    EXPECT_GT(strip.textLeft, strip.frame.right);
    EXPECT_NEAR(Width(strip.frame), widthAt96 * dpi / 96.0, 0.1 * widthAt96 * dpi / 96.0);
    int previousRight = strip.frame.left;
    for (const PixelBox& swatch : strip.swatches) {
      // Some colour, and at least one pixel of frame on every side that no two share.
      EXPECT_LT(swatch.left, swatch.right);
      EXPECT_GT(swatch.left, previousRight);
      EXPECT_GT(swatch.top, strip.frame.top);
      EXPECT_LT(swatch.top, swatch.bottom);
      EXPECT_LT(swatch.bottom, strip.frame.bottom);
      previousRight = swatch.right;
    }
    EXPECT_LT(previousRight, strip.frame.right);
  }
}

}  // namespace
