// Single themes passed around: the selected theme exported, the themes of a file added
// to the end of the list (from the Theme menu or dropped onto the window).
#include <gtest/gtest.h>

#include "tests/ui/form1_test_support.h"
#include "themes/theme_store.h"
#include "ui/form1_texts.h"

namespace {

const std::vector<std::wstring> kSampleList = {L"(現在の設定)", L"Night", L"Day", L"Sea"};

std::wstring WriteThemeFile(TestWindow& w, const std::wstring& name, const std::vector<Theme>& themes) {
  ::ThemeList list{Theme{}};
  list.insert(list.end(), themes.begin(), themes.end());
  w.folder.Write(name, TestWindow::StoreBytes(list));
  return w.folder.File(name);
}

TEST(Form1ExportTheme, WritesTheSelectedThemeAsFileSaveWritesItAlone) {
  TestWindow w;
  w.StartBesideSampleFiles();
  w.view.ClickListEntry(2);
  const std::wstring exported = w.folder.File(L"day.txt");
  w.view.AnswerFileDialog(exported);
  w.view.ChooseMenu(&Form1Events::mnExportTheme_Click);

  // File > save in a window whose store holds Day alone.
  TestWindow alone;
  alone.WriteSettingsFile(SampleSettings());
  alone.WriteStoreFile({SampleThemes()[1]});
  alone.view.Open();
  const std::wstring saved = alone.folder.File(L"saved.txt");
  alone.view.AnswerFileDialog(saved);
  alone.view.ChooseMenu(&Form1Events::mnSave_Click);

  ASSERT_FALSE(w.Bytes(L"day.txt").empty());
  EXPECT_EQ(w.Bytes(L"day.txt"), alone.Bytes(L"saved.txt"));
  ASSERT_EQ(w.view.FileDialogs().size(), 1u);
  EXPECT_EQ(w.view.FileDialogs()[0].Kind, FileDialogKind::Save);
  EXPECT_EQ(w.view.FileDialogs()[0].Filter, kThemeFileFilter);
  // Nothing of the window changes.
  EXPECT_FALSE(w.form.State().ThemeListChanged);
  EXPECT_EQ(w.view.ListIndex(), 2);
}

TEST(Form1ExportTheme, IsGreyedWithTheCurrentSettingsOrNothingSelected) {
  TestWindow w;
  w.StartBesideSampleFiles();
  w.view.OpenThemeMenu();
  EXPECT_FALSE(w.view.MenuItemEnabled(MenuCommand::mnExportTheme));
  w.view.ClickListEntry(0);
  w.view.OpenThemeMenu();
  EXPECT_FALSE(w.view.MenuItemEnabled(MenuCommand::mnExportTheme));
  w.view.ClickListEntry(3);
  w.view.OpenThemeMenu();
  EXPECT_TRUE(w.view.MenuItemEnabled(MenuCommand::mnExportTheme));
  // Every other item stays as it was.
  EXPECT_TRUE(w.view.MenuItemEnabled(MenuCommand::mnAddThemes));
  EXPECT_TRUE(w.view.MenuItemEnabled(MenuCommand::mnDelete));
}

TEST(Form1ExportTheme, AFailedWriteIsToldAndACancelledDialogIsSilent) {
  TestWindow w;
  w.StartBesideSampleFiles();
  w.view.ClickListEntry(1);
  w.view.AnswerFileDialog(std::nullopt);
  w.view.ChooseMenu(&Form1Events::mnExportTheme_Click);
  EXPECT_TRUE(w.view.Messages().empty());

  const std::wstring nowhere = platform::PathInFolder(w.folder.File(L"missing"), L"night.txt");
  w.view.AnswerFileDialog(nowhere);
  w.view.AnswerMessage(MsgBoxAnswer::OK);
  w.view.ChooseMenu(&Form1Events::mnExportTheme_Click);
  ASSERT_EQ(w.view.Messages().size(), 1u);
  EXPECT_EQ(w.view.Messages()[0].Prompt.rfind(nowhere + L"に保存できませんでした。", 0), 0u);
}

TEST(Form1AddThemes, AppendsEveryThemeOfTheFileAndKeepsTheRest) {
  TestWindow w;
  w.StartBesideSampleFiles();
  w.view.ClickListEntry(1);
  w.view.Focus(Control::Field(COLOR_FORE));
  w.view.Type(L"123456");
  w.view.Focus(Control::ListBox());
  const ColorArray current = w.settings.Colors;
  w.view.Surface().DiscardDrawing();
  // An equal name is kept as it is.
  const std::wstring path =
      WriteThemeFile(w, L"shared.txt", {MakeTheme(L"Dawn", 0x203040, L"朝"), MakeTheme(L"Night", 0x405060, L"")});

  w.view.AnswerFileDialog(path);
  w.view.ChooseMenu(&Form1Events::mnAddThemes_Click);

  const std::vector<std::wstring> list = {L"(現在の設定)", L"Night", L"Day", L"Sea", L"Dawn", L"Night"};
  EXPECT_EQ(w.view.ListItems(), list);
  ASSERT_EQ(w.form.Themes().size(), list.size());
  EXPECT_EQ(w.form.Themes()[4], MakeTheme(L"Dawn", 0x203040, L"朝"));
  EXPECT_EQ(w.form.Themes()[5], MakeTheme(L"Night", 0x405060, L""));
  EXPECT_TRUE(w.form.State().ThemeListChanged);
  // The selection, the current theme, the current colours and their unsaved mark stay.
  EXPECT_EQ(w.view.ListIndex(), 1);
  EXPECT_EQ(w.form.State().CurrentThemeIndex, 1);
  EXPECT_EQ(w.settings.Colors, current);
  EXPECT_TRUE(w.form.State().SettingsChanged);
  EXPECT_TRUE(w.view.Surface().TakeNothingDrawn());
  EXPECT_EQ(w.view.FileDialogs().back().Kind, FileDialogKind::Open);

  // The close stores the added themes.
  w.view.AnswerMessage(kCloseQuestion, MsgBoxAnswer::No);
  ASSERT_TRUE(w.view.AskClose(CloseReason::CloseBox));
  EXPECT_EQ(w.Bytes(L"lirvacolors.ini"), TestWindow::StoreBytes(w.form.Themes()));
}

TEST(Form1AddThemes, AFileWithoutThemesOrThatIsGoneChangesNothing) {
  TestWindow w;
  w.StartBesideSampleFiles();
  w.folder.Write(L"note.txt", "no themes here\r\n");
  const std::wstring note = w.folder.File(L"note.txt");
  const std::wstring gone = w.folder.File(L"gone.txt");
  w.view.AnswerFileDialog(note);
  w.view.AnswerMessage(NoThemeInFileMessage(note), MsgBoxAnswer::OK);
  w.view.ChooseMenu(&Form1Events::mnAddThemes_Click);
  w.view.AnswerFileDialog(gone);
  w.view.AnswerMessage(LoadFailedMessage(gone, L"ファイルが見つかりません。"), MsgBoxAnswer::OK);
  w.view.ChooseMenu(&Form1Events::mnAddThemes_Click);
  EXPECT_EQ(w.view.ListItems(), kSampleList);
  EXPECT_FALSE(w.form.State().ThemeListChanged);
  // Both dialogs start from the file chosen last, as load and save do.
  EXPECT_EQ(w.view.FileDialogs()[1].FileName, note);
}

TEST(Form1DropFiles, AddsTheThemesOfEveryFileAndNamesTheOthersOnce) {
  TestWindow w;
  w.StartBesideSampleFiles();
  const std::wstring first = WriteThemeFile(w, L"a.txt", {MakeTheme(L"Dawn", 0x203040, L"")});
  const std::wstring second = WriteThemeFile(w, L"b.txt", {MakeTheme(L"Dusk", 0x304050, L""), MakeTheme(L"Noon", 0x10, L"")});
  w.folder.Write(L"note.txt", "");
  const std::wstring note = w.folder.File(L"note.txt");
  const std::wstring gone = w.folder.File(L"gone.txt");

  w.view.AnswerMessage(DroppedFilesRefusedMessage({{note, kNoThemeInFileReason}, {gone, L"ファイルが見つかりません。"}}, true),
                       MsgBoxAnswer::OK);
  w.view.DropFiles({first, note, second, gone});
  EXPECT_EQ(w.view.ListItems(),
            (std::vector<std::wstring>{L"(現在の設定)", L"Night", L"Day", L"Sea", L"Dawn", L"Dusk", L"Noon"}));
  EXPECT_EQ(w.form.Themes().size(), 7u);
  EXPECT_TRUE(w.form.State().ThemeListChanged);
  EXPECT_EQ(w.view.ListIndex(), -1);

  // Nothing to add: the message does not claim that anything was added.
  TestWindow v;
  v.StartBesideSampleFiles();
  v.folder.Write(L"note.txt", "");
  v.view.AnswerMessage(DroppedFilesRefusedMessage({{v.folder.File(L"note.txt"), kNoThemeInFileReason}}, false),
                       MsgBoxAnswer::OK);
  v.view.DropFiles({v.folder.File(L"note.txt")});
  EXPECT_EQ(v.view.ListItems(), kSampleList);
  EXPECT_FALSE(v.form.State().ThemeListChanged);
}

}  // namespace
