// Start-up and close of the main window: what is read, what is asked, what is written.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "platform/files.h"
#include "tests/ui/form1_test_support.h"
#include "themes/color_text.h"
#include "ui/form1_texts.h"

namespace {

constexpr MsgBoxStyle kYesNoCancelQuestion = MsgBoxStyle::YesNoCancel | MsgBoxStyle::Exclamation;
constexpr MsgBoxStyle kYesNoQuestion = MsgBoxStyle::YesNo | MsgBoxStyle::Exclamation;

TEST(Form1StartUp, ShowsTheSettingsTheStoredThemesAndThePreview) {
  TestWindow w;
  w.StartBesideSampleFiles();

  const SettingsRecord read = w.SettingsAsRead();
  EXPECT_EQ(w.settings, read);
  EXPECT_EQ(w.view.ListItems(), (std::vector<std::wstring>{L"(現在の設定)", L"Night", L"Day", L"Sea"}));
  EXPECT_EQ(w.view.ListIndex(), -1);
  EXPECT_EQ(w.view.ColorFieldTexts(), FieldTexts(SampleSettings().Colors));
  EXPECT_EQ(w.view.TransformTitleText(), L"歌声");
  EXPECT_EQ(w.view.FocusedControl(), Control::ListBox());
  ASSERT_EQ(w.form.Themes().size(), 4u);
  EXPECT_EQ(w.form.Themes()[0].Colors, read.Colors);
  EXPECT_EQ(w.form.Themes()[2].Colors, SampleThemes()[1].Colors);

  const Form1State& state = w.form.State();
  EXPECT_EQ(state.CurrentThemeIndex, 0);
  EXPECT_FALSE(state.SettingsChanged);
  EXPECT_FALSE(state.ThemeListChanged);
  EXPECT_FALSE(state.ListClickSuppressed);
  EXPECT_TRUE(state.ColorFieldEdited);
  EXPECT_TRUE(w.view.Messages().empty());
}

// Closing with nothing to keep writes nothing, whoever asks for the close.
TEST(Form1Close, WithNothingChangedAsksNothingAndWritesNothing) {
  struct Case {
    const char* name;
    bool selectCurrentSettings;
    CloseReason reason;
  };
  for (const Case& c : {Case{"close box", false, CloseReason::CloseBox},
                        Case{"apply and close", false, CloseReason::Program},
                        Case{"session end", false, CloseReason::SessionEnd},
                        Case{"current settings selected", true, CloseReason::CloseBox}}) {
    SCOPED_TRACE(c.name);
    TestWindow w;
    w.WriteSettingsFile(SampleSettings());
    w.view.Open();
    const std::string settingsBefore = w.Bytes(L"setting.ini");
    if (c.selectCurrentSettings) w.view.ClickListEntry(0);
    EXPECT_TRUE(w.view.AskClose(c.reason));
    EXPECT_TRUE(w.view.Messages().empty());
    EXPECT_EQ(w.Bytes(L"setting.ini"), settingsBefore);
    EXPECT_FALSE(w.folder.Exists(L"lirvacolors.ini"));
  }
}

// With a stored theme selected (its colours are now the current ones) the close asks,
// unless it came from File > apply and close.
TEST(Form1Close, AnswersToTheCloseQuestionDecideWhatIsWritten) {
  struct Case {
    const char* name;
    CloseReason reason;
    std::optional<MsgBoxAnswer> answer;  // nullopt: no question expected
    bool settingsWritten;
    bool storeWritten;
    bool closed;
  };
  const Case cases[] = {
      {"close box, Yes", CloseReason::CloseBox, MsgBoxAnswer::Yes, true, true, true},
      {"close box, No", CloseReason::CloseBox, MsgBoxAnswer::No, false, true, true},
      {"close box, Cancel", CloseReason::CloseBox, MsgBoxAnswer::Cancel, false, false, false},
      {"session end, Yes", CloseReason::SessionEnd, MsgBoxAnswer::Yes, true, true, true},
      {"session end, Cancel", CloseReason::SessionEnd, MsgBoxAnswer::Cancel, false, false, false},
      {"apply and close", CloseReason::Program, std::nullopt, true, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestWindow w;
    w.StartBesideSampleFiles();
    w.view.ClickListEntry(3);
    // A rename that the store has not seen yet tells a rewritten store from the old one.
    w.view.AnswerInputBox({TypeInput(L"Ocean"), ClickOk()});
    w.view.ChooseMenu(&Form1Events::mnRename_Click);
    const std::string settingsBefore = w.Bytes(L"setting.ini");
    const std::string storeBefore = w.Bytes(L"lirvacolors.ini");
    const Form1State stateBefore = w.form.State();

    if (c.answer) w.view.AnswerMessage(kCloseQuestion, *c.answer);
    EXPECT_EQ(w.view.AskClose(c.reason), c.closed);
    if (c.answer) {
      ASSERT_EQ(w.view.Messages().size(), 1u);
      EXPECT_EQ(w.view.Messages()[0].style, kYesNoCancelQuestion);
    } else {
      EXPECT_TRUE(w.view.Messages().empty());
    }

    SettingsRecord expected = w.SettingsAsRead();
    expected.Colors = SampleThemes()[2].Colors;
    expected.TransformTitle = L"海";
    EXPECT_EQ(w.Bytes(L"setting.ini"), c.settingsWritten ? TestWindow::SettingsBytes(expected) : settingsBefore);
    EXPECT_EQ(w.Bytes(L"lirvacolors.ini"), c.storeWritten ? TestWindow::StoreBytes(w.form.Themes()) : storeBefore);
    EXPECT_NE(storeBefore, TestWindow::StoreBytes(w.form.Themes()));
    if (!c.closed) {
      EXPECT_EQ(w.form.State().SettingsChanged, stateBefore.SettingsChanged);
      EXPECT_EQ(w.form.State().ThemeListChanged, stateBefore.ThemeListChanged);
      // Closing again asks again.
      w.view.AnswerMessage(kCloseQuestion, MsgBoxAnswer::No);
      EXPECT_TRUE(w.view.AskClose(c.reason));
    }
  }
}

// A colour still being typed is not taken by the menu: the close writes what was stored.
// A menu click does not move the focus, so the field never loses it; the close takes
// the colour being typed as leaving the field would, and writes what the field shows.
TEST(Form1Close, TakesAColourStillBeingTyped) {
  struct Case {
    const char* name;
    CloseReason reason;
    std::optional<MsgBoxAnswer> closeAnswer;
  };
  const Case cases[] = {{"apply and close", CloseReason::Program, std::nullopt},
                        {"close box, Yes", CloseReason::CloseBox, MsgBoxAnswer::Yes}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestWindow w;
    w.StartBesideSampleFiles();
    w.view.ClickListEntry(1);
    w.view.Focus(Control::Field(COLOR_BACK));
    w.view.Type(L"0000FF");
    if (c.closeAnswer) w.view.AnswerMessage(kCloseQuestion, *c.closeAnswer);
    if (c.reason == CloseReason::Program) {
      w.view.ChooseMenu(&Form1Events::mnQuit_Click);
    } else {
      w.view.AskClose(c.reason);
    }

    ASSERT_TRUE(w.view.Closed());
    EXPECT_EQ(w.view.ColorFieldText(COLOR_BACK), L"0000FF");
    SettingsRecord expected = w.SettingsAsRead();
    expected.Colors = SampleThemes()[0].Colors;
    expected.Colors[COLOR_BACK] = 0xFF;
    expected.TransformTitle = L"夜";
    EXPECT_EQ(w.Bytes(L"setting.ini"), TestWindow::SettingsBytes(expected));
  }
}

// Themes changed while the close has nothing for setting.ini still reach the store.
TEST(Form1Close, WritesTheStoreWhenOnlyTheThemeListChanged) {
  TestWindow w;
  w.StartBesideSampleFiles();
  const std::string settingsBefore = w.Bytes(L"setting.ini");
  w.view.ClickListEntry(2);
  w.view.AnswerMessage(DeleteQuestion(L"Day"), MsgBoxAnswer::OK);
  w.view.ChooseMenu(&Form1Events::mnDelete_Click);
  ASSERT_EQ(w.view.ListIndex(), 0);
  ASSERT_FALSE(w.form.State().SettingsChanged);

  EXPECT_TRUE(w.view.AskClose(CloseReason::CloseBox));
  EXPECT_EQ(w.view.Messages().size(), 1u);  // the delete's question only
  EXPECT_EQ(w.Bytes(L"setting.ini"), settingsBefore);
  ::ThemeList expected{Theme{}, SampleThemes()[0], SampleThemes()[2]};
  EXPECT_EQ(w.Bytes(L"lirvacolors.ini"), TestWindow::StoreBytes(expected));
}

#ifndef _WIN32

// A failed write at the close is told with the file and the reason; Yes keeps the
// window open with nothing lost, No closes without that file.
TEST(Form1Close, AFailedWriteOfSettingsLetsTheUserChoose) {
  for (MsgBoxAnswer answer : {MsgBoxAnswer::Yes, MsgBoxAnswer::No}) {
    SCOPED_TRACE(answer == MsgBoxAnswer::Yes ? "keep the window" : "close anyway");
    TestWindow w;
    w.StartBesideSampleFiles();
    w.view.ClickListEntry(1);
    const std::string storeBefore = w.Bytes(L"lirvacolors.ini");
    MakeReadOnly(w.folder.File(L"setting.ini"));
    const std::string settingsBefore = w.Bytes(L"setting.ini");

    w.view.AnswerMessage(answer);
    EXPECT_EQ(w.view.AskClose(CloseReason::Program), answer == MsgBoxAnswer::No);

    // The same write, tried here, gives the reason the user must be told.
    const std::wstring reason = platform::WriteFileSafely(w.folder.File(L"setting.ini"), "").reason();
    ASSERT_FALSE(reason.empty());
    ASSERT_EQ(w.view.Messages().size(), 1u);
    EXPECT_EQ(w.view.Messages()[0].prompt, CloseWriteFailedQuestion(L"setting.ini", reason));
    EXPECT_EQ(w.view.Messages()[0].style, kYesNoQuestion);
    EXPECT_EQ(w.Bytes(L"setting.ini"), settingsBefore);
    if (answer == MsgBoxAnswer::Yes) {
      EXPECT_EQ(w.Bytes(L"lirvacolors.ini"), storeBefore);
      // Once the file can be written, closing again writes both.
      MakeWritable(w.folder.File(L"setting.ini"));
      EXPECT_TRUE(w.view.AskClose(CloseReason::Program));
      EXPECT_NE(w.Bytes(L"setting.ini"), settingsBefore);
    } else {
      EXPECT_EQ(w.Bytes(L"lirvacolors.ini"), TestWindow::StoreBytes(w.form.Themes()));
    }
  }
}

TEST(Form1Close, AFailedWriteOfTheStoreLetsTheUserChoose) {
  for (MsgBoxAnswer answer : {MsgBoxAnswer::Yes, MsgBoxAnswer::No}) {
    SCOPED_TRACE(answer == MsgBoxAnswer::Yes ? "keep the window" : "close anyway");
    TestWindow w;
    w.WriteSettingsFile(SampleSettings());
    // A folder where the store should be: nothing can replace it.
    std::filesystem::create_directory(std::filesystem::path(w.folder.File(L"lirvacolors.ini")));
    w.view.Open();
    w.view.AnswerInputBox({ClickOk()});
    w.view.ChooseMenu(&Form1Events::mnNewTheme_Click);

    w.view.AnswerMessage(kCloseQuestion, MsgBoxAnswer::Yes);
    w.view.AnswerMessage(answer);
    EXPECT_EQ(w.view.AskClose(CloseReason::SessionEnd), answer == MsgBoxAnswer::No);
    ASSERT_EQ(w.view.Messages().size(), 2u);
    EXPECT_EQ(w.view.Messages()[1].style, kYesNoQuestion);
    EXPECT_EQ(w.view.Messages()[1].prompt.rfind(L"lirvacolors.iniを保存できませんでした。\n", 0), 0u);
    // setting.ini was written before the store failed: it holds the new theme's colours.
    EXPECT_EQ(w.SettingsAsRead().Colors, StandardColors());
  }
}

// A file that was there but could not be read is told about once, and never written.
TEST(Form1StartUp, UnreadableFilesAreToldOnceAndNeverWritten) {
  struct Case {
    const char* name;
    bool settingsUnreadable;
    bool storeUnreadable;
  };
  for (const Case& c : {Case{"setting.ini", true, false}, Case{"lirvacolors.ini", false, true},
                        Case{"both", true, true}}) {
    SCOPED_TRACE(c.name);
    TestWindow w;
    if (c.settingsUnreadable) {
      if (auto why = MakeUnreadableFile(w.folder.File(L"setting.ini"))) GTEST_SKIP() << *why;
    } else {
      w.WriteSettingsFile(SampleSettings());
    }
    if (c.storeUnreadable) {
      if (auto why = MakeUnreadableFile(w.folder.File(L"lirvacolors.ini"))) GTEST_SKIP() << *why;
    } else {
      w.WriteStoreFile(SampleThemes());
    }
    const FileIdentity settingsFile = IdentityOf(w.folder.File(L"setting.ini"));
    const FileIdentity storeFile = IdentityOf(w.folder.File(L"lirvacolors.ini"));
    w.view.AnswerMessage(MsgBoxAnswer::OK);
    w.view.Open();

    ASSERT_EQ(w.view.Messages().size(), 1u);
    const ShownModal& told = w.view.Messages()[0];
    EXPECT_EQ(told.style, MsgBoxStyle::OKOnly | MsgBoxStyle::Exclamation);
    EXPECT_EQ(told.prompt.find(L"setting.iniを読み込めませんでした。") != std::wstring::npos, c.settingsUnreadable);
    EXPECT_EQ(told.prompt.find(L"lirvacolors.iniを読み込めませんでした。") != std::wstring::npos, c.storeUnreadable);
    EXPECT_EQ(w.view.ListItems().size(), c.storeUnreadable ? 1u : 4u);

    // Everything else works as usual: a new theme, an edit, and a close that asks only
    // about a file it may write.
    w.view.AnswerInputBox({ClickOk()});
    w.view.ChooseMenu(&Form1Events::mnNewTheme_Click);
    w.view.Focus(Control::Field(0));
    w.view.Type(L"123456");
    w.view.PressTab();
    if (!c.settingsUnreadable) w.view.AnswerMessage(kCloseQuestion, MsgBoxAnswer::Yes);
    EXPECT_TRUE(w.view.AskClose(CloseReason::CloseBox));

    if (c.settingsUnreadable) {
      EXPECT_EQ(IdentityOf(w.folder.File(L"setting.ini")), settingsFile) << "setting.ini was replaced";
    } else {
      EXPECT_EQ(w.SettingsAsRead().Colors[0], 0x123456);
    }
    if (c.storeUnreadable) {
      EXPECT_EQ(IdentityOf(w.folder.File(L"lirvacolors.ini")), storeFile) << "lirvacolors.ini was replaced";
    } else {
      EXPECT_EQ(w.Bytes(L"lirvacolors.ini"), TestWindow::StoreBytes(w.form.Themes()));
    }
    EXPECT_EQ(w.view.Messages().size(), c.settingsUnreadable ? 1u : 2u);
  }
}

#endif

}  // namespace
