#include "themes/color_text.h"

#include <array>
#include <cstdint>

#include "settings/numeric_text.h"

namespace {

constexpr std::int8_t kNotHex = -1;
constexpr std::int8_t kBlank = -2;

// Every character below 128 classified once: a digit's value, a blank, or neither.
constexpr std::array<std::int8_t, 128> ClassifyAscii() {
  std::array<std::int8_t, 128> table{};
  for (auto& entry : table) entry = kNotHex;
  for (int c = '0'; c <= '9'; ++c) table[c] = static_cast<std::int8_t>(c - '0');
  for (int c = 'A'; c <= 'F'; ++c) table[c] = static_cast<std::int8_t>(c - 'A' + 10);
  for (int c = 'a'; c <= 'f'; ++c) table[c] = static_cast<std::int8_t>(c - 'a' + 10);
  for (std::size_t c = 0; c < table.size(); ++c) {
    if (IsIgnoredBlank(static_cast<wchar_t>(c))) table[c] = kBlank;
  }
  return table;
}

constexpr std::array<std::int8_t, 128> kAsciiClass = ClassifyAscii();

}  // namespace

std::wstring ColorToText(Color color) {
  static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
  const auto bits = static_cast<std::uint32_t>(color);
  std::wstring text(6, L'0');
  for (int i = 0; i < 6; ++i) text[5 - i] = kDigits[(bits >> (4 * i)) & 0xF];
  return text;
}

Color TextToColor(std::wstring_view text) {
  // A field holds bare digits; anything else in front ("&H" included) gives 0, and
  // whatever follows the leading digits ("8000x") is not looked at. Unsigned
  // arithmetic: shifting digits out at the top is well defined and is exactly "keep
  // the low 32 bits".
  std::uint32_t value = 0;
  for (wchar_t c : text) {
    const auto code = static_cast<std::uint32_t>(c);
    if (code >= kAsciiClass.size()) break;
    const std::int8_t kind = kAsciiClass[code];
    if (kind == kBlank) continue;
    if (kind == kNotHex) break;
    value = (value << 4) | static_cast<std::uint32_t>(kind);
  }
  return static_cast<Color>(value);
}

Color LiftColor(Color color) {
  // 0x8000-0xFFFF would read back as a negative 16-bit number wherever a reader
  // takes four hex digits as 16 bits; a blue byte of 1 keeps such colours out of it.
  if ((color & 0xFF8000) == 0x8000) return color | 0x10000;
  return color;
}
