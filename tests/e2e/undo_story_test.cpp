// A theme deleted from the keyboard by mistake, taken back with Ctrl+Z: back in its
// place, and the close leaves the store as it was.
#include "tests/e2e/keyboard.h"
#include "tests/e2e/story.h"

namespace {

TEST_F(Story, AThemeDeletedByKeysComesBackWithCtrlZAndTheStoreStaysAsItWas) {
  WriteLirvaFolder({kNight, kStandard, kSea});
  ASSERT_TRUE(StartProgram());
  app_->ClickListEntry(1);
  ASSERT_TRUE(app_->WaitUntil([&] { return app_->Text(Field(COLOR_BACK)) == L"181010"; }));
  ASSERT_TRUE(app_->ChooseMenuByKeys(L'C', L'D'));
  ASSERT_TRUE(AnswerMessageBox(L"夜空を削除します", IDOK));
  ASSERT_TRUE(app_->WaitUntil([&] { return ListEntries().size() == 3; }));

  ASSERT_TRUE(app_->WaitUntil([&] { return GetForegroundWindow() == app_->main(); }));
  ASSERT_TRUE(PressWith(VK_CONTROL, L'Z'));
  ASSERT_TRUE(app_->WaitUntil([&] { return ListEntries().size() == 4; })) << "Ctrl+Z did not bring the theme back";
  EXPECT_EQ(ListEntries(), (std::vector<std::wstring>{L"(現在の設定)", L"夜空", L"Standard", L"海"}));
  EXPECT_EQ(ListSelection(), 1);
  EXPECT_EQ(app_->Text(Field(COLOR_BACK)), L"181010");

  // The colours chosen are still the night theme's: setting.ini is asked about, as
  // before the delete; the store is written as it was read.
  app_->ClickCloseBox();
  ASSERT_TRUE(AnswerMessageBox(L"設定が変更されています。setting.iniに反映しますか？", IDNO));
  ASSERT_TRUE(app_->WaitForExit()) << "the program asked more or stayed";
  EXPECT_TRUE(Untouched(L"setting.ini"));
  EXPECT_EQ(Read(L"lirvacolors.ini"), store());
}

}  // namespace
