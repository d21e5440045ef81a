// Nothing the user typed, answered or stored is lost: loads that could not or should not
// replace the list, edits kept by a question, files other programs wrote meanwhile, and
// the host editor still running.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>

#include "platform/files.h"
#include "platform/utf8.h"
#include "settings/settings_file.h"
#include "tests/ui/form1_test_support.h"
#include "themes/color_text.h"
#include "themes/theme_store.h"
#include "ui/form1_texts.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

const std::vector<std::wstring> kSampleList = {L"(現在の設定)", L"Night", L"Day", L"Sea"};

// A theme file holding one theme, "Other".
std::wstring WriteOtherThemeFile(TestWindow& w) {
  w.folder.Write(L"other.txt", TestWindow::StoreBytes({Theme{}, MakeTheme(L"Other", 0x404040, L"他")}));
  return w.folder.File(L"other.txt");
}

// Night selected, and a colour of it typed and taken: unsaved edits of theme 1.
void EditNight(TestWindow& w) {
  w.view.ClickListEntry(1);
  w.view.Focus(Control::Field(COLOR_BACK));
  w.view.Type(L"0000FF");
  w.view.Focus(Control::ListBox());
  ASSERT_TRUE(w.form.State().SettingsChanged);
}

std::vector<std::wstring> ThemeNames(const Form1& form) {
  std::vector<std::wstring> names;
  for (const Theme& theme : form.Themes()) names.push_back(theme.Name);
  return names;
}

TEST(Form1Load, AFileWithoutAnyThemeIsRefusedAndChangesNothing) {
  for (const char* content : {"", "just some text\r\nkey=value\r\n", "COLOR_BACK=&H0000FF\r\n"}) {
    SCOPED_TRACE(content);
    TestWindow w;
    w.StartBesideSampleFiles();
    const std::string storeBefore = w.Bytes(L"lirvacolors.ini");
    EditNight(w);
    w.folder.Write(L"notes.txt", content);
    const std::wstring path = w.folder.File(L"notes.txt");

    w.view.AnswerFileDialog(path);
    w.view.AnswerMessage(NoThemeInFileMessage(path), MsgBoxAnswer::OK);
    w.view.ChooseMenu(&Form1Events::mnOpen_Click);
    EXPECT_EQ(w.view.ListItems(), kSampleList);
    EXPECT_EQ(ThemeNames(w.form), kSampleList);
    EXPECT_EQ(w.view.ListIndex(), 1);
    EXPECT_TRUE(w.form.State().SettingsChanged);
    EXPECT_EQ(w.settings.Colors[COLOR_BACK], 0xFF);

    // The close writes the themes the user had, not an empty store.
    w.view.AnswerMessage(kCloseQuestion, MsgBoxAnswer::No);
    ASSERT_TRUE(w.view.AskClose(CloseReason::CloseBox));
    EXPECT_EQ(w.Bytes(L"lirvacolors.ini"), storeBefore);
  }
}

TEST(Form1Load, AChosenFileThatIsGoneChangesNothingAndAsksNothingMore) {
  TestWindow w;
  w.StartBesideSampleFiles();
  EditNight(w);
  const std::wstring path = w.folder.File(L"gone.txt");
  w.view.AnswerFileDialog(path);
  w.view.AnswerMessage(LoadFailedMessage(path, L"ファイルが見つかりません。"), MsgBoxAnswer::OK);
  w.view.ChooseMenu(&Form1Events::mnOpen_Click);
  // No switch question: the edits, the selection and the list are as they were.
  EXPECT_EQ(w.view.Messages().size(), 1u);
  EXPECT_EQ(w.view.ListIndex(), 1);
  EXPECT_EQ(w.form.State().CurrentThemeIndex, 1);
  EXPECT_TRUE(w.form.State().SettingsChanged);
  EXPECT_EQ(w.settings.Colors[COLOR_BACK], 0xFF);
  EXPECT_EQ(ThemeNames(w.form), kSampleList);
}

