// The close of the main window when a write fails at any step: the user is told the
// file and the system's reason, nothing on disk is lost, and once the fault is gone
// the next close writes both files.
#include <gtest/gtest.h>

#include "platform/utf8.h"
#include "settings/settings_file.h"
#include "tests/platform/write_faults.h"
#include "tests/ui/form1_test_support.h"
#include "themes/theme_store.h"
#include "ui/form1_texts.h"

namespace {

// A stored theme chosen and renamed: both files have something new to take.
void StartWithBothFilesToWrite(TestWindow& w) {
  w.StartBesideSampleFiles();
  w.view.ClickListEntry(3);
  w.view.AnswerInputBox({TypeInput(L"Ocean"), ClickOk()});
  w.view.ChooseMenu(&Form1Events::mnRename_Click);
}

// What a write of `file` calls at the close, learnt from a close without faults.
WriteCallCounts CallsOfTheClose(const wchar_t* file) {
  TestWindow w;
  StartWithBothFilesToWrite(w);
  WriteFaultInjector faults(file);
  EXPECT_TRUE(w.view.AskClose(CloseReason::Program));
  return faults.Counts();
}

TEST(Form1CloseFaults, EveryFailedCallIsToldNothingIsLostAndTheNextCloseWrites) {
  for (const wchar_t* file : {kSettingsFileName, kThemeStoreFileName}) {
    SCOPED_TRACE(platform::ToUtf8(file));
    const WriteCallCounts counts = CallsOfTheClose(file);
    for (const WriteFault& fault : WriteFaultTable(counts)) {
      SCOPED_TRACE(fault.name);
      TestWindow w;
      StartWithBothFilesToWrite(w);
      const std::string settingsBefore = w.Bytes(kSettingsFileName);
      const std::string storeBefore = w.Bytes(kThemeStoreFileName);
      const std::string settingsAfter = TestWindow::SettingsBytes(w.settings);
      const std::string storeAfter = TestWindow::StoreBytes(w.form.Themes());
      ASSERT_NE(settingsAfter, settingsBefore);
      ASSERT_NE(storeAfter, storeBefore);
      const int entries = w.folder.CountEntries();

      WriteFaultInjector faults(file);
      faults.Arm(fault);
      w.view.AnswerMessage(MsgBoxAnswer::Yes);  // keep the window open
      EXPECT_FALSE(w.view.AskClose(CloseReason::Program));
      EXPECT_TRUE(faults.Struck()) << "the fault never came";
      ASSERT_EQ(w.view.Messages().size(), 1u);
      EXPECT_EQ(platform::ToUtf8(w.view.Messages()[0].prompt),
                platform::ToUtf8(CloseWriteFailedQuestion(file, faults.Reason())));
      // setting.ini is written first: when the store fails, it already holds the new record.
      const bool settingsFailed = file == std::wstring(kSettingsFileName);
      EXPECT_EQ(w.Bytes(kSettingsFileName), settingsFailed ? settingsBefore : settingsAfter);
      EXPECT_EQ(w.Bytes(kThemeStoreFileName), storeBefore);
      EXPECT_EQ(w.folder.CountEntries(), entries) << "a temporary file was left";

      faults.Heal();
      EXPECT_TRUE(w.view.AskClose(CloseReason::Program));
      EXPECT_EQ(w.Bytes(kSettingsFileName), settingsAfter);
      EXPECT_EQ(w.Bytes(kThemeStoreFileName), storeAfter);
      EXPECT_EQ(w.folder.CountEntries(), entries);
    }
  }
}

// No closes without the file that failed; the other one is still written, and the
// failed one stays as it was.
TEST(Form1CloseFaults, NoClosesWithoutTheFailedFileOnly) {
  for (const wchar_t* file : {kSettingsFileName, kThemeStoreFileName}) {
    SCOPED_TRACE(platform::ToUtf8(file));
    const WriteFault lastOfTheTable = WriteFaultTable(CallsOfTheClose(file)).back();
    TestWindow w;
    StartWithBothFilesToWrite(w);
    const std::string settingsBefore = w.Bytes(kSettingsFileName);
    const std::string storeBefore = w.Bytes(kThemeStoreFileName);
    WriteFaultInjector faults(file);
    faults.Arm(lastOfTheTable);

    w.view.AnswerMessage(MsgBoxAnswer::No);
    EXPECT_TRUE(w.view.AskClose(CloseReason::Program));
    const bool settingsFailed = file == std::wstring(kSettingsFileName);
    EXPECT_EQ(w.Bytes(kSettingsFileName), settingsFailed ? settingsBefore : TestWindow::SettingsBytes(w.settings));
    EXPECT_EQ(w.Bytes(kThemeStoreFileName), settingsFailed ? TestWindow::StoreBytes(w.form.Themes()) : storeBefore);
  }
}

}  // namespace
