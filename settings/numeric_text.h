#pragma once
// The host's lenient reading of numbers in its files.
#include <cstdint>
#include <string_view>

// Every reader of the host's numbers, and of our colour texts, passes over these
// wherever they stand in a value.
constexpr bool IsIgnoredBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n'; }

// Blanks, tabs and line feeds are ignored anywhere; "&H"/"&O" start hexadecimal or
// octal numbers (16-bit two's complement up to FFFF unless followed by "&", else
// 32-bit); anything else is the longest decimal prefix; no number gives 0.
// Hexadecimal or octal digits worth more than 32 bits give their plain (positive)
// size, and decimals keep theirs, so that RoundHalfEven clamps them.
double NumericTextValue(std::wstring_view text);

// Nearest integer, halves to the even neighbour; values outside 32 bits are clamped
// to the nearest 32-bit limit (never wrapped), NaN gives 0.
std::int32_t RoundHalfEven(double value);
