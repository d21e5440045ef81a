#pragma once
// Reading hexadecimal digits, shared by the colour fields and the theme files.
#include <string_view>

#include "settings/color_slots.h"

// Both readers pass over these wherever they stand in a value.
constexpr bool IsIgnoredBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n'; }

// The value of the hexadecimal digits (either case) at the start of `text`, blanks
// passed over, up to the first other character; no digit gives 0. Digits beyond
// eight significant ones push the oldest out at the top: the result is the low 32
// bits, so an over-long text still gives a colour made of the digits typed last.
Color LeadingHexValue(std::wstring_view text);
