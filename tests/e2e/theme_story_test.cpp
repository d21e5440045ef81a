// The Theme menu on the real program: the input box, duplicate, rename and delete,
// and what the store holds afterwards.
#include "tests/e2e/story.h"

namespace {

// The Theme menu by keyboard. New theme and rename share the access key N, which only
// highlights on Windows (Wine runs the first), so the arrows pick them.
void ChooseThemeItem(AppDriver& app, int itemsDown) {
  std::vector<WORD> keys(static_cast<std::size_t>(itemsDown), VK_DOWN);
  keys.push_back(VK_RETURN);
  ASSERT_TRUE(app.ChooseMenuByKeys(L'C', keys));
}
constexpr int kNewTheme = 0;
constexpr int kDuplicate = 1;
constexpr int kRename = 2;

// the input box, once it is up, with the caption and the wholly selected proposal.
HWND WaitForInputBox(AppDriver& app, const std::wstring& caption, const std::wstring& proposal) {
  const HWND dialog = app.WaitForModal(L"HuebrookInputBox");
  EXPECT_NE(dialog, nullptr) << "no input box";
  if (dialog == nullptr) return nullptr;
  EXPECT_EQ(app.Text(dialog), caption);
  const HWND input = AppDriver::ChildOfClass(dialog, L"Edit");
  EXPECT_EQ(app.Text(input), proposal);
  const DWORD selection = static_cast<DWORD>(SendMessageW(input, EM_GETSEL, 0, 0));
  EXPECT_EQ(LOWORD(selection), 0);
  EXPECT_EQ(HIWORD(selection), proposal.size());
  EXPECT_EQ(app.FocusedControl(), input);
  return dialog;
}

// Types over the proposal and presses the dialog's button of this caption.
void AnswerInputBox(AppDriver& app, HWND dialog, const std::wstring& typed, const std::wstring& button) {
  AppDriver::Type(AppDriver::ChildOfClass(dialog, L"Edit"), typed);
  const HWND pressed = AppDriver::ChildWithText(dialog, button);
  ASSERT_NE(pressed, nullptr) << "no button " << Utf8(button);
  AppDriver::Press(pressed);
  ASSERT_TRUE(app.WaitGone(dialog));
}

TEST_F(Story, NewThemeIsNamedInItsDialogAndStoredWithTheStandardColours) {
  WriteLirvaFolder();
  ASSERT_TRUE(StartProgram());
  app_->ClickListEntry(1);  // 夜空, so that the standard colours show when they come
  ASSERT_TRUE(app_->WaitUntil([&] { return app_->Text(Field(COLOR_BACK)) == L"181010"; }));

  // Cancelled: nothing added, the colours stay.
  ChooseThemeItem(*app_, kNewTheme);
  HWND dialog = WaitForInputBox(*app_, L"名前を入力", L"新しいテーマ(3)");
  ASSERT_NE(dialog, nullptr);
  AnswerInputBox(*app_, dialog, L"", L"ｷｬﾝｾﾙ");
  EXPECT_EQ(ListEntries().size(), 3u);
  EXPECT_EQ(app_->Text(Field(COLOR_BACK)), L"181010");

  // Enter and Escape leave the dialog open; typing replaces the proposal. The name is
  // typed after the keys, so it shows only once the dialog has taken them.
  ChooseThemeItem(*app_, kNewTheme);
  dialog = WaitForInputBox(*app_, L"名前を入力", L"新しいテーマ(3)");
  ASSERT_NE(dialog, nullptr);
  const HWND input = AppDriver::ChildOfClass(dialog, L"Edit");
  AppDriver::PressKey(input, VK_RETURN);
  AppDriver::PressKey(input, VK_ESCAPE);
  AppDriver::Type(input, L"朝焼け");
  ASSERT_TRUE(app_->WaitUntil([&] { return !IsWindow(dialog) || app_->Text(input) == L"朝焼け"; }));
  ASSERT_TRUE(IsWindowVisible(dialog)) << "Enter or Escape closed the dialog";
  AnswerInputBox(*app_, dialog, L"", L"OK");

  ASSERT_TRUE(app_->WaitUntil([&] { return ListEntries().size() == 4; }));
  EXPECT_EQ(ListEntries().back(), L"朝焼け");
  EXPECT_EQ(ListSelection(), 3);
  EXPECT_EQ(app_->Text(Field(COLOR_BACK)), L"FFFFFF");
  EXPECT_EQ(app_->Text(Field(COLOR_FORE)), L"000000");
  EXPECT_TRUE(RulerBandShows(0xFFFFFF));
  EXPECT_EQ(app_->FocusedControl(), List()) << "the focus did not come back to the list";

  ASSERT_TRUE(app_->ChooseMenuByKeys(L'F', L'Q'));
  ASSERT_TRUE(app_->WaitForExit());
  EXPECT_EQ(Read(L"lirvacolors.ini"), StoreBytes({kNight, kStandard, {L"朝焼け", StandardColors(), L"夜の歌"}}));
  EXPECT_EQ(Read(L"setting.ini"), Lines(SettingLines(folder_.wstring(), StandardColors(), L"夜の歌")));
}

TEST_F(Story, DuplicateRenameDeleteThenCloseWritesTheStoreExactly) {
  WriteLirvaFolder({kNight, kStandard, kSea});
  ASSERT_TRUE(StartProgram());
  app_->ClickListEntry(1);
  ASSERT_TRUE(app_->WaitUntil([&] { return app_->Text(Field(COLOR_BACK)) == L"181010"; }));

  ChooseThemeItem(*app_, kDuplicate);
  ASSERT_TRUE(app_->WaitUntil([&] { return ListEntries().size() == 5; }));
  EXPECT_EQ(ListEntries().back(), L"夜空の複製");
  EXPECT_EQ(ListSelection(), 4);

  ChooseThemeItem(*app_, kRename);
  const HWND dialog = WaitForInputBox(*app_, L"名前の変更", L"夜空の複製");
  ASSERT_NE(dialog, nullptr);
  AnswerInputBox(*app_, dialog, L"深夜", L"OK");
  ASSERT_TRUE(app_->WaitUntil([&] { return ListEntries().back() == L"深夜"; }));
  // The title bar's close gives no name, even after an OK.
  ChooseThemeItem(*app_, kRename);
  const HWND again = WaitForInputBox(*app_, L"名前の変更", L"深夜");
  ASSERT_NE(again, nullptr);
  AppDriver::Type(AppDriver::ChildOfClass(again, L"Edit"), L"没");
  PostMessageW(again, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(app_->WaitGone(again));
  EXPECT_EQ(ListEntries().back(), L"深夜");

  // Delete Standard: Cancel keeps it, OK removes it and makes the current settings current.
  app_->ClickListEntry(2);
  ASSERT_TRUE(app_->WaitUntil([&] { return app_->Text(Field(COLOR_BACK)) == L"FFFFFF"; }));
  ASSERT_TRUE(app_->ChooseMenuByKeys(L'C', L'D'));
  ASSERT_TRUE(AnswerMessageBox(L"Standardを削除します", IDCANCEL));
  EXPECT_EQ(ListEntries().size(), 5u);
  ASSERT_TRUE(app_->ChooseMenuByKeys(L'C', L'D'));
  ASSERT_TRUE(AnswerMessageBox(L"Standardを削除します", IDOK));
  ASSERT_TRUE(app_->WaitUntil([&] { return ListEntries().size() == 4; }));
  EXPECT_EQ(ListEntries(), (std::vector<std::wstring>{L"(現在の設定)", L"夜空", L"海", L"深夜"}));
  EXPECT_EQ(ListSelection(), 0);

  // Nothing for setting.ini now, but the changed list is not lost.
  app_->ClickCloseBox();
  ASSERT_TRUE(app_->WaitForExit()) << "the program asked or stayed";
  EXPECT_TRUE(Untouched(L"setting.ini"));
  EXPECT_EQ(Read(L"lirvacolors.ini"), StoreBytes({kNight, kSea, {L"深夜", kNightColors, L"夜の歌"}}));
}

}  // namespace
