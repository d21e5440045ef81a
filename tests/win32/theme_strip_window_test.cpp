// List1's theme strips on the real window at 96 and 144 DPI, read from the screen: each
// swatch shows its theme's colour in a frame that stays visible on the list's own
// background, selected or not; the entries are as tall as a plain list box's in the
// same font, and type-ahead still finds an entry by its name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_events.h"
#include "tests/e2e/screen_capture.h"
#include "ui/win32/form1_window.h"
#include "window_test_support.h"

namespace {

// A theme whose telling colours differ from each other and from the system's; its strip
// shows, left to right, the roll, the white keys, the black keys, a note, a selected note.
ColorArray Dusk() {
  ColorArray colors{};
  colors.fill(0x7F7F7F);
  colors[COLOR_ROLL1] = 0xF0E0D0;
  colors[COLOR_PIANO1] = 0xE8E8E8;
  colors[COLOR_PIANO2] = 0x303030;
  colors[COLOR_NOTE_NOR] = 0x40A0FF;
  colors[COLOR_NOTE_SEL] = 0xC040C0;
  return colors;
}
const ThemeStripColors kDuskStrip = {0xF0E0D0, 0xE8E8E8, 0x303030, 0x40A0FF, 0xC040C0};

// The current colours (Dusk), a theme all in the list's background colour, and Dusk
// again, selected.
const std::vector<std::wstring_view> kEntries = {L"(現在の設定)", L"Paper", L"Dusk"};

int PlainListEntryHeight(HWND parent, HFONT font) {
  const HWND plain = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD, 0, 0, 100, 100, parent, nullptr, nullptr, nullptr);
  SendMessageW(plain, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  const int height = static_cast<int>(SendMessageW(plain, LB_GETITEMHEIGHT, 0, 0));
  DestroyWindow(plain);
  return height;
}

TEST(ThemeStripWindow, SwatchesShowTheirThemeInFramesVisibleOnAnyBackgroundAt96And144Dpi) {
  for (const UINT dpi : {96u, 144u}) {
    SCOPED_TRACE(std::to_string(dpi) + " DPI");
    RecordingEvents events;
    Form1Window window;
    window.AttachEvents(events);
    RECT suggested{};
    GetWindowRect(window.Handle(), &suggested);
    SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    ASSERT_EQ(window.Dpi(), dpi);
    const Color background = static_cast<Color>(GetSysColor(COLOR_WINDOW));
    ColorArray paper{};
    paper.fill(background);
    window.SetListEntryColors([&](int index) { return index == 1 ? paper : Dusk(); });
    window.ListReplaceAll(kEntries);
    window.SetListIndex(2);
    window.ShowCentred();
    PumpMessages(window.Handle());

    const HWND list = window.Control(ControlName::List1);
    const HFONT font = reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0));
    EXPECT_EQ(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), PlainListEntryHeight(window.Handle(), font));
    const ScreenCapture shown(window.Handle());
    shown.SaveBmp(L"screenshot-theme-strips-" + std::to_wstring(dpi) + L"dpi.bmp");
    EXPECT_EQ(StripOnScreen(shown, list, 0, static_cast<int>(dpi)), kDuskStrip);
    EXPECT_EQ(StripOnScreen(shown, list, 2, static_cast<int>(dpi)), kDuskStrip);
    for (const Color color : StripOnScreen(shown, list, 1, static_cast<int>(dpi))) EXPECT_EQ(color, background);

    RECT client{};
    GetClientRect(list, &client);
    const Color selection = static_cast<Color>(GetSysColor(COLOR_HIGHLIGHT));
    for (const auto& [entry, entryBackground] : {std::pair{1, background}, {2, selection}}) {
      SCOPED_TRACE("entry " + std::to_string(entry));
      const ThemeStripLayout strip = StripInList(list, entry, static_cast<int>(dpi));
      const PixelBox& swatch = strip.swatches[0];
      const int x = (swatch.left + swatch.right) / 2;
      const int y = (swatch.top + swatch.bottom) / 2;
      // The entry in the system's colours, as a plain list box has them.
      EXPECT_EQ(shown.PixelInClient(list, client.right - 3, y), entryBackground);
      // The frame on each side of a swatch stands apart from the entry's background.
      for (const auto& [frameX, frameY] :
           {std::pair{swatch.left - 1, y}, {swatch.right, y}, {x, swatch.top - 1}, {x, swatch.bottom}}) {
        EXPECT_NE(shown.PixelInClient(list, frameX, frameY), entryBackground) << frameX << "," << frameY;
      }
    }
    // The entries' texts are the names alone: type-ahead finds one by its first letter.
    PostChar(list, L'p');
    PumpMessages(window.Handle());
    EXPECT_EQ(window.ListIndex(), 1);
  }
}

}  // namespace
