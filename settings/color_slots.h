#pragma once
// The eighteen piano-roll colour slots. This one table gives each slot's key (in
// setting.ini and in the theme files), the caption of its label in the window (in
// Japanese and in English) and its standard colour; every reader, writer and window
// builder walks it.
#include <array>
#include <cstdint>

// Colours are 0x00BBGGRR: red in the lowest byte.
using Color = std::int32_t;

enum ColorSlot : int {
  COLOR_PIANO1,
  COLOR_PIANO2,
  COLOR_ROLL1,
  COLOR_ROLL2,
  COLOR_SEPA1,
  COLOR_SEPA2,
  COLOR_BACK,
  COLOR_FORE,
  COLOR_SHADOW,
  COLOR_NOTE_NOR,
  COLOR_NOTE_TOP,
  COLOR_NOTE_SEL,
  COLOR_NOTE_TNOR,
  COLOR_NOTE_TTOP,
  COLOR_NOTE_TSEL,
  COLOR_NOTE_RNOR,
  COLOR_NOTE_RTOP,
  COLOR_NOTE_RSEL,
};

inline constexpr int kColorSlotCount = 18;

using ColorArray = std::array<Color, kColorSlotCount>;

struct ColorSlotInfo {
  ColorSlot slot;
  const wchar_t* key;
  const wchar_t* caption;         // as a Japanese user reads it
  const wchar_t* englishCaption;  // for every other user
  Color standard;
  // What a screen reader says for the English caption where the label had to shorten
  // it to fit; nullptr where the caption is whole.
  const wchar_t* englishSpokenCaption = nullptr;
};

inline constexpr std::array<ColorSlotInfo, kColorSlotCount> kColorSlots = {{
    {COLOR_PIANO1, L"COLOR_PIANO1", L"白鍵色", L"White keys", 0x00FFFFFF},
    {COLOR_PIANO2, L"COLOR_PIANO2", L"黒鍵色", L"Black keys", 0x00404040},
    {COLOR_ROLL1, L"COLOR_ROLL1", L"ロール色（薄）", L"Roll (light)", 0x00FFFFFF},
    {COLOR_ROLL2, L"COLOR_ROLL2", L"ロール色（濃）", L"Roll (dark)", 0x00E0E0E0},
    {COLOR_SEPA1, L"COLOR_SEPA1", L"縦線（１小節）", L"Bar lines", 0x00FF40FF},
    {COLOR_SEPA2, L"COLOR_SEPA2", L"縦線の色（1/4小節）", L"Beat lines (1/4 bar)", 0x00FF8080},
    {COLOR_BACK, L"COLOR_BACK", L"バック色", L"Background", 0x00FFFFFF},
    {COLOR_FORE, L"COLOR_FORE", L"文字色", L"Text", 0x00000000},
    {COLOR_SHADOW, L"COLOR_SHADOW", L"ロールの区切り横線", L"Roll row lines", 0x00808080},
    {COLOR_NOTE_NOR, L"COLOR_NOTE_NOR", L"音符の色(通常)", L"Note (normal)", 0x00FFC000},
    {COLOR_NOTE_TOP, L"COLOR_NOTE_TOP", L"音符の色(選択トップ)", L"Note (selection top)", 0x00FF80FF},
    {COLOR_NOTE_SEL, L"COLOR_NOTE_SEL", L"音符の色(選択領域)", L"Note (selected)", 0x00FF40FF},
    {COLOR_NOTE_TNOR, L"COLOR_NOTE_TNOR", L"音符の文字色(通常)", L"Note text (normal)", 0x00000000},
    {COLOR_NOTE_TTOP, L"COLOR_NOTE_TTOP", L"音符の文字色(選択トップ)", L"Note text (sel. top)", 0x00800000,
     L"Note text (selection top)"},
    {COLOR_NOTE_TSEL, L"COLOR_NOTE_TSEL", L"音符の文字色(選択領域)", L"Note text (selected)", 0x00800000},
    {COLOR_NOTE_RNOR, L"COLOR_NOTE_RNOR", L"休符の色(通常)", L"Rest (normal)", 0x00FFFFFF},
    {COLOR_NOTE_RTOP, L"COLOR_NOTE_RTOP", L"休符の色(選択トップ)", L"Rest (selection top)", 0x00C0C0C0},
    {COLOR_NOTE_RSEL, L"COLOR_NOTE_RSEL", L"休符の色(選択領域)", L"Rest (selected)", 0x00808080},
}};
