// Every form of line the theme store reader takes.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "platform/utf8.h"
#include "themes/theme_store.h"

namespace {

using Lines = std::vector<std::wstring>;

TEST(ThemeStoreLines, ColorValuesReadAsHex32BitsOrRoundedDecimals) {
  const struct {
    const wchar_t* value;
    Color color;
  } cases[] = {
      {L"&H008000", 0x008000},   {L"&HFF8000", 0xFF8000},  {L"&H8000", 32768},
      {L"&HFFFFFFFF", -1},       {L"&hffc0C0", 0xFFC0C0},  {L"&H8000&", 32768},
      {L"&H", 0},                {L"&HFFx1", 0xFF},        {L" & H 00 FF\t00 ", 0xFF00},
      {L"&H\n12", 0x12},         {L"&O17", 0},             {L"&", 0},
      {L"&H123456789", 0x23456789},  // beyond 32 bits: the last eight digits
      {L"255", 255},             {L"-1", -1},              {L"2.5", 2},
      {L"3.5", 4},               {L"1e3", 1000},           {L"12abc", 12},
      {L"FFFFFF", 0},            {L"abc", 0},              {L"", 0},
      {L"99999999999", INT32_MAX},  // decimals beyond 32 bits are clamped
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(platform::ToUtf8(c.value));
    const std::vector<Theme> themes =
        ReadThemeStoreLines({L"[t]", std::wstring(L"COLOR_SHADOW=") + c.value});
    ASSERT_EQ(themes.size(), 1u);
    EXPECT_EQ(themes[0].Colors[COLOR_SHADOW], c.color);
  }
}

TEST(ThemeStoreLines, SectionLineNamesDropFirstAndLastCharacter) {
  const struct {
    const wchar_t* line;
    const wchar_t* name;
  } cases[] = {
      {L"[Night]", L"Night"}, {L"[Night", L"Nigh"}, {L"[]", L""},
      {L"[a]b]", L"a]b"},     {L"[", L""},         {L"[[夜の海]]", L"[夜の海]"},
      {L"[ x ] ", L" x ]"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(platform::ToUtf8(c.line));
    const std::vector<Theme> themes = ReadThemeStoreLines({c.line});
    ASSERT_EQ(themes.size(), 1u);
    EXPECT_EQ(themes[0].Name, c.name);
    EXPECT_EQ(themes[0].Colors, ColorArray{});
    EXPECT_EQ(themes[0].TransformTitle, L"");
  }
}

TEST(ThemeStoreLines, KeysMustMatchExactly) {
  const wchar_t* ignored[] = {
      L"COLOR_BACK = &H00FF00", L"COLOR_BACK =&H00FF00", L" COLOR_BACK=&H00FF00",
      L"color_back=&H00FF00",   L"COLOR_BACKGROUND=&HFF", L"COLOR_BAC=&HFF",
      L"Color_Back=&HFF",       L"transformtitle=x",      L"TransformTitle =x",
  };
  for (const wchar_t* line : ignored) {
    SCOPED_TRACE(platform::ToUtf8(line));
    const std::vector<Theme> themes = ReadThemeStoreLines({L"[t]", line});
    ASSERT_EQ(themes.size(), 1u);
    EXPECT_EQ(themes[0].Colors, ColorArray{});
    EXPECT_EQ(themes[0].TransformTitle, L"");
  }
}

TEST(ThemeStoreLines, EveryKeyReachesItsOwnSlotInAnyOrder) {
  // Each key gets a different value; a mixed-up key would land in the wrong slot.
  for (bool reversed : {false, true}) {
    SCOPED_TRACE(reversed ? "reversed" : "slot order");
    Lines lines = {L"[t]"};
    for (int i = 0; i < kColorSlotCount; ++i) {
      const ColorSlotInfo& info = kColorSlots[reversed ? kColorSlotCount - 1 - i : i];
      lines.push_back(std::wstring(info.key) + L"=" + std::to_wstring(100 + info.slot));
      lines.push_back(L"TransformTitle=" + std::to_wstring(i));
    }
    const std::vector<Theme> themes = ReadThemeStoreLines(lines);
    ASSERT_EQ(themes.size(), 1u);
    for (int s = 0; s < kColorSlotCount; ++s) EXPECT_EQ(themes[0].Colors[s], 100 + s) << s;
    EXPECT_EQ(themes[0].TransformTitle, L"17");
  }
}

TEST(ThemeStoreLines, ValueStopsAtTheSecondEqualsSign) {
  const std::vector<Theme> themes = ReadThemeStoreLines({
      L"[a]", L"TransformTitle=a=b", L"COLOR_FORE=&H12=&H34",
      L"[b]", L"TransformTitle=x", L"TransformTitle",  // no "=": empty, and it wins
      L"[c]", L"TransformTitle= 題 ", L"COLOR_FORE=&HFF", L"COLOR_FORE",
      L"[d]", L"TransformTitle==x",
  });
  ASSERT_EQ(themes.size(), 4u);
  EXPECT_EQ(themes[0].TransformTitle, L"a");
  EXPECT_EQ(themes[0].Colors[COLOR_FORE], 0x12);
  EXPECT_EQ(themes[1].TransformTitle, L"");
  EXPECT_EQ(themes[2].TransformTitle, L" 題 ");  // blanks are kept in a text
  EXPECT_EQ(themes[2].Colors[COLOR_FORE], 0);
  EXPECT_EQ(themes[3].TransformTitle, L"");
}

TEST(ThemeStoreLines, SectionsLaterLinesStrayLinesAndDuplicateNames) {
  EXPECT_TRUE(ReadThemeStoreLines({L"", L"COLOR_BACK=&HFF", L"x"}).empty());
  const std::vector<Theme> themes = ReadThemeStoreLines({
      L"COLOR_BACK=&HFF",  // before the first section
      L"stray",
      L"",
      L"[same]",
      L"",
      L"COLOR_BACK=&H01",
      L"COLOR_BACK=&H02",  // the later line wins
      L"",
      L"[empty]",
      L"[same]",
      L"TransformTitle=second",
      L"",
  });
  ASSERT_EQ(themes.size(), 3u);
  EXPECT_EQ(themes[0].Name, L"same");
  EXPECT_EQ(themes[0].Colors[COLOR_BACK], 2);
  EXPECT_EQ(themes[1].Name, L"empty");
  EXPECT_EQ(themes[1].Colors, ColorArray{});
  EXPECT_EQ(themes[1].TransformTitle, L"");
  EXPECT_EQ(themes[2].Name, L"same");
  EXPECT_EQ(themes[2].Colors[COLOR_BACK], 0);
  EXPECT_EQ(themes[2].TransformTitle, L"second");
}

}  // namespace
