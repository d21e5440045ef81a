#pragma once
// Whether a text holds anything only a Japanese reader reads: kana, kanji, the
// full-width forms and Japanese punctuation.
#include <string_view>

inline bool HoldsJapanese(std::wstring_view text) {
  for (const wchar_t c : text) {
    const bool punctuationOrKana = c >= 0x3000 && c <= 0x30FF;
    const bool kanji = c >= 0x4E00 && c <= 0x9FFF;
    const bool fullOrHalfWidth = c >= 0xFF00 && c <= 0xFFEF;
    if (punctuationOrKana || kanji || fullOrHalfWidth) return true;
  }
  return false;
}
