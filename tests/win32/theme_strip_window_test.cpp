// List1's theme strips on the real window at 96 and 144 DPI, read from the screen: each
// swatch shows its theme's colour inside a frame that stays visible on the list's own
// background, selected or not; the entries are exactly as tall as a plain list box's
// in the same font; and the entries' texts are the names alone, as type-ahead finds them.
#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include "recording_events.h"
#include "tests/e2e/screen_capture.h"
#include "ui/win32/form1_window.h"
#include "window_test_support.h"

namespace {

// A theme whose telling colours differ from each other and from the system's.
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
// What Dusk's strip shows, left to right: the roll, the white keys, the black keys, a
// note and a selected note.
const ThemeStripColors kDuskStrip = {0xF0E0D0, 0xE8E8E8, 0x303030, 0x40A0FF, 0xC040C0};

// The list: the current colours, a theme all in the list's own background colour, Dusk
// (selected) and an entry without colours.
const std::vector<std::wstring_view> kEntries = {L"(現在の設定)", L"Paper", L"Dusk", L"None"};
constexpr int kPaper = 1;
constexpr int kSelected = 2;
constexpr int kNoColors = 3;

std::string Hex(std::int32_t color) {
  std::ostringstream text;
  text << std::hex << std::setw(6) << std::setfill('0') << color;
  return text.str();
}

void ChangeDpi(HWND window, UINT dpi) {
  RECT suggested{};
  GetWindowRect(window, &suggested);
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

// The entry height a plain list box takes from this font.
int PlainEntryHeight(HWND parent, HFONT font) {
  const HWND plain = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | LBS_NOINTEGRALHEIGHT, 0, 0, 100, 100, parent,
                                     nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(plain, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  const int height = static_cast<int>(SendMessageW(plain, LB_GETITEMHEIGHT, 0, 0));
  DestroyWindow(plain);
  return height;
}

TEST(ThemeStripWindow, SwatchesShowTheirThemeFramedOnAnyBackgroundAtBothDpis) {
  for (const UINT dpi : {96u, 144u}) {
    SCOPED_TRACE(std::to_string(dpi) + " DPI");
    RecordingEvents events;
    Form1Window window;
    ASSERT_NE(window.Handle(), nullptr);
    window.AttachEvents(events);
    if (dpi != window.Dpi()) ChangeDpi(window.Handle(), dpi);
    ASSERT_EQ(window.Dpi(), dpi);
    const Color background = static_cast<Color>(GetSysColor(COLOR_WINDOW));
    ColorArray paper{};
    paper.fill(background);
    window.SetListEntryColors([&](int index) -> std::optional<ColorArray> {
      if (index == kPaper) return paper;
      if (index == kNoColors) return std::nullopt;
      return Dusk();
    });
    window.ListReplaceAll(kEntries);
    window.SetListIndex(kSelected);
    window.ShowCentred();
    PumpMessages(window.Handle());

    const HWND list = window.Control(ControlName::List1);
    const HFONT font = reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0));
    EXPECT_EQ(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), PlainEntryHeight(window.Handle(), font));
    for (int i = 0; i < static_cast<int>(kEntries.size()); ++i) EXPECT_EQ(window.ListItem(i), kEntries[i]);

    const ScreenCapture shown(window.Handle());
    shown.SaveBmp(L"screenshot-theme-strips-" + std::to_wstring(dpi) + L"dpi.bmp");
    EXPECT_EQ(StripOnScreen(shown, list, 0, static_cast<int>(dpi)), kDuskStrip);
    EXPECT_EQ(StripOnScreen(shown, list, kSelected, static_cast<int>(dpi)), kDuskStrip);

    RECT client{};
    GetClientRect(list, &client);
    struct Entry {
      int index;
      Color listBackground;
    };
    const Entry entries[] = {{0, background},
                             {kPaper, background},
                             {kSelected, static_cast<Color>(GetSysColor(COLOR_HIGHLIGHT))},
                             {kNoColors, background}};
    for (const Entry& e : entries) {
      SCOPED_TRACE("entry " + std::to_string(e.index));
      const ThemeStripLayout strip = StripInList(list, e.index, static_cast<int>(dpi));
      const int middle = (strip.frame.top + strip.frame.bottom) / 2;
      // The selection's colours and the plain ones, as a plain list box has them.
      EXPECT_EQ(Hex(shown.PixelInClient(list, client.right - 3, middle)), Hex(e.listBackground));
      const PixelBox& first = strip.swatches[0];
      const int centre = (first.left + first.right) / 2;
      if (e.index == kNoColors) {
        EXPECT_EQ(Hex(shown.PixelInClient(list, centre, middle)), Hex(e.listBackground));
        continue;
      }
      // The frame around a swatch, on each side of it, stands apart from the background.
      for (const auto& [x, y] : {std::pair{first.left - 1, middle}, std::pair{first.right, middle},
                                 std::pair{centre, first.top - 1}, std::pair{centre, first.bottom}}) {
        EXPECT_NE(Hex(shown.PixelInClient(list, x, y)), Hex(e.listBackground)) << x << "," << y;
      }
    }
    // A theme all in the list's background colour shows it inside the frames.
    for (const Color color : StripOnScreen(shown, list, kPaper, static_cast<int>(dpi))) {
      EXPECT_EQ(Hex(color), Hex(background));
    }
  }
}

TEST(ThemeStripWindow, TypeAheadFindsAnEntryByItsName) {
  RecordingEvents events;
  Form1Window window;
  ASSERT_NE(window.Handle(), nullptr);
  window.AttachEvents(events);
  window.SetListEntryColors([](int) { return std::optional<ColorArray>(Dusk()); });
  window.ListReplaceAll(kEntries);
  window.ShowCentred();
  PumpMessages(window.Handle());
  PostChar(window.Control(ControlName::List1), L'n');
  PumpMessages(window.Handle());
  EXPECT_EQ(window.ListIndex(), kNoColors);
  EXPECT_EQ(events.log, std::vector<std::string>{"List1_Click"});
}

// Entry 0 follows the current colours: asked to, the window draws it again with the
// colours it is given now, and leaves the other entries as they were.
TEST(ThemeStripWindow, AnEntryDrawnAgainShowsItsNewColours) {
  RecordingEvents events;
  Form1Window window;
  ASSERT_NE(window.Handle(), nullptr);
  window.AttachEvents(events);
  ColorArray current = Dusk();
  window.SetListEntryColors([&](int) { return std::optional<ColorArray>(current); });
  window.ListReplaceAll(kEntries);
  window.ShowCentred();
  PumpMessages(window.Handle());

  const HWND list = window.Control(ControlName::List1);
  const int dpi = static_cast<int>(window.Dpi());
  current[COLOR_NOTE_NOR] = 0x123456;
  window.RedrawListEntry(0);
  PumpMessages(window.Handle());
  const ScreenCapture shown(window.Handle());
  ThemeStripColors followed = kDuskStrip;
  followed[3] = 0x123456;
  EXPECT_EQ(StripOnScreen(shown, list, 0, dpi), followed);
  EXPECT_EQ(StripOnScreen(shown, list, 1, dpi), kDuskStrip);
}

}  // namespace
