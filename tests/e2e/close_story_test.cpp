// Closing the real program: what it asks, and which files it writes.
#include "tests/e2e/story.h"

namespace {

constexpr wchar_t kCloseQuestion[] = L"設定が変更されています。setting.iniに反映しますか？";

// Types a new TransformTitle, which the program takes at the first keystroke.
void EditTitle(AppDriver& app, const std::wstring& title) {
  const HWND field = app.Control(ControlName::txtTransformTitle);
  app.TypeReplacing(field, title);
  app.WaitUntil([&] { return app.Text(field) == title; });
}

TEST_F(Story, CloseAfterStartOrAfterChoosingTheCurrentSettingsWritesNothing) {
  struct Case {
    const char* name;
    bool withStore;
    bool chooseCurrentSettings;
  };
  for (const Case& c : {Case{"right after start", true, false}, Case{"without a theme store", false, false},
                        Case{"after choosing (現在の設定)", true, true}}) {
    SCOPED_TRACE(c.name);
    WriteLirvaFolder(c.withStore ? std::vector<StoredTheme>{kNight, kStandard} : std::vector<StoredTheme>{});
    ASSERT_TRUE(StartProgram());
    if (c.chooseCurrentSettings) {
      app_->ClickListEntry(0);
      ASSERT_TRUE(app_->WaitUntil([&] { return ListSelection() == 0; }));
    }
    app_->ClickCloseBox();
    ASSERT_TRUE(app_->WaitForExit()) << "the program asked or stayed";
    EXPECT_TRUE(Untouched(L"setting.ini"));
    if (c.withStore) {
      EXPECT_TRUE(Untouched(L"lirvacolors.ini"));
    } else {
      EXPECT_FALSE(Exists(L"lirvacolors.ini"));
    }
  }
}

TEST_F(Story, CloseQuestionCancelKeepsTheWindowAndAsksAgainNoWritesOnlyTheStore) {
  WriteLirvaFolder();
  ASSERT_TRUE(StartProgram());
  EditTitle(*app_, L"新しい題");

  app_->ClickCloseBox();
  const HWND box = app_->WaitForModal(L"#32770");
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(GetDlgItem(box, IDYES) && GetDlgItem(box, IDNO) && GetDlgItem(box, IDCANCEL));
  EXPECT_EQ(GetDlgItem(box, IDOK), nullptr);
  // The answer is taken once the box has gone and the program has caught up.
  ASSERT_TRUE(AnswerMessageBox(kCloseQuestion, IDCANCEL));
  EXPECT_TRUE(IsWindowVisible(app_->main())) << "the program closed";
  EXPECT_EQ(app_->FocusedControl(), app_->Control(ControlName::txtTransformTitle)) << "the user's place was lost";
  EXPECT_TRUE(Untouched(L"setting.ini"));
  EXPECT_TRUE(Untouched(L"lirvacolors.ini"));

  app_->ClickCloseBox();
  ASSERT_TRUE(AnswerMessageBox(kCloseQuestion, IDNO));
  ASSERT_TRUE(app_->WaitForExit());
  EXPECT_TRUE(Untouched(L"setting.ini"));
  EXPECT_FALSE(Untouched(L"lirvacolors.ini")) << "the store was not written";
  EXPECT_EQ(Read(L"lirvacolors.ini"), store());
}

TEST_F(Story, CloseQuestionYesWritesBothFilesFromTheCloseBoxAndAtLogoff) {
  for (bool logoff : {false, true}) {
    SCOPED_TRACE(logoff ? "logoff" : "close box");
    WriteLirvaFolder();
    ASSERT_TRUE(StartProgram());
    EditTitle(*app_, L"新しい題");
    if (logoff) {
      PostMessageW(app_->main(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
    } else {
      app_->ClickCloseBox();
    }
    ASSERT_TRUE(AnswerMessageBox(kCloseQuestion, IDYES));
    if (logoff) PostMessageW(app_->main(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    ASSERT_TRUE(app_->WaitForExit());
    EXPECT_EQ(Read(L"setting.ini"), Lines(SettingLines(folder_.wstring(), StandardColors(), L"新しい題")));
    EXPECT_FALSE(Untouched(L"lirvacolors.ini")) << "the store was not written";
    EXPECT_EQ(Read(L"lirvacolors.ini"), store());
  }
}

TEST_F(Story, ReadOnlySettingIniAtApplyAndCloseIsNamedAndLeftWhole) {
  WriteLirvaFolder();
  ASSERT_TRUE(SetFileAttributesW(File(L"setting.ini").c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(StartProgram());
  app_->ClickListEntry(1);  // 夜空: the close now has colours for setting.ini
  ASSERT_TRUE(app_->WaitUntil([&] { return app_->Text(Field(COLOR_BACK)) == L"181010"; }));

  // Yes keeps the window open; nothing is written, the store neither.
  ASSERT_TRUE(app_->ChooseMenuByKeys(L'F', L'Q'));
  ASSERT_TRUE(AnswerMessageBox(L"setting.iniを保存できませんでした。", IDYES, false));
  EXPECT_TRUE(IsWindowVisible(app_->main())) << "the program closed";
  EXPECT_TRUE(Untouched(L"setting.ini"));
  EXPECT_TRUE(Untouched(L"lirvacolors.ini"));

  // No closes without setting.ini, the themes still saved.
  ASSERT_TRUE(app_->ChooseMenuByKeys(L'F', L'Q'));
  ASSERT_TRUE(AnswerMessageBox(L"setting.iniを保存できませんでした。", IDNO, false));
  ASSERT_TRUE(app_->WaitForExit());
  EXPECT_TRUE(Untouched(L"setting.ini"));
  EXPECT_FALSE(Untouched(L"lirvacolors.ini")) << "the store was not written";
  EXPECT_EQ(Read(L"lirvacolors.ini"), store());
}

TEST_F(Story, SettingIniUnreadableAtStartIsToldAndNeverWrittenOver) {
  WriteLirvaFolder();
  // Another program holds the file shut while ours starts.
  HANDLE held = CreateFileW(File(L"setting.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  LaunchProgram();
  const bool told = AnswerMessageBox(L"setting.iniを読み込めませんでした。", IDOK, false);
  CloseHandle(held);
  ASSERT_TRUE(told);
  ASSERT_NE(app_->WaitForMainWindow(), nullptr);
  EXPECT_TRUE(app_->WaitUntil([&] { return app_->FocusedControl() == List(); }));

  app_->ClickListEntry(1);
  ASSERT_TRUE(app_->WaitUntil([&] { return app_->Text(Field(COLOR_BACK)) == L"181010"; }));
  app_->ClickCloseBox();  // nothing to ask: setting.ini is off limits for this run
  ASSERT_TRUE(app_->WaitForExit());
  EXPECT_TRUE(Untouched(L"setting.ini"));
  EXPECT_EQ(Read(L"lirvacolors.ini"), store());
}

}  // namespace
