// Where the theme strip lies in a list entry, at the DPIs users run and in the entry
// heights their fonts give.
#include <gtest/gtest.h>

#include <string>

#include "ui/theme_strip.h"

namespace {

int Width(const PixelBox& box) { return box.right - box.left; }
int Height(const PixelBox& box) { return box.bottom - box.top; }

TEST(ThemeStrip, EverySwatchIsFramedInsideItsEntryAndTheNameBeginsAfterTheStrip) {
  struct Case {
    int dpi;
    int itemHeight;
  };
  // Entries as tall as a 9-point line in the faces users have, and narrower and taller
  // ones than any font gives.
  const Case cases[] = {{96, 12}, {96, 13}, {96, 15}, {96, 3}, {120, 16}, {144, 18}, {144, 19}, {192, 24}, {192, 60}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.dpi) + " DPI, entry " + std::to_string(c.itemHeight) + " px high");
    const ThemeStripLayout strip = PlaceThemeStrip(c.itemHeight, c.dpi);
    EXPECT_GT(strip.frame.left, 0);
    EXPECT_GE(strip.frame.top, 0);
    EXPECT_LE(strip.frame.bottom, c.itemHeight);
    EXPECT_GT(strip.textLeft, strip.frame.right);
    int previousRight = strip.frame.left;
    for (const PixelBox& swatch : strip.swatches) {
      EXPECT_GE(Width(swatch), 1);
      EXPECT_GE(Height(swatch), 1);
      // At least one pixel of frame on every side, shared by no two swatches.
      EXPECT_GT(swatch.left, previousRight);
      EXPECT_GT(swatch.top, strip.frame.top);
      EXPECT_LT(swatch.bottom, strip.frame.bottom);
      EXPECT_EQ(Width(swatch), Width(strip.swatches[0]));
      previousRight = swatch.right;
    }
    EXPECT_LT(previousRight, strip.frame.right);
  }
}

TEST(ThemeStrip, GrowsWithTheDpiAsTheEntriesFontDoes) {
  for (const int dpi : {120, 144, 192}) {
    SCOPED_TRACE(std::to_string(dpi) + " DPI");
    // The entry grows with the font, which grows with the DPI.
    const ThemeStripLayout at96 = PlaceThemeStrip(12, 96);
    const ThemeStripLayout scaled = PlaceThemeStrip(12 * dpi / 96, dpi);
    const double wanted = Width(at96.frame) * dpi / 96.0;
    EXPECT_NEAR(Width(scaled.frame), wanted, 0.1 * wanted);
    EXPECT_NEAR(Width(scaled.swatches[0]), Width(at96.swatches[0]) * dpi / 96.0, 1.0);
    EXPECT_NEAR(Height(scaled.swatches[0]), Height(at96.swatches[0]) * dpi / 96.0, 2.0);
    EXPECT_NEAR(scaled.textLeft, at96.textLeft * dpi / 96.0, 0.1 * at96.textLeft * dpi / 96.0);
  }
}

}  // namespace
