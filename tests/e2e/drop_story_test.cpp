// Theme files dropped onto the real program's window, delivered as the user's system
// delivers a drag from a file manager.
#include "tests/e2e/file_drop.h"
#include "tests/e2e/story.h"

namespace {

TEST_F(Story, FilesDroppedOntoTheListAddTheirThemesAndNameTheFileWithout) {
  if (!RunsUnderWine()) GTEST_SKIP() << "files are dropped here through X, as under Wine on Linux";
  WriteLirvaFolder();
  const std::string sea = StoreBytes({kSea});
  const std::string note = Lines({L"買い物", L"牛乳=2"});
  Write(L"海.txt", sea);
  Write(L"メモ.txt", note);
  ASSERT_TRUE(StartProgram());
  app_->ClickListEntry(1);
  ASSERT_TRUE(app_->WaitUntil([&] { return app_->Text(Field(COLOR_BACK)) == L"181010"; }));

  // Onto the theme list, a child of the window that takes the files.
  RECT list{};
  GetWindowRect(List(), &list);
  const POINT middle{(list.left + list.right) / 2, (list.top + list.bottom) / 2};
  ASSERT_TRUE(DropFilesThroughX(middle, {File(L"海.txt"), File(L"メモ.txt")}, File(L"xdnd_drop.log")));
  SCOPED_TRACE("xdnd_drop wrote:\n" + Read(L"xdnd_drop.log"));
  ASSERT_TRUE(AnswerMessageBox(L"次のファイルのテーマは追加できませんでした。\n\n" + File(L"メモ.txt") +
                                   L"\nテーマがありません。\n\nほかのファイルのテーマは一覧の最後に追加しました。",
                               IDOK));
  EXPECT_EQ(ListEntries(), (std::vector<std::wstring>{L"(現在の設定)", L"夜空", L"Standard", L"海"}));
  EXPECT_EQ(ListSelection(), 1);
  EXPECT_EQ(app_->Text(Field(COLOR_BACK)), L"181010");

  app_->ClickCloseBox();
  ASSERT_TRUE(AnswerMessageBox(L"設定が変更されています。setting.iniに反映しますか？", IDNO));
  ASSERT_TRUE(app_->WaitForExit(10000));
  EXPECT_TRUE(Untouched(L"setting.ini"));
  EXPECT_EQ(Read(L"lirvacolors.ini"), StoreBytes({kNight, kStandard, kSea}));
  EXPECT_EQ(Read(L"海.txt"), sea);
  EXPECT_EQ(Read(L"メモ.txt"), note);
}

}  // namespace
