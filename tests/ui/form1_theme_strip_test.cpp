// The theme strips of List1 on the simulated toolkit: every entry's strip shows its
// theme, and entry 0's follows every colour the user takes, through every command that
// changes the current colours or stores them into a theme.
#include <gtest/gtest.h>

#include <functional>

#include "tests/ui/form1_test_support.h"

namespace {

// What each entry's strip shows now, as the screen keeps it.
std::vector<std::optional<ColorArray>> ShownStrips(TestWindow& w) {
  std::vector<std::optional<ColorArray>> shown;
  for (int i = 0; i < w.view.ListCount(); ++i) shown.push_back(w.view.ShownStripColors(i));
  return shown;
}

// What each strip must show: entry 0 the current colours, every other entry its theme.
std::vector<std::optional<ColorArray>> StripsOfTheModel(const TestWindow& w) {
  std::vector<std::optional<ColorArray>> strips{w.settings.Colors};
  for (std::size_t i = 1; i < w.form.Themes().size(); ++i) strips.push_back(w.form.Themes()[i].Colors);
  return strips;
}

void TypeColor(TestWindow& w, int slot, const std::wstring& text) {
  w.view.Focus(Control::Field(slot));
  w.view.Type(text);
  w.view.Focus(Control::ListBox());
}

TEST(Form1ThemeStrips, EntryZeroFollowsEveryColourTakenAndAThemesStripItsStoredColours) {
  struct Case {
    const char* story;
    std::function<void(TestWindow&)> act;
    int changedEntry;  // the entry whose strip must show something new
  };
  const Case cases[] = {
      {"a colour typed and its field left", [](TestWindow& w) { TypeColor(w, COLOR_ROLL1, L"0000FF"); }, 0},
      {"a colour typed and taken by a menu command",
       [](TestWindow& w) {
         w.view.Focus(Control::Field(COLOR_PIANO2));
         w.view.Type(L"00FF00");
         // With nothing selected there is nothing to rename; the edit is taken all the same.
         w.view.ChooseMenu(&Form1Events::mnRename_Click);
       },
       0},
      {"a colour from the chooser",
       [](TestWindow& w) {
         w.view.AnswerChooser(0x123456);
         w.view.ClickBrowse(COLOR_PIANO1);
       },
       0},
      {"the standard colours", [](TestWindow& w) { w.view.ChooseMenu(&Form1Events::mnInit_Click); }, 0},
      {"another theme chosen", [](TestWindow& w) { w.view.ClickListEntry(2); }, 0},
      {"a theme deleted while current",
       [](TestWindow& w) {
         w.view.ClickListEntry(2);
         w.view.AnswerMessage(MsgBoxAnswer::OK);
         w.view.ChooseMenu(&Form1Events::mnDelete_Click);
       },
       2},
      {"edits stored into their theme when switching",
       [](TestWindow& w) {
         w.view.ClickListEntry(1);
         TypeColor(w, COLOR_NOTE_SEL, L"ABCDEF");
         w.view.AnswerMessage(MsgBoxAnswer::Yes);
         w.view.ClickListEntry(3);
       },
       1},
      {"edits stored into their theme before a new one",
       [](TestWindow& w) {
         w.view.ClickListEntry(3);
         TypeColor(w, COLOR_NOTE_NOR, L"FEDCBA");
         w.view.AnswerMessage(MsgBoxAnswer::Yes);
         w.view.AnswerInputBox({TypeInput(L"Mine"), ClickOk()});
         w.view.ChooseMenu(&Form1Events::mnNewTheme_Click);
       },
       3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.story);
    TestWindow w;
    w.StartBesideSampleFiles();
    // The list is on the screen, every strip drawn once.
    const std::vector<std::optional<ColorArray>> before = ShownStrips(w);
    ASSERT_EQ(before, StripsOfTheModel(w));

    c.act(w);
    const std::vector<std::optional<ColorArray>> after = ShownStrips(w);
    EXPECT_EQ(after, StripsOfTheModel(w));
    ASSERT_LT(static_cast<std::size_t>(c.changedEntry), after.size());
    EXPECT_NE(after[static_cast<std::size_t>(c.changedEntry)], before[static_cast<std::size_t>(c.changedEntry)]);
    EXPECT_EQ(w.view.PendingAnswers(), 0);
  }
}

// The window may outlive the logic; it then asks nothing of it.
TEST(Form1ThemeStrips, AWindowOutlivingItsLogicDrawsNoStrip) {
  ScriptedForm1View view;
  {
    SettingsRecord settings;
    Form1 form(settings, view);
    view.Attach(form);
    view.ListReplaceAll({L"(現在の設定)"});
    EXPECT_EQ(view.ShownStripColors(0), settings.Colors);
  }
  view.RedrawListEntry(0);
  EXPECT_EQ(view.ShownStripColors(0), std::nullopt);
}

}  // namespace
