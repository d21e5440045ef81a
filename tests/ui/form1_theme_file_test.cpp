// File > load and File > save.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "platform/program_folder.h"
#include "tests/ui/form1_test_support.h"
#include "ui/form1_texts.h"

namespace {

const std::vector<std::wstring> kSampleList = {L"(現在の設定)", L"Night", L"Day", L"Sea"};
const std::vector<std::wstring> kLoadedList = {L"(現在の設定)", L"Rose", L"Moss"};

// A theme file holding Rose and Moss, in the folder; its path.
std::wstring WriteThemeFile(TestWindow& w, const std::wstring& name) {
  w.folder.Write(name, TestWindow::StoreBytes({Theme{}, MakeTheme(L"Rose", 0x8000FF, L"薔薇"),
                                               MakeTheme(L"Moss", 0x208040, L"")}));
  return w.folder.File(name);
}

std::vector<FileDialogKind> KindsShown(const ScriptedForm1View& view) {
  std::vector<FileDialogKind> kinds;
  for (const ShownModal& shown : view.FileDialogs()) kinds.push_back(shown.fileKind);
  return kinds;
}

TEST(Form1Load, WithoutChangedThemesReplacesTheListAtOnce) {
  TestWindow w;
  w.StartBesideSampleFiles();
  w.view.ClickListEntry(2);
  w.view.Surface().DiscardDrawing();
  const std::wstring path = WriteThemeFile(w, L"roses.txt");
  w.view.AnswerFileDialog(path);
  w.view.ChooseMenu(&Form1Events::mnOpen_Click);

  EXPECT_TRUE(w.view.Messages().empty());
  ASSERT_EQ(w.view.FileDialogs().size(), 1u);
  EXPECT_EQ(w.view.FileDialogs()[0].fileKind, FileDialogKind::Open);
  EXPECT_EQ(w.view.FileDialogs()[0].filter, L"テキストファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*");
  EXPECT_EQ(w.view.FileDialogs()[0].fileName, L"");
  EXPECT_EQ(w.view.ListItems(), kLoadedList);
  EXPECT_EQ(w.view.ListIndex(), -1);
  ASSERT_EQ(w.form.Themes().size(), 3u);
  EXPECT_EQ(w.form.Themes()[1].Colors, MakeTheme(L"Rose", 0x8000FF, L"").Colors);
  // The switch to the current-settings entry came first; the new entry 0 holds its values.
  EXPECT_EQ(w.settings.Colors, SampleSettings().Colors);
  EXPECT_EQ(w.form.Themes()[0].Colors, SampleSettings().Colors);
  EXPECT_TRUE(w.view.Surface().TakeOneRedrawShowing(SampleSettings().Colors));
  EXPECT_FALSE(w.form.State().ThemeListChanged);
  EXPECT_EQ(w.form.State().CurrentThemeIndex, 0);
  // The store itself is not touched.
  EXPECT_EQ(w.Bytes(L"lirvacolors.ini"), TestWindow::StoreBytes({Theme{}, SampleThemes()[0], SampleThemes()[1],
                                                                 SampleThemes()[2]}));
}

// With changed themes the load first offers to save them to a file.
TEST(Form1Load, TheSaveQuestionComesFirstWhenThemesChanged) {
  struct Case {
    const char* name;
    MsgBoxAnswer answer;
    std::optional<std::wstring> saveTo;  // inside the folder; nullopt: not asked
    bool saveDialogCancelled;
    std::vector<FileDialogKind> dialogs;
    bool loaded;
  };
  const Case cases[] = {
      {"Cancel", MsgBoxAnswer::Cancel, std::nullopt, false, {}, false},
      {"No", MsgBoxAnswer::No, std::nullopt, false, {FileDialogKind::Open}, true},
      {"Yes, save dialog cancelled", MsgBoxAnswer::Yes, std::nullopt, true, {FileDialogKind::Save, FileDialogKind::Open}, true},
      {"Yes, saved", MsgBoxAnswer::Yes, L"kept.txt", false, {FileDialogKind::Save, FileDialogKind::Open}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestWindow w;
    w.StartBesideSampleFiles();
    w.view.ClickListEntry(1);
    w.view.AnswerInputBox({TypeInput(L"Dusk"), ClickOk()});
    w.view.ChooseMenu(&Form1Events::mnRename_Click);
    const ::ThemeList before = w.form.Themes();
    const std::wstring path = WriteThemeFile(w, L"roses.txt");

    w.view.AnswerMessage(kSaveBeforeLoadQuestion, c.answer);
    if (c.saveTo) w.view.AnswerFileDialog(w.folder.File(*c.saveTo));
    if (c.saveDialogCancelled) w.view.AnswerFileDialog(std::nullopt);
    if (c.loaded) w.view.AnswerFileDialog(path);
    w.view.ChooseMenu(&Form1Events::mnOpen_Click);

    ASSERT_EQ(w.view.Messages().size(), 1u);
    EXPECT_EQ(w.view.Messages()[0].style, MsgBoxStyle::YesNoCancel | MsgBoxStyle::Exclamation);
    EXPECT_EQ(KindsShown(w.view), c.dialogs);
    if (c.saveTo) {
      EXPECT_EQ(w.Bytes(*c.saveTo), TestWindow::StoreBytes(before));
    }
    const std::vector<std::wstring> unloaded = {L"(現在の設定)", L"Dusk", L"Day", L"Sea"};
    EXPECT_EQ(w.view.ListItems(), c.loaded ? kLoadedList : unloaded);
    EXPECT_EQ(w.form.State().ThemeListChanged, !c.loaded);
    EXPECT_EQ(w.view.ListIndex(), c.loaded ? -1 : 1);
  }
}

// Themes the user asked to keep are never replaced by a load when keeping them failed.
TEST(Form1Load, StopsWhenTheSaveItAskedForFails) {
  TestWindow w;
  w.StartBesideSampleFiles();
  w.view.ClickListEntry(2);
  w.view.AnswerMessage(MsgBoxAnswer::OK);
  w.view.ChooseMenu(&Form1Events::mnDelete_Click);
  const std::wstring unwritable = w.folder.File(L"no such folder") + platform::kPathSeparator + L"kept.txt";
  const std::wstring reason = platform::WriteFileSafely(unwritable, "").reason();
  ASSERT_FALSE(reason.empty());

  w.view.AnswerMessage(kSaveBeforeLoadQuestion, MsgBoxAnswer::Yes);
  w.view.AnswerFileDialog(unwritable);
  w.view.AnswerMessage(SaveBeforeLoadFailedMessage(unwritable, reason), MsgBoxAnswer::OK);
  w.view.ChooseMenu(&Form1Events::mnOpen_Click);

  EXPECT_EQ(KindsShown(w.view), std::vector<FileDialogKind>{FileDialogKind::Save});
  EXPECT_EQ(w.view.Messages().back().style, MsgBoxStyle::OKOnly | MsgBoxStyle::Exclamation);
  EXPECT_EQ(w.view.ListItems(), (std::vector<std::wstring>{L"(現在の設定)", L"Night", L"Sea"}));
  EXPECT_TRUE(w.form.State().ThemeListChanged);
}

TEST(Form1Load, CancelledDialogChangesNothing) {
  TestWindow w;
  w.StartBesideSampleFiles();
  w.view.ClickListEntry(3);
  w.view.AnswerInputBox({ClickOk()});
  w.view.ChooseMenu(&Form1Events::mnRename_Click);
  w.view.AnswerMessage(MsgBoxAnswer::No);
  w.view.AnswerFileDialog(std::nullopt);
  w.view.ChooseMenu(&Form1Events::mnOpen_Click);

  EXPECT_EQ(w.view.ListItems(), kSampleList);
  EXPECT_EQ(w.view.ListIndex(), 3);
  EXPECT_EQ(w.form.State().CurrentThemeIndex, 3);
  EXPECT_TRUE(w.form.State().ThemeListChanged);
}

#ifndef _WIN32
TEST(Form1Load, AFileThatCannotBeReadIsToldAndTheListStays) {
  TestWindow w;
  w.StartBesideSampleFiles();
  w.view.ClickListEntry(1);
  w.view.AnswerInputBox({TypeInput(L"Dusk"), ClickOk()});
  w.view.ChooseMenu(&Form1Events::mnRename_Click);
  const std::wstring path = w.folder.File(L"locked.txt");
  if (auto why = MakeUnreadableFile(path)) GTEST_SKIP() << *why;
  std::string ignored;
  const std::wstring reason = platform::ReadFileBytes(path, ignored).reason();

  w.view.AnswerMessage(kSaveBeforeLoadQuestion, MsgBoxAnswer::No);
  w.view.AnswerFileDialog(path);
  w.view.AnswerMessage(LoadFailedMessage(path, reason), MsgBoxAnswer::OK);
  w.view.ChooseMenu(&Form1Events::mnOpen_Click);

  const std::vector<std::wstring> list = {L"(現在の設定)", L"Dusk", L"Day", L"Sea"};
  EXPECT_EQ(w.view.ListItems(), list);
  ASSERT_EQ(w.form.Themes().size(), list.size());
  for (std::size_t i = 0; i < list.size(); ++i) EXPECT_EQ(w.form.Themes()[i].Name, list[i]);
  // The file is read before the switch to the current-settings entry: nothing moved.
  EXPECT_EQ(w.view.ListIndex(), 1);
  EXPECT_EQ(w.form.State().CurrentThemeIndex, 1);
  EXPECT_TRUE(w.form.State().ThemeListChanged);
}
#endif

// The load makes the current-settings entry current: by the switch when another entry
// is selected, and without asking again when it is selected already.
TEST(Form1Load, EditsOfTheCurrentSettingsBecomeTheNewEntryZero) {
  struct Case {
    const char* name;
    int selected;
    std::optional<MsgBoxAnswer> switchAnswer;
    bool editsKept;
  };
  const Case cases[] = {
      {"current settings selected", 0, std::nullopt, true},
      {"stored theme selected, switch cancelled", 2, MsgBoxAnswer::Cancel, true},
      {"stored theme selected, edits dropped", 2, MsgBoxAnswer::No, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestWindow w;
    w.StartBesideSampleFiles();
    w.view.ClickListEntry(c.selected);
    w.view.Focus(Control::Field(COLOR_BACK));
    w.view.Type(L"0000FF");
    w.view.Focus(Control::ListBox());
    const ColorArray edited = w.settings.Colors;
    w.view.AnswerFileDialog(WriteThemeFile(w, L"roses.txt"));
    if (c.switchAnswer) w.view.AnswerMessage(kSwitchQuestion, *c.switchAnswer);
    w.view.ChooseMenu(&Form1Events::mnOpen_Click);

    EXPECT_EQ(w.view.ListItems(), kLoadedList);
    const ColorArray expected = c.editsKept ? edited : SampleSettings().Colors;
    EXPECT_EQ(w.settings.Colors, expected);
    EXPECT_EQ(w.form.Themes()[0].Colors, expected);
    EXPECT_EQ(w.form.State().SettingsChanged, c.editsKept);
    // Whatever the switch did, no index into the old list survives the load.
    EXPECT_EQ(w.form.State().CurrentThemeIndex, 0);
  }
}

TEST(Form1Save, WritesEveryNamedThemeAndChangesNoFlag) {
  TestWindow w;
  w.StartBesideSampleFiles();
  w.view.ClickListEntry(1);
  w.view.AnswerMessage(MsgBoxAnswer::OK);
  w.view.ChooseMenu(&Form1Events::mnDelete_Click);
  w.view.AnswerFileDialog(w.folder.File(L"mine.txt"));
  w.view.ChooseMenu(&Form1Events::mnSave_Click);

  ASSERT_EQ(w.view.FileDialogs().size(), 1u);
  EXPECT_EQ(w.view.FileDialogs()[0].fileKind, FileDialogKind::Save);
  EXPECT_EQ(w.view.FileDialogs()[0].filter, L"テキストファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*");
  EXPECT_EQ(w.Bytes(L"mine.txt"), TestWindow::StoreBytes(w.form.Themes()));
  EXPECT_TRUE(w.form.State().ThemeListChanged);
  EXPECT_EQ(w.view.Messages().size(), 1u);  // the delete's question only
}

TEST(Form1Save, AFailedWriteIsTold) {
  TestWindow w;
  w.StartBesideSampleFiles();
  const std::wstring unwritable = w.folder.File(L"no such folder") + platform::kPathSeparator + L"mine.txt";
  const std::wstring reason = platform::WriteFileSafely(unwritable, "").reason();
  w.view.AnswerFileDialog(unwritable);
  w.view.AnswerMessage(SaveFailedMessage(unwritable, reason), MsgBoxAnswer::OK);
  w.view.ChooseMenu(&Form1Events::mnSave_Click);
  ASSERT_EQ(w.view.Messages().size(), 1u);
  EXPECT_EQ(w.view.Messages()[0].style, MsgBoxStyle::OKOnly | MsgBoxStyle::Exclamation);
  EXPECT_NE(w.view.Messages()[0].prompt.find(reason), std::wstring::npos);
}

// Both dialogs share one file name for the run: each starts with the last one chosen.
TEST(Form1TheFileDialogs, StartWithTheFileChosenLastInEither) {
  TestWindow w;
  w.StartBesideSampleFiles();
  const std::wstring saved = w.folder.File(L"a.txt");
  const std::wstring loaded = WriteThemeFile(w, L"b.txt");
  w.view.AnswerFileDialog(saved);
  w.view.ChooseMenu(&Form1Events::mnSave_Click);
  w.view.AnswerFileDialog(std::nullopt);
  w.view.ChooseMenu(&Form1Events::mnOpen_Click);
  w.view.AnswerFileDialog(loaded);
  w.view.ChooseMenu(&Form1Events::mnOpen_Click);
  w.view.AnswerFileDialog(std::nullopt);
  w.view.ChooseMenu(&Form1Events::mnSave_Click);

  std::vector<std::wstring> startedWith;
  for (const ShownModal& shown : w.view.FileDialogs()) startedWith.push_back(shown.fileName);
  EXPECT_EQ(startedWith, (std::vector<std::wstring>{L"", saved, saved, loaded}));
}

}  // namespace
