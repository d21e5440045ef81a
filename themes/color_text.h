#pragma once
// The six-digit text form of a colour, as the colour fields and theme files show it.
#include <string>
#include <string_view>

#include "settings/color_slots.h"

// Six upper-case hexadecimal digits of the low 24 bits (digits run blue, green, red).
std::wstring ColorToText(Color color);

// Bare hexadecimal digits, blanks/tabs/line feeds ignored, read as a 32-bit value;
// no leading digit gives 0.
Color TextToColor(std::wstring_view text);

// Keeps entered colours out of 0x8000-0xFFFF, which a 16-bit reading would make
// negative: such a colour gets a blue byte of 1.
Color LiftColor(Color color);
