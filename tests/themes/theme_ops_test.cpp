#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "themes/theme_ops.h"

namespace {

// Holds the field texts and counts what the operations asked of the window. A call
// with a slot outside 0-17 is recorded as a fault: the operations must not make one.
class RecordingWindow : public ThemeWindow {
 public:
  std::array<std::wstring, kColorSlotCount> fields;
  std::wstring title;
  std::vector<int> fieldsSet;
  int fills = 0;
  int listChanged = 0;
  int redraws = 0;
  int badSlotCalls = 0;

  std::wstring ColorFieldText(int slot) override {
    if (!Valid(slot)) return L"";
    return fields[slot];
  }
  void SetColorFieldText(int slot, const std::wstring& text) override {
    if (!Valid(slot)) return;
    fields[slot] = text;
    fieldsSet.push_back(slot);
  }
  std::wstring TransformTitleText() override { return title; }
  void SetTransformTitleText(const std::wstring& text) override { title = text; }
  void FillColorFields() override { ++fills; }
  void SetThemeListChanged() override { ++listChanged; }
  void RedrawPreview() override { ++redraws; }

 private:
  bool Valid(int slot) {
    if (slot >= 0 && slot < kColorSlotCount) return true;
    ++badSlotCalls;
    return false;
  }
};

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
    const SettingsRecord before = record;
    RecordingWindow window;
    window.fields[COLOR_BACK] = c.typed;

    CommitColorField(record, COLOR_BACK, window);

    EXPECT_EQ(record.Colors[COLOR_BACK], c.stored);
    EXPECT_EQ(window.fields[COLOR_BACK], c.shown);
    EXPECT_EQ(window.fieldsSet, std::vector<int>{COLOR_BACK});
    for (int s = 0; s < kColorSlotCount; ++s) {
      if (s != COLOR_BACK) {
        EXPECT_EQ(record.Colors[s], before.Colors[s]) << "slot " << s;
      }
    }
    // Redrawing and the flags are the caller's business.
    EXPECT_EQ(window.redraws, 0);
    EXPECT_EQ(window.listChanged, 0);
    EXPECT_EQ(window.fills, 0);
  }
}

TEST(ApplyColorField, TakesTheChoosersTextAsItStandsAndRedraws) {
  SettingsRecord record = RecordWithColors();
  RecordingWindow window;
  window.fields[COLOR_NOTE_RSEL] = L"8000";  // the chooser lifts; this does not

  ApplyColorField(record, COLOR_NOTE_RSEL, window);

  EXPECT_EQ(record.Colors[COLOR_NOTE_RSEL], 0x8000);
  EXPECT_EQ(window.fields[COLOR_NOTE_RSEL], L"8000");
  EXPECT_TRUE(window.fieldsSet.empty());
  EXPECT_EQ(window.redraws, 1);
  EXPECT_EQ(window.listChanged, 0);
}

TEST(ColorFieldOps, SlotOutOfRangeChangesNothingAndAsksNothing) {
  for (int slot : {-1, kColorSlotCount, 32767, -32768}) {
    SCOPED_TRACE(slot);
    SettingsRecord record = RecordWithColors();
    const ColorArray before = record.Colors;
    RecordingWindow window;

    CommitColorField(record, slot, window);
    ApplyColorField(record, slot, window);

    EXPECT_EQ(record.Colors, before);
    EXPECT_EQ(window.badSlotCalls, 0);
    EXPECT_TRUE(window.fieldsSet.empty());
    EXPECT_EQ(window.redraws, 0);
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
  RecordingWindow window;

  StoreIntoTheme(list, record, 2, window);
  EXPECT_EQ(window.listChanged, 1);
  EXPECT_EQ(list[2].Name, L"朝");
  EXPECT_EQ(list[2].Colors, original.Colors);
  EXPECT_EQ(list[2].TransformTitle, original.TransformTitle);
  EXPECT_EQ(list[1].Colors, ColorArray{});  // the neighbour is untouched

  record.Colors.fill(0x123);
  record.TransformTitle = L"別";
  LoadFromTheme(list, record, 2, window);

  EXPECT_EQ(record.Colors, original.Colors);
  EXPECT_EQ(record.TransformTitle, original.TransformTitle);
  EXPECT_EQ(list[2].Name, L"朝");
  EXPECT_EQ(window.fills, 1);
  // Loading neither flags the list nor redraws; the callers decide that.
  EXPECT_EQ(window.listChanged, 1);
  EXPECT_EQ(window.redraws, 0);
}

TEST(StoreAndLoadTheme, IndexOutOfRangeChangesNothing) {
  for (int index : {-1, 3, 32767}) {
    SCOPED_TRACE(index);
    ThemeList list = SampleList();
    const ThemeList listBefore = list;
    SettingsRecord record = RecordWithColors();
    RecordingWindow window;

    StoreIntoTheme(list, record, index, window);
    LoadFromTheme(list, record, index, window);

    EXPECT_EQ(record.Colors, RecordWithColors().Colors);
    EXPECT_EQ(record.TransformTitle, RecordWithColors().TransformTitle);
    ASSERT_EQ(list.size(), listBefore.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
      EXPECT_EQ(list[i].Colors, listBefore[i].Colors);
      EXPECT_EQ(list[i].TransformTitle, listBefore[i].TransformTitle);
    }
    EXPECT_EQ(window.listChanged, 0);
    EXPECT_EQ(window.fills, 0);
  }
}

std::vector<std::wstring> Names(const ThemeList& list) {
  std::vector<std::wstring> names;
  for (const Theme& theme : list) names.push_back(theme.Name);
  return names;
}

TEST(RemoveTheme, KeepsTheOrderOfTheRest) {
  ThemeList list(5);
  for (int i = 0; i < 5; ++i) list[i].Name = std::to_wstring(i);

  RemoveTheme(list, 2);
  EXPECT_EQ(Names(list), (std::vector<std::wstring>{L"0", L"1", L"3", L"4"}));

  // Entry 0 and indices past the end are left alone.
  for (int k : {0, -1, 4, 100}) RemoveTheme(list, k);
  EXPECT_EQ(Names(list), (std::vector<std::wstring>{L"0", L"1", L"3", L"4"}));

  RemoveTheme(list, 3);
  EXPECT_EQ(Names(list), (std::vector<std::wstring>{L"0", L"1", L"3"}));
}

}  // namespace
