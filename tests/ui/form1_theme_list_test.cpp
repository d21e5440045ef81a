// The theme list: switching themes and the Theme menu's commands.
#include <gtest/gtest.h>

#include "tests/ui/form1_test_support.h"
#include "themes/color_text.h"
#include "ui/form1_texts.h"

namespace {

constexpr MsgBoxStyle kYesNoCancelQuestion = MsgBoxStyle::YesNoCancel | MsgBoxStyle::Exclamation;

const std::vector<std::wstring> kSampleList = {L"(現在の設定)", L"Night", L"Day", L"Sea"};

// Types a colour into a field and leaves it, so the edit is taken.
void EditColor(TestWindow& w, int slot, const std::wstring& text) {
  w.view.Focus(Control::Field(slot));
  w.view.Type(text);
  w.view.Focus(Control::ListBox());
}

// The current colours, the fields and the preview all show these colours.
void ExpectShowing(TestWindow& w, const ColorArray& colors, const std::wstring& title) {
  EXPECT_EQ(w.settings.Colors, colors);
  EXPECT_EQ(w.settings.TransformTitle, title);
  EXPECT_EQ(w.view.ColorFieldTexts(), FieldTexts(colors));
  EXPECT_EQ(w.view.TransformTitleText(), title);
  EXPECT_TRUE(w.view.Surface().TakeOneRedrawShowing(colors));
}

ColorArray EditedSampleColors() {
  ColorArray colors = SampleSettings().Colors;
  colors[COLOR_BACK] = 0xFF;
  return colors;
}

// With edits of the current settings, a click on another theme asks what to do with them.
TEST(Form1Switch, TheQuestionsAnswersDecideWhereTheEditsGo) {
  struct Case {
    const char* name;
    MsgBoxAnswer answer;
    std::optional<std::vector<InputBoxStep>> inputBox;
    bool newThemeAdded;
  };
  const Case cases[] = {
      {"Yes, name confirmed", MsgBoxAnswer::Yes, std::vector{TypeInput(L"Mine"), ClickOk()}, true},
      {"Yes, name cancelled", MsgBoxAnswer::Yes, std::vector{TypeInput(L"Mine"), ClickCancel()}, false},
      {"Yes, input box closed", MsgBoxAnswer::Yes, std::vector{CloseBox()}, false},
      {"No", MsgBoxAnswer::No, std::nullopt, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestWindow w;
    w.StartBesideSampleFiles();
    w.view.Focus(Control::Field(COLOR_BACK));
    w.view.Type(L"0000FF");
    w.view.AnswerMessage(kSwitchQuestion, c.answer);
    if (c.inputBox) w.view.AnswerInputBox(*c.inputBox);
    // The click takes the typed colour first, as the field loses the focus.
    w.view.ClickListEntry(2);

    ASSERT_EQ(w.view.Messages().size(), 1u);
    EXPECT_EQ(w.view.Messages()[0].style, kYesNoCancelQuestion);
    if (c.inputBox) {
      ASSERT_EQ(w.view.InputBoxes().size(), 1u);
      EXPECT_EQ(w.view.InputBoxes()[0].caption, L"名前を入力");
      EXPECT_EQ(w.view.InputBoxes()[0].proposal, L"新しいテーマ(4)");
    }
    std::vector<std::wstring> list = kSampleList;
    if (c.newThemeAdded) {
      list.push_back(L"Mine");
      ASSERT_EQ(w.form.Themes().size(), 5u);
      EXPECT_EQ(w.form.Themes()[4].Name, L"Mine");
      EXPECT_EQ(w.form.Themes()[4].Colors, EditedSampleColors());
      EXPECT_EQ(w.form.Themes()[4].TransformTitle, L"歌声");
    }
    EXPECT_EQ(w.view.ListItems(), list);
    EXPECT_EQ(w.form.Themes().size(), list.size());
    EXPECT_EQ(w.view.ListIndex(), 2);
    EXPECT_EQ(w.form.State().CurrentThemeIndex, 2);
    EXPECT_FALSE(w.form.State().SettingsChanged);
    EXPECT_EQ(w.form.State().ThemeListChanged, c.newThemeAdded);
    EXPECT_TRUE(w.form.State().ColorFieldEdited);
    // Taking the edit redrew the preview, then the switch did.
    EXPECT_TRUE(w.view.Surface().TakeRedrawsShowing({EditedSampleColors(), SampleThemes()[1].Colors}));
    EXPECT_EQ(w.settings.Colors, SampleThemes()[1].Colors);
    EXPECT_EQ(w.view.ColorFieldTexts(), FieldTexts(SampleThemes()[1].Colors));
    EXPECT_EQ(w.view.TransformTitleText(), L"");
  }
}

TEST(Form1Switch, CancelPutsTheSelectionBackAndKeepsTheEdits) {
  TestWindow w;
  w.StartBesideSampleFiles();
  EditColor(w, COLOR_BACK, L"0000FF");
  EXPECT_TRUE(w.view.Surface().TakeOneRedrawShowing(EditedSampleColors()));
  w.view.AnswerMessage(kSwitchQuestion, MsgBoxAnswer::Cancel);
  w.view.ClickListEntry(3);

  // Nothing was selected before: the current-settings entry, the current theme, is now.
  EXPECT_EQ(w.view.ListIndex(), 0);
  EXPECT_EQ(w.form.State().CurrentThemeIndex, 0);
  EXPECT_TRUE(w.form.State().SettingsChanged);
  EXPECT_EQ(w.settings.Colors, EditedSampleColors());
  EXPECT_EQ(w.view.ColorFieldTexts(), FieldTexts(EditedSampleColors()));
  EXPECT_TRUE(w.view.Surface().TakeNothingDrawn());
  EXPECT_EQ(w.form.Themes().size(), 4u);
}

TEST(Form1Switch, YesStoresTheEditsIntoTheCurrentStoredTheme) {
  TestWindow w;
  w.StartBesideSampleFiles();
  w.view.ClickListEntry(1);
  EditColor(w, COLOR_FORE, L"ABCDEF");
  w.view.AnswerMessage(kSwitchQuestion, MsgBoxAnswer::Yes);
  w.view.ClickListEntry(3);

  ColorArray stored = SampleThemes()[0].Colors;
  stored[COLOR_FORE] = 0xABCDEF;
  EXPECT_EQ(w.form.Themes()[1].Colors, stored);
  EXPECT_EQ(w.form.Themes()[1].Name, L"Night");
  EXPECT_TRUE(w.form.State().ThemeListChanged);
  EXPECT_TRUE(w.view.InputBoxes().empty());
  EXPECT_EQ(w.form.State().CurrentThemeIndex, 3);
  EXPECT_EQ(w.settings.Colors, SampleThemes()[2].Colors);
}

// Each switch clears the unsaved mark, so only the first move asks.
TEST(Form1Switch, ArrowKeysThroughTheListAskOnlyOnce) {
  TestWindow w;
  w.StartBesideSampleFiles();
  w.view.ClickListEntry(1);
  EditColor(w, COLOR_PIANO1, L"111111");
  w.view.AnswerMessage(kSwitchQuestion, MsgBoxAnswer::No);
  w.view.PressDown();
  w.view.PressDown();
  w.view.PressUp();

  EXPECT_EQ(w.view.Messages().size(), 1u);
  EXPECT_EQ(w.view.ListIndex(), 2);
  EXPECT_EQ(w.form.State().CurrentThemeIndex, 2);
  EXPECT_EQ(w.settings.Colors, SampleThemes()[1].Colors);
  EXPECT_EQ(w.form.Themes()[1].Colors, SampleThemes()[0].Colors);
}

TEST(Form1Delete, RemovesTheThemeShiftsTheLaterOnesAndMakesTheCurrentSettingsCurrent) {
  TestWindow w;
  w.StartBesideSampleFiles();
  w.view.ClickListEntry(2);
  w.view.Surface().DiscardDrawing();
  EditColor(w, COLOR_PIANO1, L"111111");
  w.view.Surface().DiscardDrawing();
  w.view.AnswerMessage(MsgBoxAnswer::OK);
  w.view.ChooseMenu(&Form1Events::mnDelete_Click);

  ASSERT_EQ(w.view.Messages().size(), 1u);
  EXPECT_EQ(w.view.Messages()[0].prompt, L"Dayを削除します");
  EXPECT_EQ(w.view.Messages()[0].style, MsgBoxStyle::OKCancel | MsgBoxStyle::Exclamation);
  EXPECT_EQ(w.view.ListItems(), (std::vector<std::wstring>{L"(現在の設定)", L"Night", L"Sea"}));
  ASSERT_EQ(w.form.Themes().size(), 3u);
  EXPECT_EQ(w.form.Themes()[2].Name, L"Sea");
  EXPECT_EQ(w.form.Themes()[2].Colors, SampleThemes()[2].Colors);
  EXPECT_EQ(w.view.ListIndex(), 0);
  const Form1State& state = w.form.State();
  EXPECT_EQ(state.CurrentThemeIndex, 0);
  EXPECT_FALSE(state.SettingsChanged);
  EXPECT_TRUE(state.ThemeListChanged);
  EXPECT_FALSE(state.ListClickSuppressed);
  EXPECT_TRUE(state.ColorFieldEdited);
  ExpectShowing(w, SampleSettings().Colors, L"歌声");

  // A later switch with edits and Yes makes a new theme; no theme that moved up takes them.
  EditColor(w, COLOR_PIANO1, L"222222");
  w.view.AnswerMessage(kSwitchQuestion, MsgBoxAnswer::Yes);
  w.view.AnswerInputBox({ClickOk()});
  w.view.ClickListEntry(2);
  ASSERT_EQ(w.form.Themes().size(), 4u);
  EXPECT_EQ(w.form.Themes()[2].Colors, SampleThemes()[2].Colors);
  EXPECT_EQ(w.form.Themes()[3].Name, L"新しいテーマ(3)");
  EXPECT_EQ(w.form.Themes()[3].Colors[COLOR_PIANO1], 0x222222);
}

TEST(Form1Delete, DoesNothingWithoutAStoredThemeSelectedOrWhenCancelled) {
  struct Case {
    const char* name;
    int select;  // -1: nothing
    std::optional<MsgBoxAnswer> answer;
  };
  for (const Case& c : {Case{"nothing selected", -1, std::nullopt}, Case{"current settings", 0, std::nullopt},
                        Case{"cancelled", 1, MsgBoxAnswer::Cancel}}) {
    SCOPED_TRACE(c.name);
    TestWindow w;
    w.StartBesideSampleFiles();
    if (c.select >= 0) w.view.ClickListEntry(c.select);
    const Form1State before = w.form.State();
    const ColorArray colors = w.settings.Colors;
    if (c.answer) w.view.AnswerMessage(*c.answer);
    w.view.ChooseMenu(&Form1Events::mnDelete_Click);
    EXPECT_EQ(w.view.ListItems(), kSampleList);
    EXPECT_EQ(w.form.Themes().size(), 4u);
    EXPECT_EQ(w.view.ListIndex(), c.select);
    EXPECT_EQ(w.form.State().ThemeListChanged, before.ThemeListChanged);
    EXPECT_EQ(w.form.State().CurrentThemeIndex, before.CurrentThemeIndex);
    EXPECT_EQ(w.settings.Colors, colors);
  }
}

TEST(Form1Duplicate, NamesTheCopyAfterItsSourceAndMakesItCurrent) {
  struct Case {
    int source;
    const wchar_t* name;
  };
  for (const Case& c : {Case{0, L"現在の設定の複製"}, Case{2, L"Dayの複製"}}) {
    SCOPED_TRACE(c.source);
    TestWindow w;
    w.StartBesideSampleFiles();
    w.view.ClickListEntry(c.source);
    w.view.ChooseMenu(&Form1Events::mnDup_Click);

    EXPECT_TRUE(w.view.Messages().empty());
    EXPECT_TRUE(w.view.InputBoxes().empty());
    ASSERT_EQ(w.view.ListCount(), 5);
    EXPECT_EQ(w.view.ListItem(4), c.name);
    EXPECT_EQ(w.form.Themes()[4].Name, c.name);
    EXPECT_EQ(w.form.Themes()[4].Colors, w.form.Themes()[static_cast<std::size_t>(c.source)].Colors);
    EXPECT_EQ(w.form.Themes()[4].TransformTitle, w.form.Themes()[static_cast<std::size_t>(c.source)].TransformTitle);
    EXPECT_EQ(w.view.ListIndex(), 4);
    EXPECT_EQ(w.form.State().CurrentThemeIndex, 4);
    EXPECT_TRUE(w.form.State().ThemeListChanged);
    EXPECT_FALSE(w.form.State().SettingsChanged);
  }
}

TEST(Form1Duplicate, WithEditsYesStoresThemFirstAndNoDropsThem) {
  for (MsgBoxAnswer answer : {MsgBoxAnswer::Yes, MsgBoxAnswer::No}) {
    SCOPED_TRACE(answer == MsgBoxAnswer::Yes ? "Yes" : "No");
    TestWindow w;
    w.StartBesideSampleFiles();
    w.view.ClickListEntry(1);
    EditColor(w, COLOR_PIANO2, L"333333");
    w.view.Surface().DiscardDrawing();
    w.view.AnswerMessage(kSwitchQuestion, answer);
    w.view.ChooseMenu(&Form1Events::mnDup_Click);

    ColorArray expected = SampleThemes()[0].Colors;
    if (answer == MsgBoxAnswer::Yes) expected[COLOR_PIANO2] = 0x333333;
    EXPECT_EQ(w.form.Themes()[1].Colors, expected);
    EXPECT_EQ(w.form.Themes()[4].Colors, expected);
    EXPECT_EQ(w.form.Themes()[4].Name, L"Nightの複製");
    ExpectShowing(w, expected, L"夜");
    EXPECT_EQ(w.form.State().ColorFieldEdited, answer == MsgBoxAnswer::No);
  }
}

TEST(Form1Rename, ProposesTheNameAndAcceptsAnyTextEvenEmpty) {
  TestWindow w;
  w.StartBesideSampleFiles();
  w.view.ClickListEntry(3);
  w.view.Surface().DiscardDrawing();
  w.view.AnswerInputBox({ClearInput(), ClickOk()});
  w.view.ChooseMenu(&Form1Events::mnRename_Click);

  ASSERT_EQ(w.view.InputBoxes().size(), 1u);
  EXPECT_EQ(w.view.InputBoxes()[0].caption, L"名前の変更");
  EXPECT_EQ(w.view.InputBoxes()[0].proposal, L"Sea");
  EXPECT_EQ(w.view.ListItem(3), L"");
  EXPECT_EQ(w.form.Themes()[3].Name, L"");
  EXPECT_TRUE(w.form.State().ThemeListChanged);
  EXPECT_EQ(w.view.ListIndex(), 3);
  EXPECT_EQ(w.form.State().CurrentThemeIndex, 3);
  EXPECT_TRUE(w.view.Surface().TakeNothingDrawn());

  w.view.AnswerInputBox({TypeInput(L"x"), ClickCancel()});
  w.view.ChooseMenu(&Form1Events::mnRename_Click);
  EXPECT_EQ(w.view.ListItem(3), L"");
}

TEST(Form1NewTheme, WithoutEditsStartsFromTheStandardColours) {
  TestWindow w;
  w.StartBesideSampleFiles();
  w.view.AnswerInputBox({TypeInput(L"Plain"), ClickOk()});
  w.view.ChooseMenu(&Form1Events::mnNewTheme_Click);

  EXPECT_TRUE(w.view.Messages().empty());
  ASSERT_EQ(w.view.InputBoxes().size(), 1u);
  EXPECT_EQ(w.view.InputBoxes()[0].proposal, L"新しいテーマ(4)");
  EXPECT_EQ(w.view.InputBoxes()[0].caption, L"名前を入力");
  ASSERT_EQ(w.form.Themes().size(), 5u);
  EXPECT_EQ(w.form.Themes()[4].Name, L"Plain");
  EXPECT_EQ(w.form.Themes()[4].Colors, StandardColors());
  // The TransformTitle is not part of the standard scheme.
  EXPECT_EQ(w.form.Themes()[4].TransformTitle, L"歌声");
  ExpectShowing(w, StandardColors(), L"歌声");
  EXPECT_EQ(w.view.ListIndex(), 4);
  EXPECT_EQ(w.form.State().CurrentThemeIndex, 4);
  EXPECT_TRUE(w.form.State().ThemeListChanged);
  EXPECT_FALSE(w.form.State().SettingsChanged);
}

// With edits the question decides what the new theme starts from.
TEST(Form1NewTheme, WithEditsTheAnswerDecidesTheStartingColours) {
  struct Case {
    const char* name;
    int current;  // the theme current before the edit
    MsgBoxAnswer answer;
    bool editsStoredIntoCurrent;
    bool newThemeHoldsEdits;
  };
  const Case cases[] = {
      {"current settings, Yes", 0, MsgBoxAnswer::Yes, false, true},
      {"current settings, No", 0, MsgBoxAnswer::No, false, false},
      {"stored theme, Yes", 1, MsgBoxAnswer::Yes, true, false},
      {"stored theme, No", 1, MsgBoxAnswer::No, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestWindow w;
    w.StartBesideSampleFiles();
    if (c.current > 0) w.view.ClickListEntry(c.current);
    ColorArray edited = w.settings.Colors;
    edited[COLOR_SHADOW] = 0x444444;
    EditColor(w, COLOR_SHADOW, L"444444");
    w.view.Surface().DiscardDrawing();
    const std::wstring question = c.current > 0 ? L"設定が変更されています。Nightに保存しますか？" : kApplyToNewThemeQuestion;
    w.view.AnswerMessage(question, c.answer);
    w.view.AnswerInputBox({ClickOk()});
    w.view.ChooseMenu(&Form1Events::mnNewTheme_Click);

    EXPECT_EQ(w.view.Messages()[0].style, kYesNoCancelQuestion);
    const ColorArray& currentTheme = w.form.Themes()[static_cast<std::size_t>(c.current)].Colors;
    if (c.current > 0) {
      EXPECT_EQ(currentTheme == edited, c.editsStoredIntoCurrent);
    }
    const ColorArray expected = c.newThemeHoldsEdits ? edited : StandardColors();
    ASSERT_EQ(w.form.Themes().size(), 5u);
    EXPECT_EQ(w.form.Themes()[4].Colors, expected);
    ExpectShowing(w, expected, c.current > 0 ? L"夜" : L"歌声");
    EXPECT_FALSE(w.form.State().SettingsChanged);
    EXPECT_TRUE(w.form.State().ColorFieldEdited);  // the fields were refilled
    EXPECT_EQ(w.form.State().CurrentThemeIndex, 4);
  }
}

// Stopping the command anywhere leaves the colours as the fields and the preview show
// them, and the unsaved mark as it was.
TEST(Form1NewTheme, CancelledAnywhereChangesNothing) {
  struct Case {
    const char* name;
    int current;
    bool edit;
    std::optional<MsgBoxAnswer> answer;
    bool inputBoxShown;
  };
  const Case cases[] = {
      {"question cancelled, current settings", 0, true, MsgBoxAnswer::Cancel, false},
      {"question cancelled, stored theme", 1, true, MsgBoxAnswer::Cancel, false},
      {"name cancelled without edits", 1, false, std::nullopt, true},
      {"name cancelled after No", 0, true, MsgBoxAnswer::No, true},
      {"name cancelled after Yes to storing", 1, true, MsgBoxAnswer::Yes, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestWindow w;
    w.StartBesideSampleFiles();
    if (c.current > 0) w.view.ClickListEntry(c.current);
    if (c.edit) EditColor(w, COLOR_SHADOW, L"444444");
    w.view.Surface().DiscardDrawing();
    const ColorArray colors = w.settings.Colors;
    const ::ThemeList themes = w.form.Themes();
    const Form1State before = w.form.State();
    if (c.answer) w.view.AnswerMessage(*c.answer);
    if (c.inputBoxShown) w.view.AnswerInputBox({TypeInput(L"x"), ClickCancel()});
    w.view.ChooseMenu(&Form1Events::mnNewTheme_Click);

    EXPECT_EQ(w.settings.Colors, colors);
    EXPECT_EQ(w.view.ColorFieldTexts(), FieldTexts(colors));
    EXPECT_TRUE(w.view.Surface().TakeNothingDrawn());
    EXPECT_EQ(w.form.Themes().size(), themes.size());
    for (std::size_t i = 0; i < themes.size(); ++i) EXPECT_EQ(w.form.Themes()[i].Colors, themes[i].Colors) << i;
    EXPECT_EQ(w.form.State().SettingsChanged, before.SettingsChanged);
    EXPECT_EQ(w.form.State().ThemeListChanged, before.ThemeListChanged);
    EXPECT_EQ(w.form.State().CurrentThemeIndex, before.CurrentThemeIndex);
    EXPECT_EQ(w.view.ListItems(), kSampleList);
  }
}

TEST(Form1Reset, PutsTheStandardColoursKeepsTheTitleAndMarksThemUnsaved) {
  TestWindow w;
  w.StartBesideSampleFiles();
  w.view.ClickListEntry(1);
  w.view.Surface().DiscardDrawing();
  w.view.ChooseMenu(&Form1Events::mnInit_Click);

  EXPECT_TRUE(w.view.Messages().empty());
  ExpectShowing(w, StandardColors(), L"夜");
  EXPECT_TRUE(w.form.State().SettingsChanged);
  EXPECT_TRUE(w.form.State().ColorFieldEdited);
  EXPECT_EQ(w.form.State().CurrentThemeIndex, 1);
  EXPECT_EQ(w.view.ListIndex(), 1);
  EXPECT_EQ(w.form.Themes()[1].Colors, SampleThemes()[0].Colors);

  // The next switch asks.
  w.view.AnswerMessage(kSwitchQuestion, MsgBoxAnswer::No);
  w.view.ClickListEntry(2);
  EXPECT_EQ(w.view.Messages().size(), 1u);
}

}  // namespace
