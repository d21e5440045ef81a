#pragma once
// The six-digit text form of a colour, as the colour fields and theme files show it.
#include <string>
#include <string_view>

#include "settings/color_slots.h"

// Six upper-case hexadecimal digits of the low 24 bits (digits run blue, green, red),
// leading zeros kept. (setting.ini writes colours unpadded: UnpaddedHexText.)
std::wstring ColorToText(Color color);

// The value of the hexadecimal digits (either case) at the start of `text`, blanks,
// tabs and line feeds passed over, up to the first other character; no digit gives
// 0. Digits beyond eight significant ones push the oldest out at the top: the result
// is the low 32 bits, so an over-long text still gives a colour made of the digits
// typed last. The colour fields and the theme files' "&H" values both read so.
Color TextToColor(std::wstring_view text);

// Keeps entered colours out of 0x8000-0xFFFF, which a 16-bit reading would make
// negative: such a colour gets a blue byte of 1.
Color LiftColor(Color color);
