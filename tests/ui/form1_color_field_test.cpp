// The colour fields, the colour chooser and the TransformTitle field.
#include <gtest/gtest.h>

#include "platform/utf8.h"
#include "tests/ui/form1_test_support.h"
#include "themes/color_text.h"

namespace {

TEST(Form1ColorField, LeavingAnEditedFieldTakesItsColour) {
  struct Case {
    const wchar_t* typed;
    Color stored;
    const wchar_t* shown;
  };
  const Case cases[] = {
      {L"ff", 0xFF, L"0000FF"},
      {L"008000", 0x018000, L"018000"},  // lifted out of the 16-bit negative range
      {L"zz", 0, L"000000"},
      {L"1000000", 0x1000000, L"000000"},  // all 32 bits stored, six digits shown
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(platform::ToUtf8(c.typed));
    TestWindow w;
    w.StartBesideSampleFiles();
    w.view.Focus(Control::Field(COLOR_NOTE_NOR));
    w.view.Type(c.typed);
    EXPECT_TRUE(w.form.State().ColorFieldEdited);
    EXPECT_FALSE(w.form.State().SettingsChanged);
    EXPECT_EQ(w.settings.Colors[COLOR_NOTE_NOR], SampleSettings().Colors[COLOR_NOTE_NOR]);
    EXPECT_TRUE(w.view.Surface().TakeNothingDrawn());

    w.view.PressTab();
    EXPECT_EQ(w.view.FocusedControl(), Control::Button(COLOR_NOTE_NOR));
    EXPECT_EQ(w.settings.Colors[COLOR_NOTE_NOR], c.stored);
    EXPECT_EQ(w.view.ColorFieldText(COLOR_NOTE_NOR), c.shown);
    EXPECT_TRUE(w.form.State().SettingsChanged);
    EXPECT_FALSE(w.form.State().ColorFieldEdited);
    EXPECT_TRUE(w.view.Surface().TakeOneRedrawShowing(w.settings.Colors));
  }
}

// The fill sets the edited mark, so passing through a field re-reads it once.
TEST(Form1ColorField, PassingThroughAFieldAfterAFillMarksTheColoursChangedOnce) {
  TestWindow w;
  w.StartBesideSampleFiles();
  w.view.Focus(Control::Field(COLOR_ROLL1));
  w.view.Focus(Control::ListBox());
  EXPECT_TRUE(w.form.State().SettingsChanged);
  EXPECT_FALSE(w.form.State().ColorFieldEdited);
  EXPECT_EQ(w.settings.Colors, SampleSettings().Colors);
  EXPECT_TRUE(w.view.Surface().TakeOneRedrawShowing(SampleSettings().Colors));

  w.view.Focus(Control::Field(COLOR_ROLL2));
  w.view.Focus(Control::ListBox());
  EXPECT_TRUE(w.view.Surface().TakeNothingDrawn());
}

// Menu items take no focus, so no focus change takes a colour being typed: every menu
// command takes it first, as leaving the field would (read, lifted, shown, drawn).
TEST(Form1ColorField, EveryMenuCommandTakesAColourBeingTypedFirst) {
  struct Case {
    const char* name;
    void (Form1Events::*item)();
    // Ends the command at its first question or dialog.
    void (*cancel)(ScriptedForm1View& view);
  };
  const Case cases[] = {
      {"load", &Form1Events::mnOpen_Click, [](ScriptedForm1View& v) { v.AnswerFileDialog(std::nullopt); }},
      {"save", &Form1Events::mnSave_Click, [](ScriptedForm1View& v) { v.AnswerFileDialog(std::nullopt); }},
      {"new theme", &Form1Events::mnNewTheme_Click,
       [](ScriptedForm1View& v) { v.AnswerMessage(SaveIntoThemeQuestion(L"Night"), MsgBoxAnswer::Cancel); }},
      {"duplicate", &Form1Events::mnDup_Click, [](ScriptedForm1View& v) { v.AnswerMessage(kSwitchQuestion, MsgBoxAnswer::Cancel); }},
      {"rename", &Form1Events::mnRename_Click, [](ScriptedForm1View& v) { v.AnswerInputBox({ClickCancel()}); }},
      {"delete", &Form1Events::mnDelete_Click, [](ScriptedForm1View& v) { v.AnswerMessage(DeleteQuestion(L"Night"), MsgBoxAnswer::Cancel); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestWindow w;
    w.StartBesideSampleFiles();
    w.view.ClickListEntry(1);
    w.view.Surface().DiscardDrawing();
    w.view.Focus(Control::Field(COLOR_PIANO2));
    w.view.Type(L"8000");
    c.cancel(w.view);
    w.view.ChooseMenu(c.item);

    EXPECT_EQ(w.settings.Colors[COLOR_PIANO2], 0x18000);
    EXPECT_EQ(w.view.ColorFieldText(COLOR_PIANO2), L"018000");
    EXPECT_TRUE(w.form.State().SettingsChanged);
    EXPECT_FALSE(w.form.State().ColorFieldEdited);
    EXPECT_TRUE(w.view.Surface().TakeOneRedrawShowing(w.settings.Colors));
    // The field keeps the focus; leaving it later takes nothing twice.
    w.view.PressTab();
    EXPECT_TRUE(w.view.Surface().TakeNothingDrawn());
  }
}

// With the focus elsewhere there is nothing pending to take.
TEST(Form1ColorField, AMenuCommandWithTheFocusOutsideTheFieldsTakesNothing) {
  TestWindow w;
  w.StartBesideSampleFiles();
  w.view.AnswerFileDialog(std::nullopt);
  w.view.ChooseMenu(&Form1Events::mnSave_Click);
  EXPECT_FALSE(w.form.State().SettingsChanged);
  EXPECT_TRUE(w.form.State().ColorFieldEdited);
  EXPECT_TRUE(w.view.Surface().TakeNothingDrawn());
}

TEST(Form1Chooser, OpensOnTheFieldsColourAndTakesADifferentChoiceAtOnce) {
  struct Case {
    const char* name;
    std::optional<Color> chosen;
    bool changes;
    Color stored;
    const wchar_t* shown;
  };
  const Color initial = SampleSettings().Colors[COLOR_SEPA1];
  const Case cases[] = {
      {"a new colour", 0x80C0FF, true, 0x80C0FF, L"80C0FF"},
      {"a colour in the lifted range", 0x00FF00, true, 0x01FF00, L"01FF00"},
      {"the same colour", initial, false, initial, nullptr},
      {"cancelled", std::nullopt, false, initial, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestWindow w;
    w.StartBesideSampleFiles();
    w.view.AnswerChooser(c.chosen);
    w.view.ClickBrowse(COLOR_SEPA1);

    ASSERT_EQ(w.view.Choosers().size(), 1u);
    EXPECT_EQ(w.view.Choosers()[0].initial, initial);
    EXPECT_EQ(w.view.Choosers()[0].flags, ColorChooserFlags::RGBInit | ColorChooserFlags::FullOpen);
    EXPECT_EQ(w.settings.Colors[COLOR_SEPA1], c.stored);
    EXPECT_EQ(w.view.ColorFieldText(COLOR_SEPA1), c.shown ? c.shown : ColorToText(initial));
    EXPECT_EQ(w.form.State().SettingsChanged, c.changes);
    if (c.changes) {
      EXPECT_TRUE(w.view.Surface().TakeOneRedrawShowing(w.settings.Colors));
    } else {
      EXPECT_TRUE(w.view.Surface().TakeNothingDrawn());
    }
  }
}

// The focus leaves a typed field before the button's click, so the chooser opens on
// the colour just typed, already taken.
TEST(Form1Chooser, OpensOnAColourTypedJustBefore) {
  TestWindow w;
  w.StartBesideSampleFiles();
  w.view.Focus(Control::Field(COLOR_SEPA2));
  w.view.Type(L"0");
  w.view.AnswerChooser(std::nullopt);
  w.view.ClickBrowse(COLOR_SEPA2);
  ASSERT_EQ(w.view.Choosers().size(), 1u);
  EXPECT_EQ(w.view.Choosers()[0].initial, 0);
  EXPECT_EQ(w.view.ColorFieldText(COLOR_SEPA2), L"000000");
  EXPECT_EQ(w.settings.Colors[COLOR_SEPA2], 0);
}

TEST(Form1TransformTitle, EachKeystrokeIsTakenAndTheProgramsOwnFillIsNot) {
  TestWindow w;
  w.StartBesideSampleFiles();
  EXPECT_FALSE(w.form.State().SettingsChanged);
  w.view.Focus(Control::Title());
  w.view.Type(L"A");
  EXPECT_EQ(w.settings.TransformTitle, L"A");
  EXPECT_TRUE(w.form.State().SettingsChanged);
  w.view.Type(L"b");
  EXPECT_EQ(w.settings.TransformTitle, L"Ab");
  EXPECT_TRUE(w.view.Surface().TakeNothingDrawn());

  // A switch fills the field with the theme's title and leaves the mark clear.
  w.view.AnswerMessage(MsgBoxAnswer::No);
  w.view.ClickListEntry(1);
  EXPECT_EQ(w.view.TransformTitleText(), L"夜");
  EXPECT_FALSE(w.form.State().SettingsChanged);
}

}  // namespace
