// Edit > Undo and Redo: every kind of step taken back and done again, exactly; the close
// after every step was taken back; the Edit menu's names; the undo key in a field.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/shown_window.h"
#include "tests/ui/form1_test_support.h"
#include "themes/color_text.h"
#include "ui/form1_texts.h"

namespace {

ShownWindow ShownBy(TestWindow& w) { return ShownBy(w.form, w.view, w.settings); }

// The fields and the list's strips show what the record holds, and the preview was
// redrawn once if the colours changed, else not at all.
void ExpectShownAsRecorded(TestWindow& w, bool colorsChanged) {
  EXPECT_EQ(w.view.ColorFieldTexts(), FieldTexts(w.settings.Colors));
  EXPECT_EQ(w.view.TransformTitleText(), w.settings.TransformTitle);
  // Each entry's strip shows its theme's colours; entry 0's, the current colours.
  for (int i = 0; i < w.view.ListCount(); ++i) {
    const ColorArray& colors = i == 0 ? w.settings.Colors : w.form.Themes()[static_cast<std::size_t>(i)].Colors;
    EXPECT_EQ(w.view.ShownStripColors(i), std::optional<ColorArray>(colors)) << "entry " << i;
  }
  if (colorsChanged) {
    EXPECT_TRUE(w.view.Surface().TakeOneRedrawShowing(w.settings.Colors));
  } else {
    EXPECT_TRUE(w.view.Surface().TakeNothingDrawn());
  }
}

std::wstring UndoCaption(TestWindow& w) {
  w.view.OpenMenuOf(MenuCommand::mnUndo);
  return w.view.MenuItemText(MenuCommand::mnUndo);
}

void TypeColor(TestWindow& w, int slot, const std::wstring& text) {
  w.view.Focus(Control::Field(slot));
  w.view.Type(text);
  w.view.Focus(Control::ListBox());
}

std::wstring WriteOneThemeFile(TestWindow& w, const std::wstring& name, const wchar_t* theme) {
  w.folder.Write(name, TestWindow::StoreBytes({Theme{}, MakeTheme(theme, 0x102030, L"題")}));
  return w.folder.File(name);
}

TEST(Form1Undo, EveryKindOfStepIsTakenBackAndDoneAgainExactly) {
  struct Case {
    const char* name;
    std::function<void(TestWindow&)> prepare;
    std::function<void(TestWindow&)> step;
    std::wstring undoName;
  };
  const auto selectNight = [](TestWindow& w) { w.view.ClickListEntry(1); };
  const auto editNight = [](TestWindow& w) {
    w.view.ClickListEntry(1);
    TypeColor(w, COLOR_BACK, L"0000FF");
  };
  const Case cases[] = {
      {"a colour typed and taken", selectNight, [](TestWindow& w) { TypeColor(w, COLOR_BACK, L"0000FF"); },
       L"色「バック色」"},
      {"a colour from the chooser", selectNight,
       [](TestWindow& w) {
         w.view.AnswerChooser(0x123456);
         w.view.ClickBrowse(COLOR_FORE);
       },
       L"色「文字色」"},
      {"the title typed, keystroke by keystroke", selectNight,
       [](TestWindow& w) {
         w.view.Focus(Control::Title());
         w.view.Type(L"abc");
       },
       L"タイトル変更"},
      {"a new theme", selectNight,
       [](TestWindow& w) {
         w.view.AnswerInputBox({TypeInput(L"New"), ClickOk()});
         w.view.ChooseMenu(&Form1Events::mnNewTheme_Click);
       },
       L"新規作成「New」"},
      {"a duplicate", selectNight, [](TestWindow& w) { w.view.ChooseMenu(&Form1Events::mnDup_Click); },
       L"複製「Night」"},
      {"a rename", selectNight,
       [](TestWindow& w) {
         w.view.AnswerInputBox({TypeInput(L"Dusk"), ClickOk()});
         w.view.ChooseMenu(&Form1Events::mnRename_Click);
       },
       L"名前の変更「Night」"},
      {"a delete", [](TestWindow& w) { w.view.ClickListEntry(2); },
       [](TestWindow& w) {
         w.view.AnswerMessage(MsgBoxAnswer::OK);
         w.view.ChooseMenu(&Form1Events::mnDelete_Click);
       },
       L"削除「Day」"},
      {"the standard colours", selectNight, [](TestWindow& w) { w.view.ChooseMenu(&Form1Events::mnInit_Click); },
       L"標準配色"},
      {"a switch that stored the edits", editNight,
       [](TestWindow& w) {
         w.view.AnswerMessage(kSwitchQuestion, MsgBoxAnswer::Yes);
         w.view.ClickListEntry(3);
       },
       L"「Night」に保存"},
      {"a switch that saved the current settings as a theme",
       [](TestWindow& w) { TypeColor(w, COLOR_BACK, L"0000FF"); },
       [](TestWindow& w) {
         w.view.AnswerMessage(kSwitchQuestion, MsgBoxAnswer::Yes);
         w.view.AnswerInputBox({TypeInput(L"Mine"), ClickOk()});
         w.view.ClickListEntry(2);
       },
       L"新規作成「Mine」"},
      {"an export that stored the edits", editNight,
       [](TestWindow& w) {
         w.view.AnswerMessage(kSwitchQuestion, MsgBoxAnswer::Yes);
         w.view.AnswerFileDialog(w.folder.File(L"night.txt"));
         w.view.ChooseMenu(&Form1Events::mnExportTheme_Click);
       },
       L"「Night」に保存"},
      {"Theme > add", selectNight,
       [](TestWindow& w) {
         w.view.AnswerFileDialog(WriteOneThemeFile(w, L"other.txt", L"Other"));
         w.view.ChooseMenu(&Form1Events::mnAddThemes_Click);
       },
       L"テーマの追加"},
      {"a drop", selectNight, [](TestWindow& w) { w.view.DropFiles({WriteOneThemeFile(w, L"drop.txt", L"Drop")}); },
       L"ドロップしたテーマ"},
      {"File > load", editNight,
       [](TestWindow& w) {
         w.view.AnswerFileDialog(WriteOneThemeFile(w, L"other.txt", L"Other"));
         w.view.AnswerMessage(kSwitchQuestion, MsgBoxAnswer::Yes);
         w.view.AnswerMessage(kSaveBeforeLoadQuestion, MsgBoxAnswer::No);
         w.view.ChooseMenu(&Form1Events::mnOpen_Click);
       },
       L"読み込み「other.txt」"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestWindow w;
    w.StartBesideSampleFiles();
    c.prepare(w);
    const ShownWindow before = ShownBy(w);
    const std::size_t steps = w.form.History().UndoCount();
    c.step(w);
    const ShownWindow after = ShownBy(w);
    ASSERT_NE(after, before);
    EXPECT_EQ(w.form.History().UndoCount(), steps + 1) << "one step";
    EXPECT_EQ(UndoCaption(w), L"元に戻す: " + c.undoName + L"(&U)\tCtrl+Z");

    const bool colorsChanged = after.colors != before.colors;
    w.view.Surface().DiscardDrawing();
    w.view.ChooseMenu(&Form1Events::mnUndo_Click);
    EXPECT_EQ(ShownBy(w), before);
    ExpectShownAsRecorded(w, colorsChanged);
    w.view.ChooseMenu(&Form1Events::mnRedo_Click);
    EXPECT_EQ(ShownBy(w), after);
    ExpectShownAsRecorded(w, colorsChanged);
  }
}

// Undo is a second chance within the window: the files are written at the close from
// what the window shows then, and a close after every step was taken back asks and
// writes exactly what it would have right after start-up: here nothing.
TEST(Form1Undo, AfterEveryStepIsTakenBackTheCloseAsksAndWritesAsAtStart) {
  TestWindow w;
  w.StartBesideSampleFiles();
  const std::string settingsBefore = w.Bytes(L"setting.ini");
  const std::string storeBefore = w.Bytes(L"lirvacolors.ini");
  TypeColor(w, COLOR_BACK, L"0000FF");
  w.view.AnswerMessage(kSwitchQuestion, MsgBoxAnswer::Yes);
  w.view.AnswerInputBox({TypeInput(L"Mine"), ClickOk()});
  w.view.ClickListEntry(1);
  w.view.AnswerInputBox({TypeInput(L"Dusk"), ClickOk()});
  w.view.ChooseMenu(&Form1Events::mnRename_Click);
  w.view.AnswerMessage(MsgBoxAnswer::OK);
  w.view.ChooseMenu(&Form1Events::mnDelete_Click);
  w.view.DropFiles({WriteOneThemeFile(w, L"drop.txt", L"Drop")});
  w.view.ChooseMenu(&Form1Events::mnInit_Click);
  ASSERT_GE(w.form.History().UndoCount(), 5u);

  while (w.form.History().CanUndo()) w.view.PressUndoKey();
  EXPECT_TRUE(w.view.AskClose(CloseReason::CloseBox));
  EXPECT_TRUE(w.view.Messages().empty() || w.view.Messages().back().prompt != kCloseQuestion);
  EXPECT_EQ(w.Bytes(L"setting.ini"), settingsBefore);
  EXPECT_EQ(w.Bytes(L"lirvacolors.ini"), storeBefore);
}

TEST(Form1Undo, ANewStepAfterAnUndoClearsTheStepsToDoAgain) {
  TestWindow w;
  w.StartBesideSampleFiles();
  w.view.ClickListEntry(1);
  w.view.AnswerMessage(MsgBoxAnswer::OK);
  w.view.ChooseMenu(&Form1Events::mnDelete_Click);
  w.view.ChooseMenu(&Form1Events::mnUndo_Click);
  ASSERT_TRUE(w.form.History().CanRedo());
  w.view.ChooseMenu(&Form1Events::mnInit_Click);
  EXPECT_FALSE(w.form.History().CanRedo());
  w.view.OpenMenuOf(MenuCommand::mnRedo);
  EXPECT_FALSE(w.view.MenuItemEnabled(MenuCommand::mnRedo));
}

TEST(Form1Undo, TheEditMenuNamesEachStepInTheWindowsLanguageAndGreysWhatCannotBeDone) {
  for (const Language language : {Language::Japanese, Language::English}) {
    TestWindow w;
    w.view.SetInterfaceLanguage(language);
    w.StartBesideSampleFiles();
    w.view.OpenMenuOf(MenuCommand::mnUndo);
    EXPECT_FALSE(w.view.MenuItemEnabled(MenuCommand::mnUndo));
    EXPECT_FALSE(w.view.MenuItemEnabled(MenuCommand::mnRedo));
    EXPECT_EQ(w.view.MenuItemText(MenuCommand::mnUndo), UndoItemCaption(nullptr, language));

    w.view.ClickListEntry(1);
    w.view.AnswerMessage(MsgBoxAnswer::OK);
    w.view.ChooseMenu(&Form1Events::mnDelete_Click);
    w.view.ChooseMenu(&Form1Events::mnUndo_Click);
    w.view.OpenMenuOf(MenuCommand::mnRedo);
    const std::wstring redo = w.view.MenuItemText(MenuCommand::mnRedo);
    EXPECT_TRUE(w.view.MenuItemEnabled(MenuCommand::mnRedo));
    EXPECT_FALSE(w.view.MenuItemEnabled(MenuCommand::mnUndo));
    EXPECT_EQ(redo, language == Language::Japanese ? L"やり直し: 削除「Night」(&R)\tCtrl+Y" : L"&Redo Delete \"Night\"\tCtrl+Y");
  }
}

// Ctrl+Z in a field that holds typing not taken yet is the field's own undo; once the
// typing is taken, and anywhere else, it is the program's.
TEST(Form1Undo, TypingNotTakenYetIsTheFieldsToUndoByKeyAndTheMenusToTakeBack) {
  TestWindow w;
  w.StartBesideSampleFiles();
  w.view.ClickListEntry(1);
  const std::wstring nightBack = w.view.ColorFieldTexts()[COLOR_BACK];
  w.view.Focus(Control::Field(COLOR_BACK));
  w.view.Type(L"0000FF");
  const std::size_t steps = w.form.History().UndoCount();
  w.view.PressUndoKey();
  EXPECT_EQ(w.view.ColorFieldTexts()[COLOR_BACK], nightBack);
  EXPECT_EQ(w.form.History().UndoCount(), steps);
  EXPECT_FALSE(w.form.State().SettingsChanged);

  w.view.Focus(Control::ListBox());
  EXPECT_EQ(w.form.History().UndoCount(), steps);
  w.view.Focus(Control::Field(COLOR_BACK));
  w.view.Type(L"00FF00");
  w.view.Focus(Control::ListBox());
  ASSERT_EQ(w.settings.Colors[COLOR_BACK], 0x01FF00);
  w.view.PressUndoKey();
  EXPECT_EQ(w.settings.Colors[COLOR_BACK], SampleThemes()[0].Colors[COLOR_BACK]);
  w.view.PressRedoKey();
  EXPECT_EQ(w.settings.Colors[COLOR_BACK], 0x01FF00);

  // Edit > Undo while typing names the colour being typed, and takes it back.
  w.view.Focus(Control::Field(COLOR_FORE));
  w.view.Type(L"ABCDEF");
  w.view.OpenMenuOf(MenuCommand::mnUndo);
  EXPECT_EQ(w.view.MenuItemText(MenuCommand::mnUndo), L"元に戻す: 色「文字色」(&U)\tCtrl+Z");
  EXPECT_FALSE(w.view.MenuItemEnabled(MenuCommand::mnRedo));
  w.view.ChooseMenu(&Form1Events::mnUndo_Click);
  EXPECT_EQ(w.view.ColorFieldText(COLOR_FORE), ColorToText(SampleThemes()[0].Colors[COLOR_FORE]));
  EXPECT_EQ(w.settings.Colors[COLOR_BACK], 0x01FF00);
}

}  // namespace
