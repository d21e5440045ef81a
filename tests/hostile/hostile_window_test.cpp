// The main window beside a setting.ini that the host reads otherwise than it was
// written: the user is told why at start-up, everything else works, and the close
// leaves the file as it was.
#include <gtest/gtest.h>

#include "platform/text_file.h"
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

}  // namespace
