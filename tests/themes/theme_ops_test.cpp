#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/utf8.h"
#include "themes/color_text.h"
#include "themes/theme_ops.h"

namespace {

SettingsRecord RecordWithColors() {
  SettingsRecord record;
  for (int s = 0; s < kColorSlotCount; ++s) record.Colors[s] = 0x10101 * s;
  record.TransformTitle = L"今の題";
  return record;
}

TEST(CommitColorField, ReadsLiftsRewritesAndStoresAll32Bits) {
  const struct {
    const wchar_t* typed;
    Color stored;
    const wchar_t* shown;
  } cases[] = {
      {L"8000", 0x18000, L"018000"},   {L"00ff00", 0x01FF00, L"01FF00"},
      {L"7fff", 0x7FFF, L"007FFF"},    {L"FF8000", 0xFF8000, L"FF8000"},
      {L"zz", 0, L"000000"},           {L"1000000", 0x1000000, L"000000"},
      {L"0000FF", 0xFF, L"0000FF"},    {L"&H8000", 0, L"000000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(platform::ToUtf8(c.typed));
    SettingsRecord record = RecordWithColors();

    const std::optional<Color> committed = CommitColorField(record, COLOR_BACK, c.typed);

    ColorArray expected = RecordWithColors().Colors;
    expected[COLOR_BACK] = c.stored;
    EXPECT_EQ(record.Colors, expected);
    ASSERT_TRUE(committed.has_value());
    EXPECT_EQ(ColorToText(*committed), c.shown);
  }
}

TEST(ApplyColorField, TakesTheChoosersTextAsItStandsAndRedraws) {
  SettingsRecord record = RecordWithColors();
  // The chooser lifts; this does not. True: the caller redraws.
  EXPECT_TRUE(ApplyColorField(record, COLOR_NOTE_RSEL, L"8000"));
  EXPECT_EQ(record.Colors[COLOR_NOTE_RSEL], 0x8000);
}

TEST(ColorFieldOps, SlotOutOfRangeChangesNothingAndAsksNothing) {
  for (int slot : {-1, kColorSlotCount, 32767, -32768}) {
    SCOPED_TRACE(slot);
    SettingsRecord record = RecordWithColors();

    EXPECT_FALSE(CommitColorField(record, slot, L"0000FF").has_value());
    EXPECT_FALSE(ApplyColorField(record, slot, L"0000FF"));

    EXPECT_EQ(record.Colors, RecordWithColors().Colors);
  }
}

ThemeList SampleList() {
  ThemeList list(3);
  list[0].Name = L"(現在の設定)";
  list[1].Name = L"夜";
  list[2].Name = L"朝";
  for (int s = 0; s < kColorSlotCount; ++s) list[2].Colors[s] = 0x7F000000 + s;
  list[2].TransformTitle = L"朝の題";
  return list;
}

TEST(StoreAndLoadTheme, RoundTripKeepsColorsTitleAndName) {
  ThemeList list = SampleList();
  SettingsRecord record = RecordWithColors();
  record.Colors[COLOR_FORE] = -1;  // all 32 bits travel
  const SettingsRecord original = record;

  // True: the list changed, which the caller marks.
  EXPECT_TRUE(StoreIntoTheme(list, record, 2));
  EXPECT_EQ(list[2].Name, L"朝");
  EXPECT_EQ(list[2].Colors, original.Colors);
  EXPECT_EQ(list[2].TransformTitle, original.TransformTitle);
  EXPECT_EQ(list[1].Colors, ColorArray{});  // the neighbour is untouched

  record.Colors.fill(0x123);
  record.TransformTitle = L"別";
  // True: the fields have new values to show, which the caller fills.
  EXPECT_TRUE(LoadFromTheme(list, record, 2));

  EXPECT_EQ(record.Colors, original.Colors);
  EXPECT_EQ(record.TransformTitle, original.TransformTitle);
  EXPECT_EQ(list[2].Name, L"朝");
}

TEST(StoreAndLoadTheme, IndexOutOfRangeChangesNothing) {
  for (int index : {-1, 3, 32767}) {
    SCOPED_TRACE(index);
    ThemeList list = SampleList();
    SettingsRecord record = RecordWithColors();

    EXPECT_FALSE(StoreIntoTheme(list, record, index));
    EXPECT_FALSE(LoadFromTheme(list, record, index));

    EXPECT_EQ(record.Colors, RecordWithColors().Colors);
    EXPECT_EQ(record.TransformTitle, RecordWithColors().TransformTitle);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[2].Colors, SampleList()[2].Colors);
  }
}

TEST(RemoveTheme, KeepsTheOrderOfTheRestAndNeverEntryZero) {
  ThemeList list(5);
  for (int i = 0; i < 5; ++i) list[i].Name = std::to_wstring(i);
  auto names = [&list] {
    std::wstring joined;
    for (const Theme& theme : list) joined += theme.Name;
    return joined;
  };

  RemoveTheme(list, 2);
  EXPECT_EQ(names(), L"0134");
  for (int k : {0, -1, 4, 100}) RemoveTheme(list, k);
  EXPECT_EQ(names(), L"0134");
  RemoveTheme(list, 3);
  EXPECT_EQ(names(), L"013");
}

}  // namespace
