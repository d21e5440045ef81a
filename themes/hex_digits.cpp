#include "themes/hex_digits.h"

#include <array>
#include <cstdint>

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

Color LeadingHexValue(std::wstring_view text) {
  // Unsigned arithmetic: shifting digits out at the top is well defined and is
  // exactly "keep the low 32 bits".
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
