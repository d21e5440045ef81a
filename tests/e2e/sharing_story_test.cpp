// One theme passed around, on the real program: exported to a file of its own and
// added back from that file.
#include "tests/e2e/story.h"

namespace {

TEST_F(Story, AThemeExportedThenAddedBackFromItsFile) {
  WriteLirvaFolder();
  ASSERT_TRUE(StartProgram());
  app_->ClickListEntry(1);
  ASSERT_TRUE(app_->WaitUntil([&] { return app_->Text(Field(COLOR_BACK)) == L"181010"; }));

  // Theme (C) > export the selected theme (E).
  ASSERT_TRUE(app_->ChooseMenuByKeys(L'C', L'E'));
  HWND dialog = app_->WaitForModal(L"#32770");
  ASSERT_NE(dialog, nullptr) << "no save dialog";
  ChooseFile(*app_, dialog, File(L"夜空.txt"));
  ASSERT_TRUE(app_->WaitUntil([&] { return Read(L"夜空.txt") == StoreBytes({kNight}); }))
      << "the exported file holds " << Read(L"夜空.txt");

  // Theme (C) > add themes from a file (A).
  ASSERT_TRUE(app_->ChooseMenuByKeys(L'C', L'A'));
  dialog = app_->WaitForModal(L"#32770");
  ASSERT_NE(dialog, nullptr) << "no open dialog";
  ChooseFile(*app_, dialog, File(L"夜空.txt"));
  ASSERT_TRUE(app_->WaitUntil([&] { return ListEntries().size() == 4; }));
  EXPECT_EQ(ListEntries(), (std::vector<std::wstring>{L"(現在の設定)", L"夜空", L"Standard", L"夜空"}));
  EXPECT_EQ(ListSelection(), 1);

  app_->ClickCloseBox();
  ASSERT_TRUE(AnswerMessageBox(L"設定が変更されています。setting.iniに反映しますか？", IDNO));
  ASSERT_TRUE(app_->WaitForExit(10000));
  EXPECT_TRUE(Untouched(L"setting.ini"));
  EXPECT_EQ(Read(L"lirvacolors.ini"), StoreBytes({kNight, kStandard, kNight}));
  EXPECT_EQ(Read(L"夜空.txt"), StoreBytes({kNight}));
}

}  // namespace
