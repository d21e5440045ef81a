#include "themes/hex_digits.h"

#include <cstdint>

namespace {

int HexDigitValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  return -1;
}

}  // namespace

Color LeadingHexValue(std::wstring_view text) {
  // Unsigned arithmetic: shifting digits out at the top is well defined and is
  // exactly "keep the low 32 bits".
  std::uint32_t value = 0;
  for (wchar_t c : text) {
    if (IsIgnoredBlank(c)) continue;
    const int digit = HexDigitValue(c);
    if (digit < 0) break;
    value = (value << 4) | static_cast<std::uint32_t>(digit);
  }
  return static_cast<Color>(value);
}
