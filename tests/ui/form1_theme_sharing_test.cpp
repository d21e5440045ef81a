// Single themes passed around: the selected theme exported, the themes of a file added
// to the end of the list (from the Theme menu or dropped onto the window).
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <utility>

#include "platform/program_folder.h"
#include "platform/utf8.h"
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
  EXPECT_EQ(w.view.FileDialogs()[0].fileKind, FileDialogKind::Save);
  EXPECT_EQ(w.view.FileDialogs()[0].filter, kThemeFileFilter);
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
  EXPECT_EQ(w.view.Messages()[0].prompt.rfind(nowhere + L"に保存できませんでした。", 0), 0u);
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
  EXPECT_EQ(w.view.FileDialogs().back().fileKind, FileDialogKind::Open);

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
  EXPECT_EQ(w.view.FileDialogs()[1].fileName, note);
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

// The fields show edits of the selected theme: export asks, as a switch does, whether
// they go into the theme first.
TEST(Form1ExportTheme, UnsavedEditsOfTheThemeAreAskedAboutFirst) {
  struct Case {
    const char* name;
    MsgBoxAnswer answer;
    std::optional<Color> exportedBack;  // nullopt: nothing written
    bool stillUnsaved;
  };
  const Case cases[] = {{"store the edits and export", MsgBoxAnswer::Yes, 0xFF, false},
                        {"export as stored", MsgBoxAnswer::No, SampleThemes()[0].Colors[COLOR_BACK], true},
                        {"cancel", MsgBoxAnswer::Cancel, std::nullopt, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestWindow w;
    w.StartBesideSampleFiles();
    w.view.ClickListEntry(1);
    w.view.Focus(Control::Field(COLOR_BACK));
    w.view.Type(L"0000FF");
    w.view.Focus(Control::ListBox());
    w.view.AnswerMessage(kSwitchQuestion, c.answer);
    if (c.exportedBack) w.view.AnswerFileDialog(w.folder.File(L"night.txt"));
    w.view.ChooseMenu(&Form1Events::mnExportTheme_Click);
    EXPECT_EQ(w.form.State().SettingsChanged, c.stillUnsaved);
    if (!c.exportedBack) {
      EXPECT_FALSE(w.folder.Exists(L"night.txt"));
      continue;
    }
    const std::vector<Theme> exported = ReadThemeFile(w.folder.File(L"night.txt")).themes;
    ASSERT_EQ(exported.size(), 1u);
    EXPECT_EQ(exported[0].Colors[COLOR_BACK], *c.exportedBack);
    EXPECT_EQ(w.form.Themes()[1].Colors[COLOR_BACK], *c.exportedBack);
  }
}

// The file last loaded or saved holds a whole collection: export proposes the theme's
// own name, and load and save keep their file name.
TEST(Form1ExportTheme, ProposesTheThemesOwnNameAndLeavesTheLoadAndSaveFileName) {
  TestWindow w;
  w.StartBesideSampleFiles();
  const std::wstring collection = w.folder.File(L"collection.txt");
  w.view.AnswerFileDialog(collection);
  w.view.ChooseMenu(&Form1Events::mnSave_Click);
  w.view.ClickListEntry(2);
  w.view.AnswerInputBox({TypeInput(L"Dusk: \"a/b\" *?"), ClickOk()});
  w.view.ChooseMenu(&Form1Events::mnRename_Click);
  w.view.AnswerFileDialog(std::nullopt);
  w.view.ChooseMenu(&Form1Events::mnExportTheme_Click);
  w.view.AnswerFileDialog(std::nullopt);
  w.view.ChooseMenu(&Form1Events::mnSave_Click);
  ASSERT_EQ(w.view.FileDialogs().size(), 3u);
  EXPECT_EQ(w.view.FileDialogs()[1].fileName, L"Dusk_ _a_b_ __.txt");
  EXPECT_EQ(w.view.FileDialogs()[2].fileName, collection);
}

TEST(ThemeFileNameFor, GivesANameWindowsTakesForAFile) {
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"夜の海", L"夜の海.txt"},     {L"a<b>c:d\"e/f\\g|h?i*j", L"a_b_c_d_e_f_g_h_i_j.txt"},
      {L"tab\there", L"tab_here.txt"}, {L"dots...  ", L"dots.txt"},
      {L"", L"Theme.txt"},              {L" . ", L"Theme.txt"},
      {L"con", L"con_.txt"},            {L"LPT1", L"LPT1_.txt"},
      {L"nul.old", L"nul.old_.txt"},    {L"console", L"console.txt"},
  };
  for (const auto& [name, file] : cases) {
    SCOPED_TRACE(platform::ToUtf8(name));
    EXPECT_EQ(ThemeFileNameFor(name, L"Theme"), file);
  }
}

