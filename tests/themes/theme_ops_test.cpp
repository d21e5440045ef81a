#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "platform/utf8.h"
#include "themes/theme_ops.h"

namespace {

using Calls = std::vector<std::string>;

// Holds the field texts and records every call, in order, so a test states exactly
// what an operation may ask of the window.
class RecordingWindow : public ThemeWindow {
 public:
  std::array<std::wstring, kColorSlotCount> fields;
  Calls calls;

  std::wstring ColorFieldText(int slot) override {
    calls.push_back("ColorFieldText " + std::to_string(slot));
    return fields.at(slot);
  }
  void SetColorFieldText(int slot, const std::wstring& text) override {
    calls.push_back("SetColorFieldText " + std::to_string(slot));
    fields.at(slot) = text;
  }
  std::wstring TransformTitleText() override {
    Record("TransformTitleText");
    return L"";
  }
  void SetTransformTitleText(const std::wstring&) override { Record("SetTransformTitleText"); }
  void FillColorFields() override { Record("FillColorFields"); }
  void SetThemeListChanged() override { Record("SetThemeListChanged"); }
  void RedrawPreview() override { Record("RedrawPreview"); }

 private:
  void Record(const char* call) { calls.push_back(call); }
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
    RecordingWindow window;
    window.fields[COLOR_BACK] = c.typed;

    CommitColorField(record, COLOR_BACK, window);

    ColorArray expected = RecordWithColors().Colors;
    expected[COLOR_BACK] = c.stored;
    EXPECT_EQ(record.Colors, expected);
    EXPECT_EQ(window.fields[COLOR_BACK], c.shown);
    // No redraw and no flag: those are the caller's business.
    EXPECT_EQ(window.calls, (Calls{"ColorFieldText 6", "SetColorFieldText 6"}));
  }
}

TEST(ApplyColorField, TakesTheChoosersTextAsItStandsAndRedraws) {
  SettingsRecord record = RecordWithColors();
  RecordingWindow window;
  window.fields[COLOR_NOTE_RSEL] = L"8000";  // the chooser lifts; this does not

  ApplyColorField(record, COLOR_NOTE_RSEL, window);

  EXPECT_EQ(record.Colors[COLOR_NOTE_RSEL], 0x8000);
  EXPECT_EQ(window.fields[COLOR_NOTE_RSEL], L"8000");
  EXPECT_EQ(window.calls, (Calls{"ColorFieldText 17", "RedrawPreview"}));
}

TEST(ColorFieldOps, SlotOutOfRangeChangesNothingAndAsksNothing) {
  for (int slot : {-1, kColorSlotCount, 32767, -32768}) {
    SCOPED_TRACE(slot);
    SettingsRecord record = RecordWithColors();
    RecordingWindow window;

    CommitColorField(record, slot, window);
    ApplyColorField(record, slot, window);

    EXPECT_EQ(record.Colors, RecordWithColors().Colors);
    EXPECT_TRUE(window.calls.empty());
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
  EXPECT_EQ(list[2].Name, L"朝");
  EXPECT_EQ(list[2].Colors, original.Colors);
  EXPECT_EQ(list[2].TransformTitle, original.TransformTitle);
  EXPECT_EQ(list[1].Colors, ColorArray{});  // the neighbour is untouched
  EXPECT_EQ(window.calls, Calls{"SetThemeListChanged"});

  record.Colors.fill(0x123);
  record.TransformTitle = L"別";
  window.calls.clear();
  LoadFromTheme(list, record, 2, window);

  EXPECT_EQ(record.Colors, original.Colors);
  EXPECT_EQ(record.TransformTitle, original.TransformTitle);
  EXPECT_EQ(list[2].Name, L"朝");
  // Loading neither flags the list nor redraws; the callers decide that.
  EXPECT_EQ(window.calls, Calls{"FillColorFields"});
}

TEST(StoreAndLoadTheme, IndexOutOfRangeChangesNothing) {
  for (int index : {-1, 3, 32767}) {
    SCOPED_TRACE(index);
    ThemeList list = SampleList();
    SettingsRecord record = RecordWithColors();
    RecordingWindow window;

    StoreIntoTheme(list, record, index, window);
    LoadFromTheme(list, record, index, window);

    EXPECT_EQ(record.Colors, RecordWithColors().Colors);
    EXPECT_EQ(record.TransformTitle, RecordWithColors().TransformTitle);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[2].Colors, SampleList()[2].Colors);
    EXPECT_TRUE(window.calls.empty());
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
