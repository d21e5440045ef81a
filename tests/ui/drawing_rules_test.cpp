// The mapping the Windows surface and the layout use at every DPI, not only at the
// 96 DPI the pixel surface draws at.
#include "ui/drawing_rules.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(DrawingRules, TwipsLandOnThePixelBelowOrLeftAtEveryDpi) {
  struct Case {
    int dpi;
    int twips;
    int pixel;
  };
  const std::vector<Case> cases = {
      // 144 DPI: ten twips a pixel.
      {144, 9, 0}, {144, 10, 1}, {144, -1, -1}, {144, -10, -1}, {144, -11, -2}, {144, 7395, 739},
      // 120 DPI: twelve twips a pixel.
      {120, 11, 0}, {120, 12, 1}, {120, -12, -1}, {120, -13, -2}, {120, 10575, 881},
      // 192 DPI: 7.5 twips a pixel, so pixels alternate between 7 and 8 twips.
      {192, 7, 0}, {192, 8, 1}, {192, 14, 1}, {192, 15, 2}, {192, -8, -2},
      // Far positions do not overflow on the way.
      {192, 2'000'000'000, 266'666'666}, {192, -2'000'000'000, -266'666'667},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.twips << " twips at " << c.dpi << " DPI");
    EXPECT_EQ(TwipsToPixel(c.twips, c.dpi), c.pixel);
  }
}

TEST(DrawingRules, RectangleCornersComeInEitherOrderAtEveryDpi) {
  // Twips (-5, 20)-(31, 45) at 144 DPI: pixels -1..2 across, 2..3 down.
  const std::vector<std::vector<int>> cornerOrders = {
      {-5, 20, 31, 45}, {31, 45, -5, 20}, {-5, 45, 31, 20}, {31, 20, -5, 45}};
  for (const auto& c : cornerOrders) {
    SCOPED_TRACE(::testing::PrintToString(c));
    const PixelBox box = TwipsRectToPixels(c[0], c[1], c[2], c[3], 144);
    EXPECT_EQ(box.left, -1);
    EXPECT_EQ(box.top, 2);
    EXPECT_EQ(box.right, 3);
    EXPECT_EQ(box.bottom, 4);
  }
}

}  // namespace
