// The real main window at 96 DPI: frame, geometry, tab order, menus and fonts.
#include "ui/win32/form1_window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "shown_form1_test.h"
#include "ui/win32/fonts.h"
#include "ui/win32/menu_bar.h"
#include "window_test_support.h"

namespace {

std::string Describe(const ControlSpec& spec) {
  return std::to_string(static_cast<int>(spec.name)) + "/" + std::to_string(spec.index);
}

using Form1WindowTest = ShownForm1Test;

TEST_F(Form1WindowTest, FixedFrameWithCloseBoxOnlyAndTheProgramTitle) {
  const LONG style = GetWindowLongW(window.Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_EQ(TextOf(window.Handle()), kProgramTitle);
  EXPECT_NE(GetMenu(window.Handle()), nullptr);
}

TEST_F(Form1WindowTest, ClientAreaIs10575By6045TwipsCentredOnTheScreen) {
  ASSERT_EQ(window.Dpi(), 96u);
  RECT client{};
  GetClientRect(window.Handle(), &client);
  EXPECT_EQ(client.right, 705);
  EXPECT_EQ(client.bottom, 403);

  RECT frame{};
  GetWindowRect(window.Handle(), &frame);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_NEAR(frame.left - work.left, work.right - frame.right, 1);
  EXPECT_NEAR(frame.top - work.top, work.bottom - frame.bottom, 1);
}

TEST_F(Form1WindowTest, EveryControlSitsAtItsTwipsDividedBy15) {
  for (const ControlSpec& spec : Form1Controls()) {
    SCOPED_TRACE(Describe(spec));
    const HWND control = window.Control(spec.name, spec.index);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(GetParent(control), window.Handle());
    const RECT rect = RectInParent(control);
    EXPECT_NEAR(rect.left, spec.rect.left / 15, 1);
    EXPECT_NEAR(rect.top, spec.rect.top / 15, 1);
    EXPECT_NEAR(rect.right - rect.left, spec.rect.width / 15, 1);
    EXPECT_NEAR(rect.bottom - rect.top, spec.rect.height / 15, 1);
    if (spec.kind != ControlKind::Picture && spec.kind != ControlKind::ListBox) {
      EXPECT_EQ(TextOf(control), spec.caption);
    }
  }
}

TEST_F(Form1WindowTest, List1HoldsTheFocusAtOpenAndTabWalksTheLayoutOrder) {
  const HWND list = window.Control(ControlName::List1);
  EXPECT_EQ(GetFocus(), list);

  std::vector<HWND> expected;
  for (const ControlSpec& spec : Form1Controls()) {
    if (TakesFocus(spec.kind)) expected.push_back(window.Control(spec.name, spec.index));
  }
  std::vector<HWND> walked = {list};
  for (HWND at = list;;) {
    at = GetNextDlgTabItem(window.Handle(), at, FALSE);
    if (!at || at == list || walked.size() > expected.size()) break;
    walked.push_back(at);
  }
  ASSERT_EQ(walked.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(walked[i], expected[i]);
  }
  EXPECT_EQ(walked.back(), window.Control(ControlName::txtTransformTitle));
  // From cmdBrows(14) the focus goes to the picture, then to cmdBrows(15).
  const HWND afterButton14 =
      GetNextDlgTabItem(window.Handle(), window.Control(ControlName::cmdBrows, 14), FALSE);
  EXPECT_EQ(afterButton14, window.Control(ControlName::Picture1));
  EXPECT_EQ(GetNextDlgTabItem(window.Handle(), afterButton14, FALSE),
            window.Control(ControlName::cmdBrows, 15));
}

TEST_F(Form1WindowTest, LabelsNeverTakeTheFocusAndList1IsSingleSelectionUnsorted) {
  for (const ControlSpec& spec : Form1Controls()) {
    const LONG style = GetWindowLongW(window.Control(spec.name, spec.index), GWL_STYLE);
    EXPECT_EQ((style & WS_TABSTOP) != 0, TakesFocus(spec.kind)) << Describe(spec);
  }
  const HWND list = window.Control(ControlName::List1);
  const LONG style = GetWindowLongW(list, GWL_STYLE);
  EXPECT_TRUE(style & LBS_NOTIFY);
  EXPECT_FALSE(style & (LBS_SORT | LBS_MULTIPLESEL | LBS_EXTENDEDSEL));
  window.ListAdd(L"b");
  window.ListAdd(L"a");
  EXPECT_EQ(window.ListItem(0), L"b");
  EXPECT_EQ(window.ListItem(1), L"a");
}

TEST_F(Form1WindowTest, MenuBarHoldsTheMenuTableWithItsCommands) {
  const HMENU bar = GetMenu(window.Handle());
  int top = -1;
  int item = 0;
  HMENU dropDown = nullptr;
  for (const MenuSpec& spec : Form1Menus()) {
    SCOPED_TRACE(std::string(spec.name, spec.name + wcslen(spec.name)));
    wchar_t caption[128] = {};
    if (spec.level == 0) {
      ++top;
      item = 0;
      GetMenuStringW(bar, static_cast<UINT>(top), caption, 128, MF_BYPOSITION);
      EXPECT_EQ(std::wstring(caption), spec.caption);
      dropDown = GetSubMenu(bar, top);
      ASSERT_NE(dropDown, nullptr);
      continue;
    }
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
    info.dwTypeData = caption;
    info.cch = 128;
    ASSERT_TRUE(GetMenuItemInfoW(dropDown, static_cast<UINT>(item++), TRUE, &info));
    if (spec.command == MenuCommand::None) {
      EXPECT_TRUE(info.fType & MFT_SEPARATOR);
    } else {
      EXPECT_EQ(std::wstring(caption), spec.caption);
      EXPECT_EQ(MenuCommandOf(static_cast<int>(info.wID)), spec.command);
    }
  }
  EXPECT_EQ(GetMenuItemCount(bar), top + 1);
}

LOGFONTW FontOf(HWND control) {
  LOGFONTW font{};
  const auto handle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  GetObjectW(handle, sizeof(font), &font);
  return font;
}

bool IsFixedPitch(HWND control) {
  HDC dc = GetDC(control);
  const HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return (metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) == 0;  // the bit means variable
}

TEST_F(Form1WindowTest, ColourFieldsUseTheGothicFaceOrAFixedPitchStandIn) {
  const bool gothicInstalled = FontFaceInstalled(kGothicFace, kShiftJisCharset);
  for (int slot = 0; slot < kColorSlotCount; ++slot) {
    SCOPED_TRACE(slot);
    const HWND field = window.Control(ControlName::txtColors, slot);
    const LOGFONTW font = FontOf(field);
    EXPECT_EQ(font.lfHeight, -12);  // 9 point at 96 DPI
    EXPECT_EQ(font.lfWeight, 400);
    EXPECT_EQ(font.lfCharSet, 128);
    EXPECT_FALSE(font.lfItalic || font.lfUnderline || font.lfStrikeOut);
    if (gothicInstalled) {
      EXPECT_EQ(std::wstring(font.lfFaceName), kGothicFace);
    }
    EXPECT_TRUE(IsFixedPitch(field));
  }
  EXPECT_NE(FontOf(window.Control(ControlName::Label1, 0)).lfFaceName[0], L'\0');
}

TEST_F(Form1WindowTest, NoCaptionIsWiderThanItsControl) {
  for (const ControlSpec& spec : Form1Controls()) {
    if (spec.kind != ControlKind::Label && spec.kind != ControlKind::Button) continue;
    SCOPED_TRACE(Describe(spec));
    const HWND control = window.Control(spec.name, spec.index);
    HDC dc = GetDC(control);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE text{};
    const std::wstring caption = spec.caption;
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    RECT client{};
    GetClientRect(control, &client);
    EXPECT_LE(text.cx, client.right);
    EXPECT_LE(text.cy, client.bottom);
  }
}

TEST_F(Form1WindowTest, PictureShowsItsBitmapAndKeepsItWhenRepainted) {
  PreviewSurface& surface = window.Preview();
  EXPECT_EQ(surface.Width(), 7395);
  EXPECT_EQ(surface.Height(), 3675);
  surface.FillRect(0, 0, 1500, 300, 0x0000FF);  // red, 100 x 20 pixels
  surface.Line(0, 600, 1500, 600, 0x00FF00);
  const HDC bitmap = window.PreviewBitmap().MemoryDC();
  EXPECT_EQ(GetPixel(bitmap, 99, 19), RGB(255, 0, 0));
  EXPECT_NE(GetPixel(bitmap, 100, 19), RGB(255, 0, 0));  // the right edge is left out
  EXPECT_NE(GetPixel(bitmap, 99, 20), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(bitmap, 0, 40), RGB(0, 255, 0));
  EXPECT_NE(GetPixel(bitmap, 100, 40), RGB(0, 255, 0));  // and a line's last point

  const HWND picture = window.Control(ControlName::Picture1);
  InvalidateRect(picture, nullptr, TRUE);
  UpdateWindow(picture);
  HDC screen = GetDC(picture);
  EXPECT_EQ(GetPixel(screen, 50, 10), RGB(255, 0, 0));
  ReleaseDC(picture, screen);
}

// A redraw asks the picture box to repaint once, not after every drawing call, and
// asks again once the box has painted.
TEST_F(Form1WindowTest, PictureIsAskedToRepaintAgainAfterEveryPaint) {
  const HWND picture = window.Control(ControlName::Picture1);
  RECT update{};
  UpdateWindow(picture);
  ASSERT_FALSE(GetUpdateRect(picture, &update, FALSE));
  for (COLORREF shown : {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)}) {
    SCOPED_TRACE(shown);
    window.Preview().BeginPicture();
    window.Preview().FillRect(0, 0, 1500, 300, static_cast<Color>(shown));
    window.Preview().Line(0, 600, 1500, 600, static_cast<Color>(shown));
    EXPECT_TRUE(GetUpdateRect(picture, &update, FALSE));
    UpdateWindow(picture);
    EXPECT_FALSE(GetUpdateRect(picture, &update, FALSE));
    HDC screen = GetDC(picture);
    EXPECT_EQ(GetPixel(screen, 50, 10), shown);
    ReleaseDC(picture, screen);
  }
}

TEST_F(Form1WindowTest, DpiChangeLaysOutFontsAndPictureAgain) {
  window.Preview().FillRect(0, 0, 1500, 300, 0x0000FF);
  RECT suggested{};
  GetWindowRect(window.Handle(), &suggested);
  SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(window.Dpi(), 144u);
  RECT client{};
  GetClientRect(window.Handle(), &client);
  EXPECT_EQ(client.right, 10575 * 144 / 1440);
  EXPECT_EQ(client.bottom, 6045 * 144 / 1440);
  const ControlSpec& field = *FindControl(Form1Controls(), ControlName::txtColors, 9);
  const RECT rect = RectInParent(window.Control(ControlName::txtColors, 9));
  EXPECT_NEAR(rect.left, field.rect.left * 144 / 1440, 1);
  EXPECT_NEAR(rect.right - rect.left, field.rect.width * 144 / 1440, 1);
  EXPECT_EQ(FontOf(window.Control(ControlName::txtColors, 9)).lfHeight, -18);
  // The picture was painted again at the new size: 150 x 30 pixels now.
  const HDC bitmap = window.PreviewBitmap().MemoryDC();
  EXPECT_EQ(GetPixel(bitmap, 149, 29), RGB(255, 0, 0));
  EXPECT_NE(GetPixel(bitmap, 150, 29), RGB(255, 0, 0));
}

// A new DPI paints the latest picture again, and nothing that was drawn before it began.
TEST_F(Form1WindowTest, DpiChangePaintsOnlyTheLatestPictureAgain) {
  PreviewSurface& surface = window.Preview();
  surface.FillRect(0, 0, 1500, 300, 0x0000FF);  // red, in the picture before
  surface.BeginPicture();
  surface.FillRect(0, 0, 150, 150, 0x00FF00);  // green, 15 x 15 pixels at 144 DPI
  RECT suggested{};
  GetWindowRect(window.Handle(), &suggested);
  SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));
  const HDC bitmap = window.PreviewBitmap().MemoryDC();
  EXPECT_EQ(GetPixel(bitmap, 14, 14), RGB(0, 255, 0));
  EXPECT_NE(GetPixel(bitmap, 15, 14), RGB(0, 255, 0));
  EXPECT_NE(GetPixel(bitmap, 100, 20), RGB(255, 0, 0));
}

}  // namespace
