// Nothing the user typed or stored is lost, on the real program: a colour still being
// typed when the menu applies and closes, a file without themes chosen to load, and a
// setting.ini the host wrote while the program was open.
#include "tests/e2e/story.h"

namespace {

TEST_F(Story, AColourStillBeingTypedIsAppliedByTheMenu) {
  WriteLirvaFolder();
  ASSERT_TRUE(StartProgram());
  app_->ClickListEntry(1);
  ASSERT_TRUE(app_->WaitUntil([&] { return app_->Text(Field(COLOR_BACK)) == L"181010"; }));
  // Typed, and still in the field when the menu is chosen: a menu takes no focus.
  app_->TypeReplacing(Field(COLOR_BACK), L"0000FF");
  ASSERT_TRUE(app_->WaitUntil([&] { return app_->Text(Field(COLOR_BACK)) == L"0000FF"; }));
  ASSERT_EQ(app_->FocusedControl(), Field(COLOR_BACK));

  ASSERT_TRUE(app_->ChooseMenuByKeys(L'F', L'Q'));
  ASSERT_TRUE(app_->WaitForExit(10000)) << "the program did not close";
  ColorArray written = kNightColors;
  written[COLOR_BACK] = 0xFF;
  EXPECT_EQ(Read(L"setting.ini"), Lines(SettingLines(folder_.wstring(), written, L"夜の歌")));
  EXPECT_EQ(Read(L"lirvacolors.ini"), store());
}

// The taskbar's close and the session's end come while another program is active:
// nothing in the program has the focus then, and the colour being typed is taken all
// the same.
TEST_F(Story, AColourTypedIsAppliedWhenTheCloseComesWhileAnotherProgramIsActive) {
  for (const bool sessionEnd : {false, true}) {
    SCOPED_TRACE(sessionEnd ? "session end" : "close from the taskbar");
    WriteLirvaFolder();
    ASSERT_TRUE(StartProgram());
    app_->ClickListEntry(1);
    ASSERT_TRUE(app_->WaitUntil([&] { return app_->Text(Field(COLOR_BACK)) == L"181010"; }));
    app_->TypeReplacing(Field(COLOR_BACK), L"0000FF");
    ASSERT_TRUE(app_->WaitUntil([&] { return app_->Text(Field(COLOR_BACK)) == L"0000FF"; }));

    const AnotherProgramActive other;
    ASSERT_TRUE(app_->WaitUntil([&] { return app_->FocusedControl() == nullptr; }))
        << "the program kept the focus";
    PostMessageW(app_->main(), sessionEnd ? WM_QUERYENDSESSION : WM_CLOSE, 0, 0);
    ASSERT_TRUE(AnswerMessageBox(L"設定が変更されています。setting.iniに反映しますか？", IDYES));
    if (sessionEnd) PostMessageW(app_->main(), WM_ENDSESSION, TRUE, 0);
    ASSERT_TRUE(app_->WaitForExit(10000)) << "the program did not close";
    ColorArray written = kNightColors;
    written[COLOR_BACK] = 0xFF;
    EXPECT_EQ(Read(L"setting.ini"), Lines(SettingLines(folder_.wstring(), written, L"夜の歌")));
    app_.reset();
  }
}

TEST_F(Story, AFileWithoutThemesIsNotLoadedAndTheStoreKeepsItsThemes) {
  WriteLirvaFolder();
  Write(L"メモ.txt", "just a note\r\nnothing=here\r\n");
  ASSERT_TRUE(StartProgram());
  app_->ClickListEntry(1);
  ASSERT_TRUE(app_->WaitUntil([&] { return app_->Text(Field(COLOR_BACK)) == L"181010"; }));

  ASSERT_TRUE(app_->ChooseMenuByKeys(L'F', L'0'));
  const HWND dialog = app_->WaitForModal(L"#32770");
  ASSERT_NE(dialog, nullptr) << "no load dialog";
  ChooseFile(*app_, dialog, File(L"メモ.txt"));
  ASSERT_TRUE(AnswerMessageBox(File(L"メモ.txt") + L"にはテーマがありません。\n\nテーマの一覧は読み込む前のままです。", IDOK));
  EXPECT_EQ(ListEntries(), (std::vector<std::wstring>{L"(現在の設定)", L"夜空", L"Standard"}));
  EXPECT_EQ(ListSelection(), 1);

  app_->ClickCloseBox();
  ASSERT_TRUE(AnswerMessageBox(L"設定が変更されています。setting.iniに反映しますか？", IDNO));
  ASSERT_TRUE(app_->WaitForExit(10000));
  EXPECT_TRUE(Untouched(L"setting.ini"));
  EXPECT_EQ(Read(L"lirvacolors.ini"), store());
}

TEST_F(Story, ASettingIniTheHostWroteMeanwhileKeepsItsLines) {
  WriteLirvaFolder();
  ASSERT_TRUE(StartProgram());
  app_->ClickListEntry(1);
  ASSERT_TRUE(app_->WaitUntil([&] { return app_->Text(Field(COLOR_BACK)) == L"181010"; }));
  // The host, still open, saved a new history entry and its window position.
  std::vector<std::wstring> host = SettingLines(folder_.wstring(), StandardColors(), kStartTitle);
  host.insert(host.begin() + 5, L"History2=" + folder_.wstring() + L"\\新曲.ust");
  for (std::wstring& line : host) {
    if (line.starts_with(L"MainWindow=")) line = L"MainWindow=30,40,900,700";
  }
  Write(L"setting.ini", Lines(host));

  ASSERT_TRUE(app_->ChooseMenuByKeys(L'F', L'Q'));
  ASSERT_TRUE(app_->WaitForExit(10000)) << "the program did not close";
  std::vector<std::wstring> expected = SettingLines(folder_.wstring(), kNightColors, L"夜の歌");
  expected.insert(expected.begin() + 5, L"History2=" + folder_.wstring() + L"\\新曲.ust");
  for (std::wstring& line : expected) {
    if (line.starts_with(L"MainWindow=")) line = L"MainWindow=30,40,900,700";
  }
  EXPECT_EQ(Read(L"setting.ini"), Lines(expected));
}

}  // namespace
