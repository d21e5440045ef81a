// A whole session on real files: start beside Lirva's files, pick a theme, change one
// colour, apply and close.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/text_file.h"
#include "tests/ui/form1_test_support.h"
#include "themes/color_text.h"

namespace {

TEST(Form1TypicalRun, AStoredThemeWithOneTypedColourReachesSettingIni) {
  TestWindow w;
  // A setting.ini as Lirva leaves it, with lines this program does not know.
  SettingsRecord lirva = SampleSettings();
  lirva.OtherLines = {L"FutureKey=1"};
  w.WriteSettingsFile(lirva);
  w.WriteStoreFile(SampleThemes());
  w.view.Open();
  const SettingsRecord asRead = w.SettingsAsRead();
  EXPECT_EQ(w.view.ListItems(), (std::vector<std::wstring>{L"(現在の設定)", L"Night", L"Day", L"Sea"}));
  EXPECT_EQ(w.view.ColorFieldTexts(), FieldTexts(lirva.Colors));
  EXPECT_TRUE(w.view.Surface().TakeOneRedrawShowing(lirva.Colors));

  // Click a stored theme: its colours fill the fields and the preview.
  w.view.ClickListEntry(2);
  const Theme day = SampleThemes()[1];
  EXPECT_EQ(w.view.ColorFieldTexts(), FieldTexts(day.Colors));
  EXPECT_TRUE(w.view.Surface().TakeOneRedrawShowing(day.Colors));

  // Type 0000FF into COLOR_BACK and press Tab.
  w.view.Focus(Control::Field(COLOR_BACK));
  w.view.Type(L"0000FF");
  w.view.PressTab();
  EXPECT_EQ(w.view.ColorFieldText(COLOR_BACK), L"0000FF");
  EXPECT_EQ(w.settings.Colors[COLOR_BACK], 255);
  ColorArray shown = day.Colors;
  shown[COLOR_BACK] = 255;
  EXPECT_TRUE(w.view.Surface().TakeOneRedrawShowing(shown));
  EXPECT_TRUE(w.form.State().SettingsChanged);

  // File > apply and close.
  w.view.ChooseMenu(&Form1Events::mnQuit_Click);
  EXPECT_TRUE(w.view.Closed());
  EXPECT_TRUE(w.view.Messages().empty());

  std::vector<std::wstring> lines;
  ASSERT_TRUE(platform::ReadTextLines(w.folder.File(L"setting.ini"), lines).ok());
  EXPECT_NE(std::find(lines.begin(), lines.end(), L"COLOR_BACK=&HFF"), lines.end());
  SettingsRecord expected = asRead;
  expected.Colors = shown;
  expected.TransformTitle = day.TransformTitle;
  EXPECT_EQ(w.Bytes(L"setting.ini"), TestWindow::SettingsBytes(expected));
  EXPECT_NE(std::find(lines.begin(), lines.end(), L"FutureKey=1"), lines.end());

  // The store is rewritten from the list: the themes as they were, edits not stored.
  EXPECT_EQ(w.Bytes(L"lirvacolors.ini"), TestWindow::StoreBytes(w.form.Themes()));
  EXPECT_EQ(w.form.Themes()[2].Colors, day.Colors);
}

}  // namespace