TEST(Form1ExportTheme, AFailedWriteSpeaksOfOneTheme) {
  TestWindow w;
  w.view.SetInterfaceLanguage(Language::English);
  w.StartBesideSampleFiles();
  w.view.ClickListEntry(1);
  const std::wstring nowhere = platform::PathInFolder(w.folder.File(L"missing"), L"night.txt");
  w.view.AnswerFileDialog(nowhere);
  w.view.AnswerMessage(MsgBoxAnswer::OK);
  w.view.ChooseMenu(&Form1Events::mnExportTheme_Click);
  ASSERT_EQ(w.view.Messages().size(), 1u);
  EXPECT_EQ(w.view.Messages()[0].prompt.rfind(L"The theme could not be exported to " + nowhere, 0), 0u);
}

// A readme or notes file has "[...]" headings too: only sections that set a colour or
// the title are themes to add, and a file with none is refused. File > load still reads
// every section, as the store does.
TEST(Form1AddThemes, OnlySectionsThatSetSomethingAreThemesToAdd) {
  const std::string readme =
      "[使い方]\r\nテーマを追加してください。\r\n\r\n[Mine]\r\nCOLOR_BACK=&H0000FF\r\n[注意]\r\n[Title only]\r\nTransformTitle=題\r\n";
  TestWindow w;
  w.StartBesideSampleFiles();
  w.folder.Write(L"readme.txt", readme);
  w.folder.Write(L"headings.txt", "[使い方]\r\n説明\r\n[その他]\r\n");
  const std::wstring headings = w.folder.File(L"headings.txt");

  w.view.AnswerFileDialog(w.folder.File(L"readme.txt"));
  w.view.ChooseMenu(&Form1Events::mnAddThemes_Click);
  w.view.AnswerMessage(DroppedFilesRefusedMessage({{headings, kNoThemeInFileReason}}, false), MsgBoxAnswer::OK);
  w.view.DropFiles({headings});
  w.view.AnswerFileDialog(headings);
  w.view.AnswerMessage(NoThemeInFileMessage(headings), MsgBoxAnswer::OK);
  w.view.ChooseMenu(&Form1Events::mnAddThemes_Click);
  EXPECT_EQ(w.view.ListItems(), (std::vector<std::wstring>{L"(現在の設定)", L"Night", L"Day", L"Sea", L"Mine", L"Title only"}));
  // Added in one go, as the start-up fills the list, not entry by entry.
  EXPECT_EQ(w.view.SingleListAdds(), 0);

  w.view.AnswerMessage(kSaveBeforeLoadQuestion, MsgBoxAnswer::No);
  w.view.AnswerFileDialog(w.folder.File(L"readme.txt"));
  w.view.ChooseMenu(&Form1Events::mnOpen_Click);
  EXPECT_EQ(w.view.ListItems(),
            (std::vector<std::wstring>{L"(現在の設定)", L"使い方", L"Mine", L"注意", L"Title only"}));
}

TEST(Form1DropFiles, NamesAFolderAsOneAndListsAtMostTenFiles) {
  TestWindow w;
  w.view.SetInterfaceLanguage(Language::English);
  w.StartBesideSampleFiles();
  std::filesystem::create_directory(std::filesystem::path(w.folder.File(L"themes")));
  std::vector<std::wstring> dropped = {w.folder.File(L"themes")};
  for (int i = 0; i < 11; ++i) dropped.push_back(w.folder.File(L"gone" + std::to_wstring(i) + L".txt"));
  w.view.AnswerMessage(MsgBoxAnswer::OK);
  w.view.DropFiles(dropped);
  ASSERT_EQ(w.view.Messages().size(), 1u);
  const std::wstring& shown = w.view.Messages()[0].prompt;
  EXPECT_NE(shown.find(w.folder.File(L"themes") + L"\nIt is a folder."), std::wstring::npos);
  EXPECT_NE(shown.find(dropped[9]), std::wstring::npos);
  EXPECT_EQ(shown.find(dropped[10]), std::wstring::npos);
  EXPECT_NE(shown.find(L"and 2 more"), std::wstring::npos);
}

}  // namespace
