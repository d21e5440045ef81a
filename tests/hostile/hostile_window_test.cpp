// The main window beside a setting.ini that the host reads otherwise than it was
// written: the user is told why at start-up, everything else works, and the close
// leaves the file as it was.
#include <gtest/gtest.h>

#include <string_view>

#include "platform/text_file.h"
#include "tests/hostile/allocation_meter.h"
#include "settings/settings_file.h"
#include "themes/theme_store.h"
#include "tests/ui/form1_test_support.h"
#include "ui/form1_texts.h"

namespace {

TEST(HostileWindow, ASettingIniTheHostCannotReadAsMeantIsToldAndNeverWritten) {
  std::string utf16 = "\xFF\xFE";
  for (char c : TestWindow::SettingsBytes(SampleSettings())) utf16 += std::string{c, '\0'};
  std::string loneLineFeeds = TestWindow::SettingsBytes(SampleSettings());
  std::erase(loneLineFeeds, '\r');
  struct Case {
    const char* name;
    std::string bytes;
    platform::TextShape shape;
  };
  for (const Case& c : {Case{"UTF-16", utf16, platform::TextShape::Utf16},
                        Case{"lone LF", loneLineFeeds, platform::TextShape::LoneLineFeeds}}) {
    SCOPED_TRACE(c.name);
    TestWindow w;
    w.folder.Write(kSettingsFileName, c.bytes);
    w.WriteStoreFile(SampleThemes());
    w.view.AnswerMessage(MsgBoxAnswer::OK);
    w.view.Open();
    ASSERT_EQ(w.view.Messages().size(), 1u);
    EXPECT_EQ(w.view.Messages()[0].prompt,
              UnreadAtStartMessage({{kSettingsFileName, FailureReason(platform::IoStatus::Because(platform::TroubleOfShape(c.shape)), Language::Japanese)}}, Language::Japanese));

    // A theme chosen and a colour typed: the close has colours for setting.ini, but
    // asks nothing about a file it will not write, and writes the themes.
    w.view.ClickListEntry(2);
    w.view.Focus(Control::Field(COLOR_BACK));
    w.view.Type(L"123456");
    w.view.PressTab();
    EXPECT_TRUE(w.view.AskClose(CloseReason::CloseBox));
    EXPECT_EQ(w.Bytes(kSettingsFileName), c.bytes);
    EXPECT_EQ(w.Bytes(kThemeStoreFileName), TestWindow::StoreBytes(w.form.Themes()));
  }
}

// A step holds what it changed: undoing and redoing a delete in a store of 100,000 themes
// moves one theme, and a load keeps the list it replaced, not a copy of it.
TEST(HostileWindow, UndoInAHundredThousandThemesHoldsWhatEachStepChanged) {
  std::vector<Theme> themes;
  for (int i = 0; i < 100'000; ++i) themes.push_back(MakeTheme(L"Theme " + std::to_wstring(i), 0x010101 * (i % 200), L"Title"));
  TestWindow w;
  w.WriteSettingsFile(SampleSettings());
  w.WriteStoreFile(themes);
  w.folder.Write(L"small.txt", TestWindow::StoreBytes({Theme{}, MakeTheme(L"Small", 0x102030, L"Title")}));
  w.view.Open();
  const std::string storeAtStart = w.Bytes(kThemeStoreFileName);
  std::size_t listBytes = 0;
  for (const Theme& theme : w.form.Themes()) listBytes += sizeof(Theme) + theme.Name.size() * sizeof(wchar_t);
  const std::size_t aTenthOfAListCopy = listBytes / 10;

  w.view.ClickListEntry(50'000);
  {
    AllocationMeter meter;
    w.view.AnswerMessage(MsgBoxAnswer::OK);
    w.view.ChooseMenu(&Form1Events::mnDelete_Click);
    w.view.ChooseMenu(&Form1Events::mnUndo_Click);
    w.view.ChooseMenu(&Form1Events::mnRedo_Click);
    w.view.ChooseMenu(&Form1Events::mnUndo_Click);
    EXPECT_LT(meter.PeakBytes(), aTenthOfAListCopy);
  }
  EXPECT_EQ(w.view.ListItems()[50'000], L"Theme 49999");
  {
    // Undoing the load refills the list box, which is handed a view of each name for the
    // length of the call: a pointer and a size per entry, a tenth of a theme on 64-bit
    // Windows, where names take two bytes a character. A copy of the list would still be
    // several times the bound.
    const std::size_t namesHandedToTheListBox = w.form.Themes().size() * sizeof(std::wstring_view);
    AllocationMeter meter;
    w.view.AnswerFileDialog(w.folder.File(L"small.txt"));
    w.view.ChooseMenu(&Form1Events::mnOpen_Click);
    ASSERT_EQ(w.form.Themes().size(), 2u);
    w.view.ChooseMenu(&Form1Events::mnUndo_Click);
    EXPECT_LT(meter.PeakBytes(), aTenthOfAListCopy + namesHandedToTheListBox);
  }
  ASSERT_EQ(w.form.Themes().size(), 100'001u);
  w.view.AnswerMessage(MsgBoxAnswer::No);
  EXPECT_TRUE(w.view.AskClose(CloseReason::CloseBox));
  EXPECT_EQ(w.Bytes(kThemeStoreFileName), storeAtStart);
}

// At least a hundred steps are kept; the oldest go first.
TEST(HostileWindow, AHundredStepsAreKept) {
  TestWindow w;
  w.StartBesideSampleFiles();
  for (int i = 0; i < 150; ++i) {
    w.view.Focus(Control::Field(COLOR_BACK));
    w.view.Type(i % 2 ? L"000001" : L"000002");
    w.view.Focus(Control::ListBox());
  }
  int undone = 0;
  while (w.form.History().CanUndo()) {
    w.view.ChooseMenu(&Form1Events::mnUndo_Click);
    ++undone;
  }
  EXPECT_GE(undone, 100);
  EXPECT_LT(undone, 150);
}

}  // namespace
