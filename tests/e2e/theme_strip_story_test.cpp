// The theme strips on the real program, read from the screen: entry 0 shows the colours
// of setting.ini and a stored theme its own; a colour the user takes shows in entry 0's
// strip at once, while the stored themes' strips stay as they were.
#include <memory>

#include "tests/e2e/screen_capture.h"
#include "tests/e2e/story.h"

namespace {

TEST_F(Story, ThemeStripsShowEachThemeAndEntryZeroFollowsATakenColour) {
  WriteLirvaFolder({kNight, kStandard});
  ASSERT_TRUE(StartProgram());
  HDC screen = GetDC(app_->main());
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(app_->main(), screen);
  std::vector<ThemeStripColors> shown;
  std::unique_ptr<ScreenCapture> capture;
  auto waitUntilShowing = [&](const std::vector<ThemeStripColors>& wanted) {
    app_->WaitUntil([&] {
      capture = std::make_unique<ScreenCapture>(app_->main());
      shown.clear();
      for (int entry = 0; entry < static_cast<int>(wanted.size()); ++entry) {
        shown.push_back(StripOnScreen(*capture, List(), entry, dpi));
      }
      return shown == wanted;
    });
  };

  // Left to right: the roll, the white keys, the black keys, a note, a selected note.
  const ThemeStripColors standard = {0xFFFFFF, 0xFFFFFF, 0x404040, 0xFFC000, 0xFF40FF};
  const ThemeStripColors night = {0x282020, 0x303030, 0x101010, 0x40A0FF, 0x6040C0};
  waitUntilShowing({standard, night, standard});
  EXPECT_EQ(shown, (std::vector{standard, night, standard}));

  // A colour typed for the roll's light lanes, taken by Tab.
  app_->TypeReplacing(Field(COLOR_ROLL1), L"123456");
  app_->PressTab(Field(COLOR_ROLL1));
  ThemeStripColors taken = standard;
  taken[0] = 0x123456;
  waitUntilShowing({taken, night, standard});
  EXPECT_EQ(shown, (std::vector{taken, night, standard}));
  capture->SaveBmp(ThisProgramFolder() + L"\\screenshot-theme-strips.bmp");
}

}  // namespace
