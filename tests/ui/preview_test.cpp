#include "ui/preview.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tests/ui/recording_surface.h"
#include "ui/layout.h"
#include "ui/pixel_surface.h"

// Readable failure messages for recorded texts (found by argument-dependent lookup).
[[maybe_unused]] static void PrintTo(const RecordedText& text, std::ostream* out) {
  *out << "(" << text.x << ", " << text.y << ", \"";
  for (wchar_t c : text.text) {
    if (c >= 0x20 && c < 0x7F) {
      *out << static_cast<char>(c);
    } else {
      *out << "\\u" << std::hex << static_cast<unsigned>(c) << std::dec;
    }
  }
  *out << "\", " << std::hex << "0x" << text.color << std::dec << ")";
}

namespace {

// Picture1: 7395 x 3675 twips outside, 493 x 245 pixels, inside a two-pixel sunken
// edge, so the drawing area is 489 x 241 pixels.
constexpr int kAreaWidth = 489;
constexpr int kAreaHeight = 241;
constexpr Color kUntouched = 0x00FEDCBA;

PixelSurface PreviewArea(Color background = kUntouched) {
  return PixelSurface(PreviewSize().width, PreviewSize().height, kAreaWidth, kAreaHeight, background);
}

// A different colour in every slot, none of them the untouched background, so that a
// slot drawn in place of another shows.
ColorArray DistinctColors() {
  ColorArray colors{};
  for (int i = 0; i < kColorSlotCount; ++i) colors[i] = 0x00203040 + 0x00070707 * i;
  return colors;
}

PixelSurface Redrawn(const ColorArray& colors) {
  PixelSurface surface = PreviewArea();
  RedrawPreview(surface, colors);
  return surface;
}

// The pixels where two pictures differ.
std::vector<std::pair<int, int>> Differences(const PixelSurface& a, const PixelSurface& b) {
  std::vector<std::pair<int, int>> differ;
  for (int py = 0; py < a.PixelHeight(); ++py) {
    for (int px = 0; px < a.PixelWidth(); ++px) {
      if (a.At(px, py) != b.At(px, py)) differ.emplace_back(px, py);
    }
  }
  return differ;
}

std::vector<std::pair<int, int>> Box(int left, int top, int right, int bottom) {
  std::vector<std::pair<int, int>> pixels;
  for (int py = top; py < bottom; ++py) {
    for (int px = left; px < right; ++px) pixels.emplace_back(px, py);
  }
  return pixels;
}

// Keyboard row i lies from pixel 14 * i - 490 down for 14 pixels.
int RowTop(int i) { return 14 * i - 490; }

constexpr int kRulerLine = 28;  // pixel row of y = 420
constexpr int kKeyboardEdge = 104;  // pixel column of x = 1560
// Pixel columns of the beat lines j = 0 to 9, the ones in view.
constexpr int kBeatColumns[] = {104, 146, 189, 232, 274, 317, 360, 402, 445, 488};

TEST(Preview, KeyboardShowsTheKeysFromTheRulerBandDown) {
  struct Key {
    const char* name;
    bool black;
    bool whiteAbove;  // a white key directly above: B and E
  };
  const std::vector<Key> keys = {
      {"B", false, true},   {"A#", true, false},  {"A", false, false}, {"G#", true, false},
      {"G", false, false},  {"F#", true, false},  {"F", false, false}, {"E", false, true},
      {"D#", true, false},  {"D", false, false},  {"C#", true, false}, {"C", false, false},
      {"B", false, true},   {"A#", true, false},  {"A", false, false}, {"G#", true, false},
  };
  const ColorArray colors = DistinctColors();
  const PixelSurface surface = Redrawn(colors);
  ASSERT_EQ(RowTop(37), kRulerLine);
  ASSERT_LT(RowTop(52) + 2, kAreaHeight);  // part of the last G# shows
  ASSERT_GE(RowTop(53), kAreaHeight);

  for (int n = 0; n < static_cast<int>(keys.size()); ++n) {
    const Key& key = keys[n];
    const int i = 37 + n;
    const int top = RowTop(i);
    SCOPED_TRACE(std::string(key.name) + " in row " + std::to_string(i));
    const Color keyColor = colors[key.black ? COLOR_PIANO2 : COLOR_PIANO1];
    EXPECT_EQ(surface.At(30, top + 2), keyColor);  // left part: the black key's length
    EXPECT_EQ(surface.At(80, top + 2), colors[COLOR_PIANO1]);  // right part: always white
    EXPECT_EQ(surface.At(470, top + 2), colors[key.black ? COLOR_ROLL2 : COLOR_ROLL1]);
    if (top + 6 < kAreaHeight) {
      // The two white keys beside a black one meet 90 twips below its top.
      EXPECT_EQ(surface.At(80, top + 6), key.black ? colors[COLOR_PIANO2] : colors[COLOR_PIANO1]);
    }
    if (top > kRulerLine) {
      EXPECT_EQ(surface.At(30, top), key.whiteAbove ? colors[COLOR_PIANO2] : keyColor);
      EXPECT_EQ(surface.At(80, top), key.whiteAbove ? colors[COLOR_PIANO2] : colors[COLOR_PIANO1]);
    }
  }
}

TEST(Preview, C4IsTheOnlyOctaveLabelInView) {
  const ColorArray colors = DistinctColors();
  const PixelSurface surface = Redrawn(colors);
  std::vector<RecordedText> labels;
  for (const RecordedText& text : surface.Texts()) {
    if (text.text.starts_with(L"C")) labels.push_back(text);
  }
  // C5 of row 36 lies under the ruler band, the others outside the area.
  const std::vector<RecordedText> expected = {{1050, 2730, L"C4", colors[COLOR_FORE]}};
  EXPECT_EQ(labels, expected);
}

TEST(Preview, LineUnderEachCIsInTheTextColourAndTheOthersInShadow) {
  const ColorArray colors = DistinctColors();
  const PixelSurface surface = Redrawn(colors);
  // Right of the sample phrase and left of the last beat line nothing covers them.
  for (int i = 37; i <= 51; ++i) {
    const int line = RowTop(i) + 14;
    SCOPED_TRACE("under row " + std::to_string(i));
    const Color expected = colors[i == 48 ? COLOR_FORE : COLOR_SHADOW];
    for (int px = 446; px < 488; ++px) ASSERT_EQ(surface.At(px, line), expected) << px;
  }
  EXPECT_EQ(RowTop(48) + 14, 196);  // y = 2940
  // The ruler line, where no beat line starts on it.
  for (int px = 0; px < kAreaWidth; ++px) {
    const bool beatLine = std::find(std::begin(kBeatColumns), std::end(kBeatColumns), px) !=
                          std::end(kBeatColumns);
    if (!beatLine) {
      ASSERT_EQ(surface.At(px, kRulerLine), colors[COLOR_FORE]) << px;
    }
  }
}

TEST(Preview, BarNumbersInViewCarryALeadingBlank) {
  const ColorArray colors = DistinctColors();
  const PixelSurface surface = Redrawn(colors);
  std::vector<RecordedText> numbers;
  for (const RecordedText& text : surface.Texts()) {
    if (text.y == 15) numbers.push_back(text);
  }
  const Color fore = colors[COLOR_FORE];
  const std::vector<RecordedText> expected = {
      {1470, 15, L" 0", fore}, {4030, 15, L" 1", fore}, {6590, 15, L" 2", fore}};
  EXPECT_EQ(numbers, expected);
}

TEST(Preview, BeatLinesWithABarLineEveryFourth) {
  const ColorArray colors = DistinctColors();
  const PixelSurface surface = Redrawn(colors);
  // Above the highest sample note (row 4, pixel 56) the lines run clear.
  for (int j = 0; j < 10; ++j) {
    SCOPED_TRACE("beat " + std::to_string(j));
    const int px = kBeatColumns[j];
    const Color line = colors[j % 4 == 0 ? COLOR_SEPA1 : COLOR_SEPA2];
    for (int py = kRulerLine; py < 56; ++py) ASSERT_EQ(surface.At(px, py), line) << py;
    EXPECT_EQ(surface.At(px, kRulerLine - 1), colors[COLOR_BACK]);
    EXPECT_NE(surface.At(px - 1, 35), line);
    if (px + 1 < kAreaWidth) {
      EXPECT_NE(surface.At(px + 1, 35), line);
    }
  }
}

TEST(Preview, BarLineOnTheKeyboardEdgeRunsFromTheRulerDown) {
  const ColorArray colors = DistinctColors();
  const PixelSurface surface = Redrawn(colors);
  EXPECT_EQ(surface.At(kKeyboardEdge, kRulerLine - 1), colors[COLOR_BACK]);
  for (int py = kRulerLine; py < kAreaHeight; ++py) {
    // Only the frame of the first note (row 13: pixels 182 to 195) lies over it.
    const bool underFirstNote = py >= 182 && py < 196;
    ASSERT_EQ(surface.At(kKeyboardEdge, py),
              colors[underFirstNote ? COLOR_NOTE_TNOR : COLOR_SEPA1])
        << py;
  }
  EXPECT_EQ(surface.At(kKeyboardEdge - 1, 100), colors[COLOR_PIANO1]);
}

TEST(Preview, SampleNotesAreFilledAndFramedInTheirSlots) {
  struct Entry {
    int left, right;  // pixel columns, right exclusive
    int rowTop;       // pixel row
    const wchar_t* text;
    ColorSlot fill, frame;
  };
  const std::vector<Entry> entries = {
      {104, 146, 182, L"ど", COLOR_NOTE_NOR, COLOR_NOTE_TNOR},
      {146, 189, 154, L"れ", COLOR_NOTE_NOR, COLOR_NOTE_TNOR},
      {189, 232, 126, L"み", COLOR_NOTE_NOR, COLOR_NOTE_TNOR},
      {232, 274, 182, L"R", COLOR_NOTE_RNOR, COLOR_NOTE_TNOR},
      {274, 317, 112, L"ふぁ", COLOR_NOTE_TOP, COLOR_NOTE_TTOP},
      {317, 360, 84, L"そ", COLOR_NOTE_SEL, COLOR_NOTE_TSEL},
      {360, 402, 56, L"ら", COLOR_NOTE_SEL, COLOR_NOTE_TSEL},
      {402, 445, 182, L"R", COLOR_NOTE_RSEL, COLOR_NOTE_TSEL},
      {360, 402, 196, L"R", COLOR_NOTE_RTOP, COLOR_NOTE_TTOP},
  };
  const ColorArray colors = DistinctColors();
  const PixelSurface surface = Redrawn(colors);

  std::vector<RecordedText> noteTexts;
  for (const RecordedText& text : surface.Texts()) {
    if (text.y != 15 && !text.text.starts_with(L"C")) noteTexts.push_back(text);
  }
  ASSERT_EQ(noteTexts.size(), entries.size());

  for (std::size_t n = 0; n < entries.size(); ++n) {
    const Entry& e = entries[n];
    SCOPED_TRACE("entry " + std::to_string(n + 1));
    const int bottom = e.rowTop + 14;
    for (const auto& [px, py] : Box(e.left, e.rowTop, e.right, bottom)) {
      const bool onFrame = px == e.left || px == e.right - 1 || py == e.rowTop || py == bottom - 1;
      ASSERT_EQ(surface.At(px, py), colors[onFrame ? e.frame : e.fill]) << px << "," << py;
    }
    // The text sits 15 twips in from the box's corner, in the frame's colour.
    const int x = 1560 + 640 * static_cast<int>(n == 8 ? 6 : n);
    EXPECT_EQ(noteTexts[n], (RecordedText{x + 15, e.rowTop * 15 + 15, e.text, colors[e.frame]}));
  }
  // The last entry leaves its text colour on the surface.
  EXPECT_EQ(surface.TextColor(), colors[COLOR_NOTE_TTOP]);
}

TEST(Preview, ChangingOnlyTheBackColourChangesOnlyTheRulerBand) {
  ColorArray colors = DistinctColors();
  const PixelSurface before = Redrawn(colors);
  colors[COLOR_BACK] = 0x000000FF;
  const PixelSurface after = Redrawn(colors);
  EXPECT_EQ(Differences(before, after), Box(0, 0, kAreaWidth, kRulerLine));
  EXPECT_EQ(before.Texts(), after.Texts());
}

TEST(Preview, ChangingOnlyTheSelectionTopRestColourChangesOnlyTheLastEntrysFill) {
  ColorArray colors = DistinctColors();
  const PixelSurface before = Redrawn(colors);
  colors[COLOR_NOTE_RTOP] = 0x0000FF00;
  const PixelSurface after = Redrawn(colors);
  // Entry 9 fills pixels 360..401 x 196..209; its frame keeps the inner border.
  EXPECT_EQ(Differences(before, after), Box(361, 197, 401, 209));
  EXPECT_EQ(before.Texts(), after.Texts());
}

TEST(Preview, ARedrawGivesTheSamePictureWhateverWasShownBefore) {
  const ColorArray colors = DistinctColors();
  const PixelSurface fresh = Redrawn(colors);

  PixelSurface reused = PreviewArea(0x00000000);
  ColorArray others = colors;
  for (Color& color : others) color = 0x00FFFFFF - color;
  RedrawPreview(reused, others);
  reused.FillRect(-500, -500, 9000, 9000, 0x00ABCDEF);
  reused.SetTextColor(0x00ABCDEF);
  for (int y = -300; y < 4000; y += 97) reused.DrawText(y * 2, y, L"left over");
  RedrawPreview(reused, colors);

  EXPECT_TRUE(Differences(fresh, reused).empty());
  EXPECT_EQ(fresh.Texts(), reused.Texts());
  EXPECT_EQ(fresh.TextColor(), reused.TextColor());
}

TEST(Preview, NoteTakesItsRowAndWidthAsReals) {
  PixelSurface surface = PreviewArea();
  // Row 2.5 starts at y = 525; the box is (1590, 525)-(1635, 735).
  DrawNote(surface, 30.0f, 2.5f, 45.0f, L"x", 0x00000011, 0x00000022);
  EXPECT_EQ(surface.At(106, 35), 0x00000011);
  EXPECT_EQ(surface.At(107, 36), 0x00000022);
  EXPECT_EQ(surface.At(108, 48), 0x00000011);
  EXPECT_EQ(surface.At(109, 40), kUntouched);
  EXPECT_EQ(surface.At(107, 49), kUntouched);
  const std::vector<RecordedText> expected = {{1605, 540, L"x", 0x00000011}};
  EXPECT_EQ(surface.Texts(), expected);
}

// The Windows surface keeps only the latest picture's calls, to paint them again at a
// new DPI: a redraw begins its picture before it paints anything, and only once.
TEST(Preview, ARedrawBeginsOnePictureBeforeItPaints) {
  RecordingSurface surface;
  RedrawPreview(surface, DistinctColors());
  RedrawPreview(surface, DistinctColors());
  const std::vector<DrawingCall>& calls = surface.Calls();
  ASSERT_FALSE(calls.empty());
  std::vector<std::size_t> begins;
  for (std::size_t i = 0; i < calls.size(); ++i) {
    if (calls[i].kind == DrawingCall::Kind::BeginPicture) begins.push_back(i);
  }
  EXPECT_EQ(begins, (std::vector<std::size_t>{0, calls.size() / 2}));
}

}  // namespace