// Edits the switch question stored into the list would be replaced by the load: the
// offer to save the list to a file comes after them.
TEST(Form1Load, EditsKeptByTheSwitchQuestionAreOfferedForSavingBeforeTheLoad) {
  struct Case {
    const char* name;
    MsgBoxAnswer offerAnswer;
    bool loaded;
    bool saveDialogCancelled = false;
  };
  // A Yes whose save dialog is cancelled keeps the edits as Cancel does: they exist
  // nowhere but in the list the load would replace.
  const Case cases[] = {{"saved, then loaded", MsgBoxAnswer::Yes, true},
                        {"not saved, loaded", MsgBoxAnswer::No, true},
                        {"load cancelled", MsgBoxAnswer::Cancel, false},
                        {"save dialog cancelled", MsgBoxAnswer::Yes, false, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestWindow w;
    w.StartBesideSampleFiles();
    EditNight(w);
    ASSERT_FALSE(w.form.State().ThemeListChanged);
    const std::wstring other = WriteOtherThemeFile(w);
    const std::wstring saved = w.folder.File(L"saved.txt");

    w.view.AnswerFileDialog(other);
    w.view.AnswerMessage(kSwitchQuestion, MsgBoxAnswer::Yes);
    w.view.AnswerMessage(kSaveBeforeLoadQuestion, c.offerAnswer);
    if (c.offerAnswer == MsgBoxAnswer::Yes) w.view.AnswerFileDialog(c.saveDialogCancelled ? std::nullopt : std::optional(saved));
    w.view.ChooseMenu(&Form1Events::mnOpen_Click);

    if (c.offerAnswer == MsgBoxAnswer::Yes && !c.saveDialogCancelled) {
      std::vector<Theme> themes = ReadThemeFile(saved).themes;
      ASSERT_EQ(themes.size(), 3u);
      EXPECT_EQ(themes[0].Name, L"Night");
      EXPECT_EQ(themes[0].Colors[COLOR_BACK], 0xFF);
    }
    if (c.loaded) {
      EXPECT_EQ(w.view.ListItems(), (std::vector<std::wstring>{L"(現在の設定)", L"Other"}));
      EXPECT_FALSE(w.form.State().ThemeListChanged);
    } else {
      // The edits are in the list, which stays, marked for the store.
      EXPECT_EQ(w.view.ListItems(), kSampleList);
      EXPECT_EQ(w.form.Themes()[1].Colors[COLOR_BACK], 0xFF);
      EXPECT_TRUE(w.form.State().ThemeListChanged);
    }
  }
}

TEST(Form1Load, EditsSavedIntoTheFileBeingLoadedAreWhatTheListShows) {
  TestWindow w;
  w.StartBesideSampleFiles();
  EditNight(w);
  const std::wstring other = WriteOtherThemeFile(w);

  // The user keeps the edits and saves the list over the very file being loaded.
  w.view.AnswerFileDialog(other);
  w.view.AnswerMessage(kSwitchQuestion, MsgBoxAnswer::Yes);
  w.view.AnswerMessage(kSaveBeforeLoadQuestion, MsgBoxAnswer::Yes);
  w.view.AnswerFileDialog(other);
  w.view.ChooseMenu(&Form1Events::mnOpen_Click);

  // The list is the file as it is now, edits included, not as it was before the save.
  EXPECT_EQ(w.view.ListItems(), kSampleList);
  ASSERT_EQ(w.form.Themes().size(), 4u);
  EXPECT_EQ(w.form.Themes()[1].Colors[COLOR_BACK], 0xFFu);
  EXPECT_EQ(TestWindow::StoreBytes(w.form.Themes()), w.Bytes(L"other.txt"));
  EXPECT_FALSE(w.form.State().ThemeListChanged);
}

TEST(Form1Load, EditsOfTheCurrentSettingsSavedAsANewThemeAreOfferedForSavingToo) {
  TestWindow w;
  w.StartBesideSampleFiles();
  // Right after start-up nothing is selected: the load's switch to entry 0 asks.
  w.view.Focus(Control::Field(COLOR_BACK));
  w.view.Type(L"0000FF");
  w.view.Focus(Control::ListBox());
  ASSERT_EQ(w.view.ListIndex(), -1);
  const std::wstring saved = w.folder.File(L"saved.txt");

  w.view.AnswerFileDialog(WriteOtherThemeFile(w));
  w.view.AnswerMessage(kSwitchQuestion, MsgBoxAnswer::Yes);
  w.view.AnswerInputBox({TypeInput(L"Mine"), ClickOk()});
  w.view.AnswerMessage(kSaveBeforeLoadQuestion, MsgBoxAnswer::Yes);
  w.view.AnswerFileDialog(saved);
  w.view.ChooseMenu(&Form1Events::mnOpen_Click);

  const std::vector<Theme> themes = ReadThemeFile(saved).themes;
  ASSERT_EQ(themes.size(), 4u);
  EXPECT_EQ(themes[3].Name, L"Mine");
  EXPECT_EQ(themes[3].Colors[COLOR_BACK], 0xFF);
  EXPECT_EQ(w.view.ListItems(), (std::vector<std::wstring>{L"(現在の設定)", L"Other"}));
}

#ifndef _WIN32
// Something other than a plain file under the name (on Windows a hidden or system file,
// here a pipe) is not read, is told about at start-up, and is never replaced.
TEST(Form1StartUp, SomethingElseUnderAFilesNameIsToldAndNeverReplaced) {
  for (const wchar_t* name : {L"setting.ini", L"lirvacolors.ini"}) {
    SCOPED_TRACE(platform::ToUtf8(name));
    TestWindow w;
    w.WriteSettingsFile(SampleSettings());
    w.WriteStoreFile(SampleThemes());
    std::filesystem::remove(std::filesystem::path(w.folder.File(name)));
    ASSERT_EQ(mkfifo(platform::ToUtf8(w.folder.File(name)).c_str(), 0600), 0);
    w.view.AnswerMessage(UnreadAtStartMessage({{name, L"隠しファイルかシステムファイルになっています。"}}), MsgBoxAnswer::OK);
    w.view.Open();

    w.view.AnswerInputBox({ClickOk()});
    w.view.ChooseMenu(&Form1Events::mnNewTheme_Click);
    if (std::wstring(name) == L"lirvacolors.ini") w.view.AnswerMessage(kCloseQuestion, MsgBoxAnswer::Yes);
    EXPECT_TRUE(w.view.AskClose(CloseReason::CloseBox));
    EXPECT_EQ(platform::KindOfPath(w.folder.File(name)), platform::PathKind::HiddenOrSystemFile);
  }
}
#endif

TEST(Form1Close, ASettingIniWrittenMeanwhileKeepsItsLinesAndTakesOurColours) {
  TestWindow w;
  w.StartBesideSampleFiles();
  w.view.ClickListEntry(1);
  // The host wrote its history and another option while we were open.
  SettingsRecord host = SampleSettings();
  host.History.push_back(L"c.ust");
  host.VoiceRoot = L"新しい声";
  host.OtherLines.push_back(L"FutureOption=3");
  w.WriteSettingsFile(host);
  SettingsRecord expected = w.SettingsAsRead();

  w.view.ChooseMenu(&Form1Events::mnQuit_Click);
  ASSERT_TRUE(w.view.Closed());
  expected.Colors = SampleThemes()[0].Colors;
  expected.TransformTitle = SampleThemes()[0].TransformTitle;
  EXPECT_EQ(w.Bytes(L"setting.ini"), TestWindow::SettingsBytes(expected));
}

TEST(Form1Close, AStoreChangedByAnotherProgramIsNotReplacedWithoutAsking) {
  struct Case {
    const char* name;
    MsgBoxAnswer answer;
    bool closed;
    bool replaced;
  };
  const Case cases[] = {{"replace", MsgBoxAnswer::Yes, true, true},
                        {"leave it", MsgBoxAnswer::No, true, false},
                        {"back to the window", MsgBoxAnswer::Cancel, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestWindow w;
    w.StartBesideSampleFiles();
    w.view.ClickListEntry(2);
    w.view.AnswerInputBox({TypeInput(L"Dusk"), ClickOk()});
    w.view.ChooseMenu(&Form1Events::mnRename_Click);
    // A second Huebrook or a sync tool wrote the store meanwhile.
    w.WriteStoreFile({MakeTheme(L"Elsewhere", 0x303030, L"")});
    const std::string theirs = w.Bytes(L"lirvacolors.ini");

    w.view.AnswerMessage(StoreChangedQuestion(), c.answer);
    w.view.ChooseMenu(&Form1Events::mnQuit_Click);
    EXPECT_EQ(w.view.Closed(), c.closed);
    EXPECT_EQ(w.Bytes(L"lirvacolors.ini"), c.replaced ? TestWindow::StoreBytes(w.form.Themes()) : theirs);
    ASSERT_EQ(w.view.Messages().size(), 1u);
    EXPECT_EQ(w.view.Messages()[0].style, MsgBoxStyle::YesNoCancel | MsgBoxStyle::Exclamation);
  }
}

TEST(Form1Close, AStoreThatAppearedMeanwhileIsAskedAboutAndOneThatWentIsWritten) {
  {
    SCOPED_TRACE("appeared");
    TestWindow w;
    w.WriteSettingsFile(SampleSettings());
    w.view.Open();
    w.view.AnswerInputBox({ClickOk()});
    w.view.ChooseMenu(&Form1Events::mnNewTheme_Click);
    w.WriteStoreFile(SampleThemes());
    const std::string theirs = w.Bytes(L"lirvacolors.ini");
    w.view.AnswerMessage(StoreChangedQuestion(), MsgBoxAnswer::No);
    w.view.ChooseMenu(&Form1Events::mnQuit_Click);
    EXPECT_TRUE(w.view.Closed());
    EXPECT_EQ(w.Bytes(L"lirvacolors.ini"), theirs);
  }
  {
    SCOPED_TRACE("went");
    TestWindow w;
    w.StartBesideSampleFiles();
    w.view.ClickListEntry(1);
    std::filesystem::remove(std::filesystem::path(w.folder.File(L"lirvacolors.ini")));
    w.view.ChooseMenu(&Form1Events::mnQuit_Click);
    EXPECT_TRUE(w.view.Closed());
    EXPECT_EQ(w.Bytes(L"lirvacolors.ini"), TestWindow::StoreBytes(w.form.Themes()));
  }
}

TEST(Form1Close, TheHostRunningFromOurFolderIsToldBeforeSettingIniIsWritten) {
  struct Case {
    const char* name;
    CloseReason reason;
    std::optional<MsgBoxAnswer> closeAnswer;
    MsgBoxAnswer hostAnswer;
    bool written;
  };
  const Case cases[] = {
      {"apply and close, write anyway", CloseReason::Program, std::nullopt, MsgBoxAnswer::Yes, true},
      {"apply and close, back to the window", CloseReason::Program, std::nullopt, MsgBoxAnswer::No, false},
      {"close box, Yes, write anyway", CloseReason::CloseBox, MsgBoxAnswer::Yes, MsgBoxAnswer::Yes, true},
      {"close box, Yes, back to the window", CloseReason::CloseBox, MsgBoxAnswer::Yes, MsgBoxAnswer::No, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestWindow w;
    w.programsRunningBeside = {L"Lirva.exe", L"resampler.exe"};
    w.StartBesideSampleFiles();
    const std::string settingsBefore = w.Bytes(L"setting.ini");
    const std::string storeBefore = w.Bytes(L"lirvacolors.ini");
    w.view.ClickListEntry(1);
    if (c.closeAnswer) w.view.AnswerMessage(kCloseQuestion, *c.closeAnswer);
    w.view.AnswerMessage(HostRunningQuestion({L"Lirva.exe", L"resampler.exe"}), c.hostAnswer);
    if (c.reason == CloseReason::Program) {
      w.view.ChooseMenu(&Form1Events::mnQuit_Click);
    } else {
      w.view.AskClose(c.reason);
    }
    EXPECT_EQ(w.view.Closed(), c.written);
    EXPECT_EQ(w.Bytes(L"setting.ini") != settingsBefore, c.written);
    // Back in the window nothing at all was written.
    if (!c.written) {
      EXPECT_EQ(w.Bytes(L"lirvacolors.ini"), storeBefore);
    }
    EXPECT_EQ(w.view.Messages().back().style, MsgBoxStyle::YesNo | MsgBoxStyle::Exclamation);
  }
}

TEST(Form1Close, TheHostRunningIsNotAskedAboutWhenSettingIniIsNotWritten) {
  TestWindow w;
  w.programsRunningBeside = {L"Lirva.exe"};
  w.StartBesideSampleFiles();
  w.view.ClickListEntry(1);
  w.view.AnswerMessage(kCloseQuestion, MsgBoxAnswer::No);
  EXPECT_TRUE(w.view.AskClose(CloseReason::CloseBox));
  EXPECT_EQ(w.view.Messages().size(), 1u);
}

// The taskbar's close, Task Manager and the session's end come while another program
// is active: the colour being typed is no less the user's.
TEST(Form1Close, AColourTypedIsTakenWhenTheCloseComesWhileAnotherProgramIsActive) {
  for (CloseReason reason : {CloseReason::CloseBox, CloseReason::SessionEnd}) {
    SCOPED_TRACE(static_cast<int>(reason));
    TestWindow w;
    w.StartBesideSampleFiles();
    w.view.Focus(Control::Field(COLOR_BACK));
    w.view.Type(L"0000FF");
    w.view.Deactivate();
    w.view.AnswerMessage(kCloseQuestion, MsgBoxAnswer::Yes);
    ASSERT_TRUE(w.view.AskClose(reason));
    EXPECT_NE(w.Bytes(L"setting.ini").find("COLOR_BACK=&HFF\r\n"), std::string::npos);
  }
}

// A file dropped while one of our dialogs is open waits for the command to end, then
// is added: a load going on does not throw it away, and no message comes in between.
TEST(Form1DropFiles, FilesDroppedDuringADialogAreAddedWhenTheCommandEnds) {
  struct Case {
    const char* name;
    std::function<void(TestWindow&, const std::wstring& other)> command;
    std::vector<std::wstring> listBeforeTheDrop;
  };
  const Case cases[] = {
      {"open dialog of File > load",
       [](TestWindow& w, const std::wstring& other) {
         w.view.AnswerFileDialog(other);
         w.view.ChooseMenu(&Form1Events::mnOpen_Click);
       },
       {L"(現在の設定)", L"Other"}},
      {"delete question",
       [](TestWindow& w, const std::wstring&) {
         w.view.ClickListEntry(1);
         w.view.AnswerMessage(MsgBoxAnswer::OK);
         w.view.ChooseMenu(&Form1Events::mnDelete_Click);
       },
       {L"(現在の設定)", L"Day", L"Sea"}},
      {"input box",
       [](TestWindow& w, const std::wstring&) {
         w.view.AnswerInputBox({TypeInput(L"New"), ClickOk()});
         w.view.ChooseMenu(&Form1Events::mnNewTheme_Click);
       },
       {L"(現在の設定)", L"Night", L"Day", L"Sea", L"New"}},
      {"colour chooser",
       [](TestWindow& w, const std::wstring&) {
         w.view.AnswerChooser(0x123456);
         w.view.ClickBrowse(COLOR_BACK);
       },
       kSampleList},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestWindow w;
    w.StartBesideSampleFiles();
    const std::wstring other = WriteOtherThemeFile(w);
    w.folder.Write(L"dropped.txt", TestWindow::StoreBytes({Theme{}, MakeTheme(L"Dropped", 0x102030, L"")}));
    w.view.DropFilesDuringNextModal({w.folder.File(L"dropped.txt")});
    c.command(w, other);
    std::vector<std::wstring> expected = c.listBeforeTheDrop;
    expected.push_back(L"Dropped");
    EXPECT_EQ(w.view.ListItems(), expected);
    EXPECT_EQ(w.form.Themes().back(), MakeTheme(L"Dropped", 0x102030, L""));
    EXPECT_TRUE(w.form.State().ThemeListChanged);
  }
}

// An editor that writes LF alone, or a download, leaves such a store: read as one line
// it was a single black theme, which the close wrote over every theme the user had.
TEST(Form1StartUp, AStoreWhoseLinesEndInLfAloneIsReadAndWrittenBackWithCrLf) {
  TestWindow w;
  w.WriteSettingsFile(SampleSettings());
  ::ThemeList list{Theme{}};
  for (const Theme& theme : SampleThemes()) list.push_back(theme);
  std::string lf = TestWindow::StoreBytes(list);
  std::erase(lf, '\r');
  w.folder.Write(L"lirvacolors.ini", lf);
  w.view.Open();
  EXPECT_EQ(w.view.ListItems(), kSampleList);
  w.view.ClickListEntry(1);
  w.view.AnswerMessage(kCloseQuestion, MsgBoxAnswer::No);
  ASSERT_TRUE(w.view.AskClose(CloseReason::CloseBox));
  EXPECT_EQ(w.Bytes(L"lirvacolors.ini"), TestWindow::StoreBytes(list));
}

// Every question of the close comes before anything is written: going back to the
// window from the last of them leaves setting.ini as it was too.
TEST(Form1Close, GoingBackFromTheStoreQuestionLeavesBothFilesAsTheyWere) {
  TestWindow w;
  w.StartBesideSampleFiles();
  const std::string settingsBefore = w.Bytes(L"setting.ini");
  w.view.ClickListEntry(1);
  w.WriteStoreFile({MakeTheme(L"Elsewhere", 0x303030, L"")});
  const std::string theirs = w.Bytes(L"lirvacolors.ini");
  w.view.AnswerMessage(StoreChangedQuestion(), MsgBoxAnswer::Cancel);
  w.view.ChooseMenu(&Form1Events::mnQuit_Click);
  EXPECT_FALSE(w.view.Closed());
  EXPECT_EQ(w.Bytes(L"setting.ini"), settingsBefore);
  EXPECT_EQ(w.Bytes(L"lirvacolors.ini"), theirs);
}

// The user saved the themes into lirvacolors.ini through File > save: the close finds
// the user's own file there, not another program's.
TEST(Form1Close, AStoreTheUserSavedThroughFileSaveIsNoOtherProgramsChange) {
  TestWindow w;
  w.StartBesideSampleFiles();
  w.view.ClickListEntry(2);
  w.view.AnswerInputBox({TypeInput(L"Dusk"), ClickOk()});
  w.view.ChooseMenu(&Form1Events::mnRename_Click);
  w.view.AnswerFileDialog(w.folder.File(L"lirvacolors.ini"));
  w.view.ChooseMenu(&Form1Events::mnSave_Click);
  w.view.ChooseMenu(&Form1Events::mnQuit_Click);
  EXPECT_TRUE(w.view.Closed());
  EXPECT_TRUE(w.view.Messages().empty());
  EXPECT_EQ(w.Bytes(L"lirvacolors.ini"), TestWindow::StoreBytes(w.form.Themes()));
}

}  // namespace
