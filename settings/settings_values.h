#pragma once
// How one line of setting.ini is cut into key and value, and how a value is read as a
// flag, an integer or a colour and written back.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/color_slots.h"

struct SettingsLine {
  std::wstring_view key;    // before the first "="
  std::wstring_view value;  // between the first and the second "=", or to the end
  bool hasSecondEquals = false;
};

// Nothing is trimmed; a line without "=" has no key and gives nothing.
std::optional<SettingsLine> SplitSettingsLine(std::wstring_view line);

// True exactly when the value is the flag's true text ("1" or "True").
bool ReadFlag(std::wstring_view value, std::wstring_view trueText);

// The numeric-text reading, rounded half to even.
std::int32_t ReadInteger(std::wstring_view value);

// As an integer, but with "&" appended, so that every hexadecimal text is 32-bit:
// "&H8000" is 32768, not -32768.
Color ReadColor(std::wstring_view value);

// Upper-case hexadecimal digits of all 32 bits without leading zeros, as setting.ini
// writes colours after "&H"; a negative value shows all eight digits. (The colour
// fields and the theme files show six digits, zeros kept: ColorToText.)
std::wstring UnpaddedHexText(Color color);

// Decimal digits with a minus sign when negative.
std::wstring DecimalText(std::int32_t value);
