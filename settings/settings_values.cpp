#include "settings/settings_values.h"

#include "settings/numeric_text.h"

std::optional<SettingsLine> SplitSettingsLine(std::wstring_view line) {
  const std::size_t first = line.find(L'=');
  if (first == std::wstring_view::npos) return std::nullopt;
  SettingsLine piece;
  piece.key = line.substr(0, first);
  const std::wstring_view rest = line.substr(first + 1);
  const std::size_t second = rest.find(L'=');
  piece.value = rest.substr(0, second);
  piece.hasSecondEquals = second != std::wstring_view::npos;
  return piece;
}

bool ReadFlag(std::wstring_view value, std::wstring_view trueText) { return value == trueText; }

std::int32_t ReadInteger(std::wstring_view value) { return RoundHalfEven(NumericTextValue(value)); }

Color ReadColor(std::wstring_view value) {
  std::wstring text(value);
  text += L'&';
  return RoundHalfEven(NumericTextValue(text));
}

std::wstring UnpaddedHexText(Color color) {
  static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
  std::uint32_t bits = static_cast<std::uint32_t>(color);
  std::wstring reversed;
  do {
    reversed += kDigits[bits & 0xF];
    bits >>= 4;
  } while (bits != 0);
  return std::wstring(reversed.rbegin(), reversed.rend());
}

std::wstring DecimalText(std::int32_t value) { return std::to_wstring(value); }
