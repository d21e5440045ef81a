// The typical run, on the real program: start beside a setting.ini and a theme store,
// click a stored theme, type a colour, Tab, File > apply and close; then both files
// hold exactly what they must.
#include <memory>

#include "tests/e2e/screen_capture.h"
#include "tests/e2e/story.h"

namespace {

TEST_F(Story, TypicalRunThemeChosenColourTypedApplyAndCloseWritesBothFiles) {
  WriteLirvaFolder();
  ASSERT_TRUE(StartProgram()) << "the main window never appeared";
  HWND back = Field(COLOR_BACK);
  HWND preview = app_->Control(ControlName::Picture1);
  ASSERT_TRUE(List() && back && preview);
  EXPECT_EQ(ListEntries(), (std::vector<std::wstring>{L"(現在の設定)", L"夜空", L"Standard"}));
  EXPECT_EQ(app_->Text(back), L"FFFFFF");

  app_->ClickListEntry(1);
  ASSERT_TRUE(app_->WaitUntil([&] { return app_->Text(back) == L"181010"; })) << "the theme was not loaded";

  app_->TypeReplacing(back, L"0000FF");
  app_->PressTab(back);
  // The edit is taken when the field loses the focus: the ruler band turns red.
  std::unique_ptr<ScreenCapture> shown;
  bool red = app_->WaitUntil([&] {
    shown = std::make_unique<ScreenCapture>(app_->main());
    return shown->PixelInClient(preview, 3000 / 15, 300 / 15) == 0x0000FF;
  });
  shown->SaveBmp(ThisProgramFolder() + L"\\e2e-window.bmp");
  EXPECT_TRUE(red) << "ruler band shows " << std::hex << shown->PixelInClient(preview, 200, 20);
  // Sample note 1 (column 0, row 13) is filled with COLOR_NOTE_NOR.
  EXPECT_EQ(shown->PixelInClient(preview, (1560 + 560) / 15, (2730 + 105) / 15), kNightColors[COLOR_NOTE_NOR]);
  EXPECT_EQ(app_->Text(back), L"0000FF");

  // File (F) > apply and close (Q).
  ASSERT_TRUE(app_->ChooseMenuByKeys(L'F', L'Q'));
  ASSERT_TRUE(app_->WaitForExit()) << "the program did not close";

  ColorArray written = kNightColors;
  written[COLOR_BACK] = 0xFF;
  EXPECT_EQ(Read(L"setting.ini"), Lines(SettingLines(folder_.wstring(), written, L"夜の歌")));
  EXPECT_EQ(Read(L"lirvacolors.ini"), store());
}

}  // namespace
