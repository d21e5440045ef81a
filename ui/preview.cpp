#include "ui/preview.h"

#include <array>
#include <cmath>
#include <string_view>

namespace {

// The roll's geometry, in twips.
constexpr int kKeyboardWidth = 1560;  // also the left edge of the roll
constexpr int kRowHeight = 210;       // one semitone
constexpr int kRowOrigin = 7350;      // row i lies at y = 210 * i - 7350
constexpr int kRowCount = 85;
constexpr int kBlackKeyLength = 900;
constexpr int kBlackKeyBoundary = 90;  // the white keys beside a black key meet here
constexpr int kLaneGap = 15;           // left above each lane for the line below the row
constexpr int kOctaveLabelX = 1050;
constexpr int kRulerHeight = 420;
constexpr int kBeatsPerBar = 4;
constexpr int kBeatLineCount = 37;
constexpr int kBarNumberShift = 90;  // left of its bar line, so the digit sits on it
constexpr int kBarNumberTop = 15;
constexpr int kNoteTextInset = 15;
constexpr int kRowsPerOctave = 12;

// A quarter of a 1920-tick bar, as the host lays out beats.
constexpr float kBeatWidthReal = 1920.0f / 3.0f;
constexpr int kBeatWidth = static_cast<int>(kBeatWidthReal + 0.5f);  // 640

// The kind of each row within an octave, from B down to C: '2' a white key with a
// white key above it, '1' a black key, '0' a white key with a black key above it.
constexpr std::wstring_view kKeyPattern = L"2101010210102";

struct SampleEntry {
  int column;  // beat column from the roll's left edge
  int row;
  Phrase text;
  ColorSlot fill;
  ColorSlot outlineAndText;
};

// A short phrase showing normal notes, a selection top, a selected range and rests.
constexpr std::array<SampleEntry, 9> kSamplePhrase = {{
    {0, 13, {L"ど", L"do"}, COLOR_NOTE_NOR, COLOR_NOTE_TNOR},
    {1, 11, {L"れ", L"re"}, COLOR_NOTE_NOR, COLOR_NOTE_TNOR},
    {2, 9, {L"み", L"mi"}, COLOR_NOTE_NOR, COLOR_NOTE_TNOR},
    {3, 13, {L"R", L"R"}, COLOR_NOTE_RNOR, COLOR_NOTE_TNOR},
    {4, 8, {L"ふぁ", L"fa"}, COLOR_NOTE_TOP, COLOR_NOTE_TTOP},
    {5, 6, {L"そ", L"so"}, COLOR_NOTE_SEL, COLOR_NOTE_TSEL},
    {6, 4, {L"ら", L"la"}, COLOR_NOTE_SEL, COLOR_NOTE_TSEL},
    {7, 13, {L"R", L"R"}, COLOR_NOTE_RSEL, COLOR_NOTE_TSEL},
    {6, 14, {L"R", L"R"}, COLOR_NOTE_RTOP, COLOR_NOTE_TTOP},
}};

// Nearest whole twip of a note coordinate. Out-of-range values are held far outside
// any surface rather than left to an undefined conversion.
int ToTwips(float value) {
  constexpr float kLimit = 1.0e8f;
  if (!(value > -kLimit)) return -static_cast<int>(kLimit);  // also NaN
  if (value > kLimit) return static_cast<int>(kLimit);
  return static_cast<int>(std::lround(value));
}

void DrawRow(PreviewSurface& surface, const ColorArray& colors, int i) {
  const int width = surface.Width();
  const int y = kRowHeight * i - kRowOrigin;
  const int laneTop = y + kLaneGap;
  const int rowBottom = y + kRowHeight;

  switch (kKeyPattern[static_cast<std::size_t>((i - 1) % kRowsPerOctave)]) {
    case L'0':
      surface.FillRect(kKeyboardWidth, laneTop, width, rowBottom, colors[COLOR_ROLL1]);
      break;
    case L'1':
      surface.Line(kBlackKeyLength, y + kBlackKeyBoundary, kKeyboardWidth, y + kBlackKeyBoundary,
                   colors[COLOR_PIANO2]);
      surface.FillRect(0, y, kBlackKeyLength, rowBottom, colors[COLOR_PIANO2]);
      surface.FillRect(kKeyboardWidth, laneTop, width, rowBottom, colors[COLOR_ROLL2]);
      break;
    default:  // '2'
      surface.Line(0, y, kKeyboardWidth, y, colors[COLOR_PIANO2]);
      surface.FillRect(kKeyboardWidth, laneTop, width, rowBottom, colors[COLOR_ROLL1]);
      break;
  }

  const bool isC = i % kRowsPerOctave == 0;
  surface.Line(kKeyboardWidth, rowBottom, width, rowBottom,
               colors[isC ? COLOR_FORE : COLOR_SHADOW]);
  if (isC) {
    surface.DrawText(kOctaveLabelX, y, L"C" + std::to_wstring(8 - i / kRowsPerOctave));
  }
}

}  // namespace

void RedrawPreview(PreviewSurface& surface, const ColorArray& colors, Language language) {
  surface.BeginPicture();
  DrawRoll(surface, colors);
  DrawSampleNotes(surface, colors, language);
}

void DrawRoll(PreviewSurface& surface, const ColorArray& colors) {
  const int width = surface.Width();
  const int height = surface.Height();
  surface.SetTextColor(colors[COLOR_FORE]);

  // White keys first; black keys, lanes and lines go on top row by row.
  surface.FillRect(0, kRowHeight, kKeyboardWidth, height, colors[COLOR_PIANO1]);
  for (int i = 1; i <= kRowCount; ++i) DrawRow(surface, colors, i);

  // The ruler band covers whatever the rows left above it.
  surface.FillRect(0, 0, width, kRulerHeight, colors[COLOR_BACK]);
  surface.Line(0, kRulerHeight, width, kRulerHeight, colors[COLOR_FORE]);

  for (int j = 0; j < kBeatLineCount; ++j) {
    const int x = kKeyboardWidth + kBeatWidth * j;
    const bool isBar = j % kBeatsPerBar == 0;
    surface.Line(x, kRulerHeight, x, height, colors[isBar ? COLOR_SEPA1 : COLOR_SEPA2]);
    if (isBar) {
      // The blank stands where a sign would, as the host prints numbers.
      surface.DrawText(x - kBarNumberShift, kBarNumberTop, L" " + std::to_wstring(j / kBeatsPerBar));
    }
  }
}

void DrawSampleNotes(PreviewSurface& surface, const ColorArray& colors, Language language) {
  for (const SampleEntry& entry : kSamplePhrase) {
    DrawNote(surface, kBeatWidthReal * static_cast<float>(entry.column),
             static_cast<float>(entry.row), kBeatWidthReal, entry.text.In(language),
             colors[entry.outlineAndText], colors[entry.fill]);
  }
}

void DrawNote(PreviewSurface& surface, float x, float r, float w, const std::wstring& text,
              Color textColor, Color fillColor) {
  const float left = static_cast<float>(kKeyboardWidth) + x;
  const float top = static_cast<float>(kRowHeight) * r;
  const int x1 = ToTwips(left);
  const int y1 = ToTwips(top);
  const int x2 = ToTwips(left + w);
  const int y2 = ToTwips(top + static_cast<float>(kRowHeight));

  surface.FillRect(x1, y1, x2, y2, fillColor);
  surface.OutlineRect(x1, y1, x2, y2, textColor);
  surface.SetTextColor(textColor);
  surface.DrawText(x1 + kNoteTextInset, y1 + kNoteTextInset, text);
}
