#include <gtest/gtest.h>

#include <string>

#include "platform/utf8.h"
#include "themes/color_text.h"

namespace {

TEST(ColorText, ColorToTextShowsSixDigitsOfTheLow24Bits) {
  const struct {
    Color color;
    const wchar_t* text;
  } cases[] = {
      {0, L"000000"},         {0xFF, L"0000FF"},        {0x123456, L"123456"},
      {-1, L"FFFFFF"},        {0x1ABCDEF, L"ABCDEF"},   {0xFF0000, L"FF0000"},
      {0x18000, L"018000"},   {INT32_MIN, L"000000"},   {0x00ABCD, L"00ABCD"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(platform::ToUtf8(c.text));
    EXPECT_EQ(ColorToText(c.color), c.text);
  }
}

TEST(ColorText, TextToColorReadsLeadingHexDigitsAs32Bits) {
  const struct {
    const wchar_t* text;
    Color color;
  } cases[] = {
      {L"ff", 255},
      {L"", 0},
      {L"zz", 0},
      {L"8000", 32768},  // never the 16-bit -32768
      {L"ffff", 0xFFFF},
      {L"FFFFFFFF", -1},
      {L"80000000", INT32_MIN},
      {L"&H12", 0},  // a typed prefix is not a digit
      {L"00 FF 00", 0xFF00},
      {L"\t1\n2 3", 0x123},
      {L"  ff", 0xFF},
      {L"8000x", 0x8000},  // junk after the digits is not looked at
      {L"80x00", 0x80},
      {L"1000000", 0x1000000},
      // Beyond 32 bits the digits typed last are kept.
      {L"123456789", 0x23456789},
      {L"FFFFFFFFFFFF00FF", static_cast<Color>(0xFFFF00FF)},
      {L"0000000000ABCDEF", 0xABCDEF},  // leading zeros are not significant
      {L"\x3000ff", 0},                  // an ideographic space is no blank
      {L"\rff", 0},                      // nor is a carriage return
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(platform::ToUtf8(c.text));
    EXPECT_EQ(TextToColor(c.text), c.color);
  }
}

TEST(ColorText, LiftColorMovesOnlyTheRangeThatReadsNegativeIn16Bits) {
  const struct {
    Color in;
    Color out;
  } cases[] = {
      {0x8000, 0x18000},     {0xFFFF, 0x1FFFF},    {0xFF00, 0x1FF00},
      {0x7FFF, 0x7FFF},      {0, 0},               {0xFF8000, 0xFF8000},
      {0x18000, 0x18000},    {0x1008000, 0x1018000},  // the top byte is not looked at
      {-1, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(LiftColor(c.in), c.out);
  }
}

}  // namespace
