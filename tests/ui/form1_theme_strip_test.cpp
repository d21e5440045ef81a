// List1's theme strips on the simulated toolkit: each strip shows its theme, and entry
// 0's follows every colour the user takes.
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

// What they must show: entry 0 the current colours, every other entry its theme.
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

TEST(Form1ThemeStrips, EntryZeroFollowsEveryColourTakenAndAThemesStripWhatItHolds) {
  struct Case {
    const char* story;
    std::function<void(TestWindow&)> act;
    std::size_t changedEntry;
  };
  const Case cases[] = {
      {"a colour typed and its field left", [](TestWindow& w) { TypeColor(w, COLOR_ROLL1, L"0000FF"); }, 0},
      {"a colour from the chooser",
       [](TestWindow& w) {
         w.view.AnswerChooser(0x123456);
         w.view.ClickBrowse(COLOR_PIANO1);
       },
       0},
      {"the standard colours", [](TestWindow& w) { w.view.ChooseMenu(&Form1Events::mnInit_Click); }, 0},
      {"another theme chosen", [](TestWindow& w) { w.view.ClickListEntry(2); }, 0},
      {"edits stored into their theme on switching",
       [](TestWindow& w) {
         w.view.ClickListEntry(1);
         TypeColor(w, COLOR_NOTE_SEL, L"ABCDEF");
         w.view.AnswerMessage(MsgBoxAnswer::Yes);
         w.view.ClickListEntry(3);
       },
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.story);
    TestWindow w;
    w.StartBesideSampleFiles();
    const std::vector<std::optional<ColorArray>> before = ShownStrips(w);  // every strip drawn once
    ASSERT_EQ(before, StripsOfTheModel(w));
    c.act(w);
    const std::vector<std::optional<ColorArray>> after = ShownStrips(w);
    EXPECT_EQ(after, StripsOfTheModel(w));
    EXPECT_NE(after.at(c.changedEntry), before.at(c.changedEntry));
  }
}

}  // namespace
