// The system's common dialogs as the real program opens them: the colour chooser and
// the theme files' save and load.
#include <filesystem>

#include "tests/e2e/story.h"

namespace {

// The colour chooser's red, green and blue fields.
constexpr int kRedField = 706;
constexpr int kGreenField = 707;
constexpr int kBlueField = 708;

std::vector<std::wstring> RedGreenBlue(AppDriver& app, HWND chooser) {
  return {app.Text(GetDlgItem(chooser, kRedField)), app.Text(GetDlgItem(chooser, kGreenField)),
          app.Text(GetDlgItem(chooser, kBlueField))};
}

HWND OpenChooser(AppDriver& app, int slot) {
  AppDriver::Press(app.Control(ControlName::cmdBrows, slot));
  const HWND chooser = app.WaitForModal(L"#32770");
  EXPECT_TRUE(chooser && GetDlgItem(chooser, kRedField)) << "no colour chooser";
  return chooser && GetDlgItem(chooser, kRedField) ? chooser : nullptr;
}

TEST_F(Story, ColourChooserOpensOnTheFieldsColourCancelAndTheSameColourChangeNothing) {
  WriteLirvaFolder();
  ASSERT_TRUE(StartProgram());
  for (int button : {IDCANCEL, IDOK}) {
    SCOPED_TRACE(button == IDOK ? "OK on the same colour" : "cancel");
    const HWND chooser = OpenChooser(*app_, COLOR_SEPA2);  // FF8080: red 128, green 128, blue 255
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(RedGreenBlue(*app_, chooser), (std::vector<std::wstring>{L"128", L"128", L"255"}));
    AppDriver::Press(GetDlgItem(chooser, button));
    ASSERT_TRUE(app_->WaitGone(chooser));
    EXPECT_EQ(app_->Text(Field(COLOR_SEPA2)), L"FF8080");
    EXPECT_EQ(app_->FocusedControl(), app_->Control(ControlName::cmdBrows, COLOR_SEPA2));
  }
  app_->ClickCloseBox();
  ASSERT_TRUE(app_->WaitForExit()) << "the program asked or stayed";
  EXPECT_TRUE(Untouched(L"setting.ini"));
  EXPECT_TRUE(Untouched(L"lirvacolors.ini"));
}

TEST_F(Story, ColourPickedInTheChooserIsLiftedShownAndApplied) {
  WriteLirvaFolder();
  ASSERT_TRUE(StartProgram());
  const HWND chooser = OpenChooser(*app_, COLOR_BACK);
  ASSERT_NE(chooser, nullptr);
  SendMessageW(GetDlgItem(chooser, kRedField), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"0"));
  SendMessageW(GetDlgItem(chooser, kGreenField), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"128"));
  SendMessageW(GetDlgItem(chooser, kBlueField), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"0"));
  AppDriver::Press(GetDlgItem(chooser, IDOK));
  ASSERT_TRUE(app_->WaitGone(chooser));
  // 0x008000 gains bit 16, as a typed colour does.
  EXPECT_TRUE(app_->WaitUntil([&] { return app_->Text(Field(COLOR_BACK)) == L"018000"; }))
      << Utf8(app_->Text(Field(COLOR_BACK)));
  EXPECT_TRUE(RulerBandShows(0x018000));

  app_->ClickCloseBox();
  ASSERT_TRUE(AnswerMessageBox(L"設定が変更されています。setting.iniに反映しますか？", IDYES));
  ASSERT_TRUE(app_->WaitForExit());
  ColorArray written = StandardColors();
  written[COLOR_BACK] = 0x018000;
  EXPECT_EQ(Read(L"setting.ini"), Lines(SettingLines(folder_.wstring(), written, kStartTitle)));
}

TEST_F(Story, ThemesSavedToAFileThenAnotherFileLoadedAndApplied) {
  WriteLirvaFolder();
  // In a folder of their own: the file dialogs move the current folder there, and the
  // store must still go beside the program.
  std::filesystem::create_directory(folder_ / L"テーマ");
  Write(L"テーマ\\海.txt", StoreBytes({kSea}));
  ASSERT_TRUE(StartProgram());

  ASSERT_TRUE(app_->ChooseMenuByKeys(L'F', L'S'));
  HWND dialog = app_->WaitForModal(L"#32770");
  ASSERT_NE(dialog, nullptr) << "no save dialog";
  ChooseFile(*app_, dialog, File(L"テーマ\\保存.txt"));
  EXPECT_TRUE(app_->WaitUntil([&] { return Read(L"テーマ\\保存.txt") == store(); }));

  // A duplicate changes the list, so the load asks first; Yes opens the save dialog,
  // and when that is cancelled the load dialog still follows, in the folder and with
  // the name chosen last.
  app_->ClickListEntry(2);
  ASSERT_TRUE(app_->ChooseMenuByKeys(L'C', std::vector<WORD>{VK_DOWN, VK_RETURN}));
  ASSERT_TRUE(app_->WaitUntil([&] { return ListEntries().size() == 4; }));
  ASSERT_TRUE(app_->ChooseMenuByKeys(L'F', L'0'));
  ASSERT_TRUE(AnswerMessageBox(L"設定は変更されています。ファイルに保存しますか？", IDYES));
  dialog = app_->WaitForModal(L"#32770");
  ASSERT_NE(dialog, nullptr) << "no save dialog";
  AppDriver::Press(GetDlgItem(dialog, IDCANCEL));
  ASSERT_TRUE(app_->WaitGone(dialog));
  dialog = app_->WaitForModal(L"#32770");
  ASSERT_NE(dialog, nullptr) << "no load dialog";
  EXPECT_EQ(app_->Text(AppDriver::ChildOfClass(GetDlgItem(dialog, kFileNameBox), L"Edit")), L"保存.txt");
  ChooseFile(*app_, dialog, File(L"テーマ\\海.txt"));
  ASSERT_TRUE(app_->WaitUntil([&] { return ListEntries().size() == 2; }));
  EXPECT_EQ(ListEntries(), (std::vector<std::wstring>{L"(現在の設定)", L"海"}));
  EXPECT_EQ(ListSelection(), -1);

  app_->ClickListEntry(1);
  ASSERT_TRUE(app_->WaitUntil([&] { return app_->Text(Field(COLOR_BACK)) == L"FFF8F0"; }));
  ASSERT_TRUE(app_->ChooseMenuByKeys(L'F', L'Q'));
  ASSERT_TRUE(app_->WaitForExit());
  EXPECT_EQ(Read(L"lirvacolors.ini"), StoreBytes({kSea}));
  EXPECT_EQ(Read(L"setting.ini"), Lines(SettingLines(folder_.wstring(), kSea.colors, L"波")));
}

}  // namespace
