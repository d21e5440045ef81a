// Keys alone, as a user without a mouse: the theme menu by its access key, the name
// dialog's buttons reached with Tab and pressed with Space, the colour chooser opened
// from the "..." button beside the field, then File > apply and close.
#include "tests/e2e/keyboard.h"
#include "tests/e2e/screen_capture.h"
#include "tests/e2e/story.h"

namespace {

TEST_F(Story, KeysAloneCreateAThemeEditAColourThroughTheChooserAndApply) {
  WriteLirvaFolder();
  ASSERT_TRUE(StartProgram());
  SetForegroundWindow(app_->main());
  ASSERT_TRUE(app_->WaitUntil([&] { return GetForegroundWindow() == app_->main(); }));
  ASSERT_TRUE(app_->WaitUntil([&] { return app_->FocusedControl() == List(); }));

  // Theme (Alt+C), its first item, New theme; the proposal is selected, typing replaces it.
  ASSERT_TRUE(PressWithAlt(L'C'));
  ASSERT_NE(app_->WaitForModal(L"#32768", 3000), nullptr) << "the theme menu did not open";
  ASSERT_TRUE(PressKeys({VK_RETURN}));
  const HWND dialog = app_->WaitForModal(L"HuebrookInputBox");
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(TypeKeys(L"キーだけ"));
  ASSERT_TRUE(app_->WaitUntil([&] { return app_->Text(AppDriver::ChildOfClass(dialog, L"Edit")) == L"キーだけ"; }));
  ScreenCapture(dialog).SaveBmp(ThisProgramFolder() + L"\\screenshot-japanese-name-dialog.bmp");
  // Tab to Cancel, Tab to OK, Space presses it.
  ASSERT_TRUE(PressKeys({VK_TAB}));
  EXPECT_EQ(app_->Text(app_->FocusedControl()), L"ｷｬﾝｾﾙ");
  ASSERT_TRUE(PressKeys({VK_TAB}));
  EXPECT_EQ(app_->Text(app_->FocusedControl()), L"OK");
  ASSERT_TRUE(PressKeys({VK_SPACE}));
  ASSERT_TRUE(app_->WaitGone(dialog)) << "Space on OK did not close the input box";
  ASSERT_TRUE(app_->WaitUntil([&] { return ListEntries().size() == 4; }));
  EXPECT_EQ(ListEntries().back(), L"キーだけ");
  EXPECT_EQ(ListSelection(), 3);
  ASSERT_TRUE(app_->WaitUntil([&] { return app_->FocusedControl() == List(); }));

  // Tab to the first colour field, Tab to its "...", Space opens the chooser on it.
  ASSERT_TRUE(PressKeys({VK_TAB}));
  EXPECT_EQ(app_->FocusedControl(), Field(COLOR_PIANO1));
  ASSERT_TRUE(PressKeys({VK_TAB}));
  EXPECT_EQ(app_->FocusedControl(), app_->Control(ControlName::cmdBrows, COLOR_PIANO1));
  ASSERT_TRUE(PressKeys({VK_SPACE}));
  const HWND chooser = app_->WaitForModal(L"#32770");
  ASSERT_NE(chooser, nullptr) << "Space on the button did not open the colour chooser";
  // Red by its label's access key, typed over, and Enter for the chooser's OK.
  ASSERT_TRUE(PressWithAlt(L'R'));
  ASSERT_TRUE(TypeKeys(L"0"));
  ASSERT_TRUE(PressKeys({VK_TAB, VK_RETURN}));
  ASSERT_TRUE(app_->WaitGone(chooser)) << "Enter did not close the chooser";
  ASSERT_TRUE(app_->WaitUntil([&] { return app_->Text(Field(COLOR_PIANO1)) == L"FFFF00"; }))
      << "the field shows " << Utf8(app_->Text(Field(COLOR_PIANO1)));
  // The preview's white keys (the B below the ruler band) show it, and the chooser is gone
  // from the screen too.
  const HWND preview = app_->Control(ControlName::Picture1);
  EXPECT_TRUE(app_->WaitUntil([&] { return ScreenCapture(app_->main()).PixelInClient(preview, 30, 35) == 0xFFFF00; }));
  ScreenCapture(app_->main()).SaveBmp(ThisProgramFolder() + L"\\screenshot-japanese-main-window.bmp");

  // File (Alt+F) > apply and close (Q).
  ASSERT_TRUE(PressWithAlt(L'F'));
  ASSERT_NE(app_->WaitForModal(L"#32768", 3000), nullptr) << "the file menu did not open";
  ASSERT_TRUE(PressKeys({L'Q'}));
  ASSERT_TRUE(app_->WaitForExit(10000)) << "the program did not close";

  ColorArray applied = StandardColors();
  applied[COLOR_PIANO1] = 0xFFFF00;  // cyan: red taken out of white
  EXPECT_EQ(Read(L"setting.ini"), Lines(SettingLines(folder_.wstring(), applied, kStartTitle)));
  EXPECT_EQ(Read(L"lirvacolors.ini"), StoreBytes({kNight, kStandard, {L"キーだけ", StandardColors(), kStartTitle}}));
}

}  // namespace
