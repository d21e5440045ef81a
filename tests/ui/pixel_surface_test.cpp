#include "ui/pixel_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "ui/drawing_rules.h"

namespace {

constexpr Color kBackground = 0x00010203;
constexpr Color kInk = 0x00A0B0C0;

// A 10 x 8 pixel buffer reporting a twips size of its own.
PixelSurface SmallSurface() { return PixelSurface(150, 120, 10, 8, kBackground); }

// The pixels that differ from the background, row by row.
std::vector<std::pair<int, int>> InkedPixels(const PixelSurface& surface) {
  std::vector<std::pair<int, int>> inked;
  for (int py = 0; py < surface.PixelHeight(); ++py) {
    for (int px = 0; px < surface.PixelWidth(); ++px) {
      if (surface.At(px, py) != kBackground) inked.emplace_back(px, py);
    }
  }
  return inked;
}

std::vector<std::pair<int, int>> Box(int left, int top, int right, int bottom) {
  std::vector<std::pair<int, int>> pixels;
  for (int py = top; py < bottom; ++py) {
    for (int px = left; px < right; ++px) pixels.emplace_back(px, py);
  }
  return pixels;
}

TEST(PixelSurface, TwipsLandOnThePixelBelowOrLeft) {
  const std::vector<std::pair<int, int>> cases = {
      {0, 0},   {14, 0},   {15, 1},     {29, 1},     {-1, -1},   {-15, -1},
      {-16, -2}, {2200, 146}, {-7140, -476}, {7320, 488}, {6040, 402}};
  for (const auto& [twips, pixel] : cases) {
    SCOPED_TRACE(twips);
    EXPECT_EQ(TwipsToPixel(twips), pixel);
  }
}

TEST(PixelSurface, FillCoversFromTheFirstCornerUpToTheOppositeOne) {
  // Twips (15, 30)-(60, 75): pixels 1..3 across, 2..4 down; the far edge is left out.
  const std::vector<std::vector<int>> cornerOrders = {
      {15, 30, 60, 75}, {60, 75, 15, 30}, {15, 75, 60, 30}, {29, 44, 74, 89}};
  for (const auto& c : cornerOrders) {
    SCOPED_TRACE(::testing::PrintToString(c));
    PixelSurface surface = SmallSurface();
    surface.FillRect(c[0], c[1], c[2], c[3], kInk);
    EXPECT_EQ(InkedPixels(surface), Box(1, 2, 4, 5));
    EXPECT_EQ(surface.At(2, 3), kInk);
  }
}

TEST(PixelSurface, FillWithinOnePixelPaintsNothing) {
  PixelSurface surface = SmallSurface();
  surface.FillRect(15, 15, 29, 29, kInk);
  surface.FillRect(30, 30, 30, 90, kInk);
  EXPECT_TRUE(InkedPixels(surface).empty());
}

TEST(PixelSurface, OutlinePaintsTheInnerBorderOfTheFilledArea) {
  PixelSurface surface = SmallSurface();
  surface.OutlineRect(15, 15, 90, 75, kInk);  // pixels 1..5 across, 1..4 down
  std::vector<std::pair<int, int>> expected;
  for (const auto& pixel : Box(1, 1, 6, 5)) {
    const auto [px, py] = pixel;
    if (px == 1 || px == 5 || py == 1 || py == 4) expected.push_back(pixel);
  }
  EXPECT_EQ(InkedPixels(surface), expected);
}

TEST(PixelSurface, LineStopsBeforeItsLastPixel) {
  struct Case {
    const char* name;
    int x1, y1, x2, y2;
    std::vector<std::pair<int, int>> pixels;
  };
  const std::vector<Case> cases = {
      {"rightwards", 15, 30, 75, 30, {{1, 2}, {2, 2}, {3, 2}, {4, 2}}},
      {"leftwards", 75, 30, 15, 30, {{2, 2}, {3, 2}, {4, 2}, {5, 2}}},
      {"downwards", 30, 0, 30, 45, {{2, 0}, {2, 1}, {2, 2}}},
      {"upwards", 30, 45, 30, 0, {{2, 1}, {2, 2}, {2, 3}}},
      {"diagonal", 0, 0, 45, 45, {{0, 0}, {1, 1}, {2, 2}}},
      {"shallow", 0, 0, 60, 30, {{0, 0}, {1, 1}, {2, 1}, {3, 2}}},
      {"within one pixel", 15, 15, 29, 29, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PixelSurface surface = SmallSurface();
    surface.Line(c.x1, c.y1, c.x2, c.y2, kInk);
    auto inked = InkedPixels(surface);
    auto expected = c.pixels;
    std::sort(inked.begin(), inked.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(inked, expected);
  }
}

TEST(PixelSurface, DrawsOnlyTheLow24BitsOfAColour) {
  const std::vector<std::pair<Color, Color>> cases = {
      {0x00123456, 0x00123456},
      {0x7F123456, 0x00123456},
      {-1, 0x00FFFFFF},
      {static_cast<Color>(0x80000000u), 0},
  };
  for (const auto& [value, drawn] : cases) {
    SCOPED_TRACE(value);
    PixelSurface surface = SmallSurface();
    surface.FillRect(0, 0, 15, 15, value);
    surface.OutlineRect(15, 0, 30, 15, value);
    surface.Line(30, 0, 45, 0, value);
    surface.SetTextColor(value);
    surface.DrawText(60, 0, L"t");
    EXPECT_EQ(surface.At(0, 0), drawn);
    EXPECT_EQ(surface.At(1, 0), drawn);
    EXPECT_EQ(surface.At(2, 0), drawn);
    EXPECT_EQ(surface.TextColor(), drawn);
    ASSERT_EQ(surface.Texts().size(), 1u);
    EXPECT_EQ(surface.Texts()[0].color, drawn);
  }
}

TEST(PixelSurface, ClipsEverythingToTheBuffer) {
  PixelSurface surface = SmallSurface();
  surface.FillRect(-100000000, -100000000, 100000000, 15, kInk);  // row 0 only
  surface.Line(-2000000000, 105, 2000000000, 105, kInk);          // row 7 only
  surface.Line(-2000000000, -2000000000, 2000000000, 2000000000, kInk);
  surface.OutlineRect(-150, 45, 600, 90, kInk);  // rows 3 and 5; its sides lie outside
  EXPECT_EQ(surface.At(0, 0), kInk);
  EXPECT_EQ(surface.At(9, 0), kInk);
  EXPECT_EQ(surface.At(0, 7), kInk);
  EXPECT_EQ(surface.At(9, 7), kInk);
  EXPECT_EQ(surface.At(4, 3), kInk);
  EXPECT_EQ(surface.At(4, 5), kInk);
  EXPECT_EQ(surface.At(0, 4), kBackground);
  EXPECT_EQ(surface.At(9, 4), kBackground);
  // The long diagonal crosses the buffer on its main diagonal.
  EXPECT_EQ(surface.At(2, 2), kInk);
  EXPECT_EQ(surface.At(3, 2), kBackground);
}

TEST(PixelSurface, RecordsTextsWithPositionAndColourInForce) {
  PixelSurface surface = SmallSurface();
  surface.SetTextColor(0x00111111);
  surface.DrawText(20, 35, L"ど");
  surface.SetTextColor(0x00222222);
  surface.DrawText(0, 0, L" 0");
  surface.DrawText(-1, 0, L"left of the buffer");
  surface.DrawText(0, 120, L"below the buffer");
  surface.DrawText(30, 30, L"");
  const std::vector<RecordedText> expected = {{20, 35, L"ど", 0x00111111},
                                              {0, 0, L" 0", 0x00222222}};
  EXPECT_EQ(surface.Texts(), expected);
}

TEST(PixelSurface, PaintingOverATextsCornerPaintsTheTextOver) {
  PixelSurface surface = SmallSurface();
  surface.DrawText(20, 35, L"under a fill");   // pixel (1, 2)
  surface.DrawText(50, 35, L"beside");         // pixel (3, 2)
  surface.DrawText(20, 50, L"under a line");   // pixel (1, 3)
  surface.DrawText(0, 105, L"under a frame");  // pixel (0, 7)
  surface.DrawText(59, 74, L"inside a frame");  // pixel (3, 4)
  surface.FillRect(15, 30, 45, 45, kInk);  // pixels (1..2, 2)
  surface.Line(0, 50, 30, 50, kInk);       // pixels (0..1, 3)
  surface.OutlineRect(0, 45, 150, 120, kInk);
  surface.DrawText(20, 35, L"on top");
  std::vector<std::wstring> showing;
  for (const RecordedText& text : surface.Texts()) showing.push_back(text.text);
  EXPECT_EQ(showing, (std::vector<std::wstring>{L"beside", L"inside a frame", L"on top"}));
}

}  // namespace
