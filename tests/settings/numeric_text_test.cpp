#include "settings/numeric_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/utf8.h"
#include "settings/settings_values.h"

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct TextCase {
  std::wstring text;
  double expected;
};

TEST(NumericText, ReadsHexadecimalAndOctalAs16Or32BitTwosComplement) {
  const TextCase cases[] = {
      {L"&HFF", 255}, {L"&hff", 255}, {L"&H7FFF", 32767}, {L"&H8000", -32768}, {L"&HFFFF", -1},
      {L"&H0000FFFF", -1},  // leading zeros do not make it 32-bit
      {L"&H8000&", 32768}, {L"&HFFFF&", 65535}, {L"&H10000", 65536}, {L"&H7FFFFFFF", 2147483647},
      {L"&H80000000", -2147483648.0}, {L"&HFFFFFFFF", -1}, {L"&HFFFFFFFF&", -1},
      {L"&H1G", 1},  // digits end at the first non-digit
      {L"&H", 0}, {L"&HG", 0}, {L"&H-5", 0}, {L"&O17", 15}, {L"&o177777", -1}, {L"&O177777&", 65535},
      {L"&O200000", 65536}, {L"&O37777777777", -1}, {L"&O78", 7}, {L"&O8", 0},
      // Beyond 32 bits: the plain size, which RoundHalfEven clamps.
      {L"&H100000000", 4294967296.0}, {L"&H1FFFFFFFF", 8589934591.0}, {L"&O40000000000", 4294967296.0},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(platform::ToUtf8(c.text));
    EXPECT_EQ(NumericTextValue(c.text), c.expected);
  }
}

TEST(NumericText, ReadsTheLongestDecimalPrefixWhateverTheLocale) {
  const TextCase cases[] = {
      {L"42", 42}, {L"-42", -42}, {L"+7", 7}, {L"2.5", 2.5}, {L"-0.25", -0.25}, {L".5", 0.5}, {L"5.", 5},
      {L"1E3", 1000}, {L"1e3", 1000}, {L"1D3", 1000}, {L"1d-2", 0.01}, {L"1.5E+2", 150}, {L"1E", 1},
      {L"1E+", 1}, {L"1.2.3", 1.2}, {L"1,5", 1}, {L"12abc", 12}, {L"16777215&", 16777215},
      {L"99999999999", 99999999999.0}, {L"1E400", kInfinity}, {L"-1E400", -kInfinity}, {L"0.000001E-400", 0},
      {L"0E999999999999", 0},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(platform::ToUtf8(c.text));
    EXPECT_EQ(NumericTextValue(c.text), c.expected);
  }
}

TEST(NumericText, RemovesBlanksTabsAndLineFeedsAnywhere) {
  const TextCase cases[] = {
      {L" 1 2 ", 12}, {L"\t-\n3", -3}, {L"& H F F", 255}, {L"&H8000 &", 32768}, {L"1 E 3", 1000},
      {L"\r5", 0},  // a carriage return is not a blank
      {L"\x3000" L"5", 0},  // nor is the wide ideographic space
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(platform::ToUtf8(c.text));
    EXPECT_EQ(NumericTextValue(c.text), c.expected);
  }
}

TEST(NumericText, TextWithoutANumberAtItsStartIsZero) {
  for (const std::wstring text : {L"", L"   ", L"abc", L"-", L"--5", L"+-5", L"&", L"&X12", L"FFFFFF", L"E5", L".",
                                  L"x1", L"１２"}) {
    SCOPED_TRACE(platform::ToUtf8(text));
    EXPECT_EQ(NumericTextValue(text), 0.0);
  }
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbourAndClampsTo32Bits) {
  const struct {
    double value;
    std::int32_t expected;
  } cases[] = {
      {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {2.4999, 2}, {2.5001, 3}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
      {-2.6, -3}, {7, 7}, {2147483646.5, 2147483646}, {2147483647.5, kMax}, {1e12, kMax}, {kInfinity, kMax},
      {-2147483648.5, kMin}, {-1e12, kMin}, {-kInfinity, kMin}, {std::nan(""), 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(RoundHalfEven(c.value), c.expected);
  }
}

TEST(SettingsValues, ColoursAreWrittenInUnpaddedHexadecimalAndReadBack) {
  const struct {
    Color color;
    std::wstring text;
  } cases[] = {{0, L"0"}, {0xABC, L"ABC"}, {0x8000, L"8000"}, {0xFFFF, L"FFFF"}, {0xFFFFFF, L"FFFFFF"},
               {-1, L"FFFFFFFF"}, {kMin, L"80000000"}, {kMax, L"7FFFFFFF"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.color);
    EXPECT_EQ(UnpaddedHexText(c.color), c.text);
    EXPECT_EQ(ReadColor(L"&H" + c.text), c.color);
  }
}

}  // namespace
