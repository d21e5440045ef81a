#include "themes/color_text.h"

#include <cstdint>

#include "themes/hex_digits.h"

std::wstring ColorToText(Color color) {
  static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
  const auto bits = static_cast<std::uint32_t>(color);
  std::wstring text(6, L'0');
  for (int i = 0; i < 6; ++i) text[5 - i] = kDigits[(bits >> (4 * i)) & 0xF];
  return text;
}

Color TextToColor(std::wstring_view text) {
  // A field holds bare digits; anything else in front ("&H" included) gives 0, and
  // whatever follows the leading digits ("8000x") is not looked at.
  return LeadingHexValue(text);
}

Color LiftColor(Color color) {
  // 0x8000-0xFFFF would read back as a negative 16-bit number wherever a reader
  // takes four hex digits as 16 bits; a blue byte of 1 keeps such colours out of it.
  if ((color & 0xFF8000) == 0x8000) return color | 0x10000;
  return color;
}
