// Both windows built in Japanese and in English: the English window's captions, menus
// and tab order, every caption measured against its control at 96 and 144 DPI with
// the control's own font, and the names screen readers get from the system.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <functional>
#include <iostream>
#include <span>
#include <string>
#include <vector>

#include "recording_events.h"
#include "ui/accessibility.h"
#include "ui/win32/control_set.h"
#include "ui/win32/fonts.h"
#include "ui/win32/form1_window.h"
#include "ui/win32/menu_bar.h"
#include "window_test_support.h"

namespace {

constexpr Language kLanguages[] = {Language::Japanese, Language::English};

const char* NameOf(Language language) { return language == Language::Japanese ? "Japanese" : "English"; }

std::string Describe(const ControlSpec& spec) {
  return std::to_string(static_cast<int>(spec.name)) + "/" + std::to_string(spec.index);
}

std::string Utf8(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
  return bytes;
}

void ChangeDpi(HWND window, UINT dpi) {
  RECT suggested{};
  GetWindowRect(window, &suggested);
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

// How wide and tall the control's caption is in the control's own font, and the room
// its client area has.
struct Fit {
  std::wstring caption;
  std::wstring face;
  SIZE text{};
  RECT room{};
};
Fit Measure(HWND control) {
  Fit fit;
  fit.caption = TextOf(control);
  HDC dc = GetDC(control);
  const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  GetTextExtentPoint32W(dc, fit.caption.c_str(), static_cast<int>(fit.caption.size()), &fit.text);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  fit.face = face;
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  GetClientRect(control, &fit.room);
  return fit;
}

// Checks each caption against its room; tells the tightest one.
void ExpectAllFit(const std::vector<Fit>& fits, const std::string& where) {
  ASSERT_FALSE(fits.empty());
  const Fit* tightest = &fits.front();
  for (const Fit& fit : fits) {
    SCOPED_TRACE(Utf8(fit.caption));
    EXPECT_LE(fit.text.cx, fit.room.right);
    EXPECT_LE(fit.text.cy, fit.room.bottom);
    if (fit.room.right - fit.text.cx < tightest->room.right - tightest->text.cx) tightest = &fit;
  }
  std::cout << where << ": " << fits.size() << " captions fit; tightest \"" << Utf8(tightest->caption) << "\" "
            << tightest->text.cx << " of " << tightest->room.right << " px wide, " << tightest->text.cy << " of "
            << tightest->room.bottom << " px high (" << Utf8(tightest->face) << ")\n";
}

TEST(EnglishWindow, ShowsTheEnglishTablesCaptionsMenusAndKeepsTheTabOrder) {
  Form1Window window(nullptr, Language::English);
  ASSERT_NE(window.Handle(), nullptr);
  EXPECT_EQ(window.InterfaceLanguage(), Language::English);
  std::vector<HWND> focusOrder;
  for (const ControlSpec& spec : Form1Controls(Language::English)) {
    SCOPED_TRACE(Describe(spec));
    const HWND control = window.Control(spec.name, spec.index);
    ASSERT_NE(control, nullptr);
    if (spec.kind != ControlKind::Picture && spec.kind != ControlKind::ListBox) {
      EXPECT_EQ(TextOf(control), spec.caption);
    }
    if (TakesFocus(spec.kind)) focusOrder.push_back(control);
  }
  window.ShowCentred();
  PumpMessages(window.Handle());
  for (size_t i = 0; i + 1 < focusOrder.size(); ++i) {
    EXPECT_EQ(GetNextDlgTabItem(window.Handle(), focusOrder[i], FALSE), focusOrder[i + 1]) << i;
  }

  const HMENU bar = GetMenu(window.Handle());
  int top = -1;
  for (const MenuSpec& spec : Form1Menus(Language::English)) {
    if (spec.level != 0) continue;
    wchar_t caption[64] = {};
    GetMenuStringW(bar, static_cast<UINT>(++top), caption, 64, MF_BYPOSITION);
    EXPECT_STREQ(caption, spec.caption);
  }
  EXPECT_EQ(GetMenuItemCount(bar), top + 1);
}

// The English window takes the face the system speaks in; measured in a stand-in (a
// machine without that face), captions that fit in the tests could be cut off on the
// users' screens. The title bars' buttons are glyphs of Marlett, which Windows always
// has: without it the screenshots show letters where the buttons are.
TEST(EnglishWindow, IsMeasuredInTheSystemsOwnFaceAndTheTitleBarsHaveTheirGlyphs) {
  Form1Window window(nullptr, Language::English);
  ASSERT_NE(window.Handle(), nullptr);
  const Fit label = Measure(window.Control(ControlName::Label2));
  const std::wstring asked = DefaultFontChoice(Language::English).face;
  std::cout << "English default face: asked \"" << Utf8(asked) << "\", drawn in \"" << Utf8(label.face) << "\"\n";
  // "MS Shell Dlg" is the system's own alias; Windows maps it to one of these, and on
  // a Japanese system (code page 932) to a Japanese face.
  const bool alias = asked == L"MS Shell Dlg" || asked == L"MS Shell Dlg 2";
  const bool mapped = label.face == L"Tahoma" || label.face == L"Microsoft Sans Serif" ||
                      (GetACP() == 932 && FontFaceInstalled(label.face, SHIFTJIS_CHARSET));
  EXPECT_TRUE(label.face == asked || (alias && mapped)) << "a stand-in face: " << Utf8(label.face);
  EXPECT_TRUE(FontFaceInstalled(L"Marlett", SYMBOL_CHARSET));
}

TEST(CaptionsFit, EveryLabelAndButtonOfBothWindowsInBothLanguagesAt96And144Dpi) {
  for (const Language language : kLanguages) {
    for (const UINT dpi : {96u, 144u}) {
      const std::string where = std::string(NameOf(language)) + " at " + std::to_string(dpi) + " DPI";
      SCOPED_TRACE(where);
      Form1Window window(nullptr, language);
      ASSERT_NE(window.Handle(), nullptr);
      if (dpi != window.Dpi()) ChangeDpi(window.Handle(), dpi);
      ASSERT_EQ(window.Dpi(), dpi);
      std::vector<Fit> fits;
      for (const ControlSpec& spec : Form1Controls(language)) {
        if (spec.kind == ControlKind::Label || spec.kind == ControlKind::Button) {
          fits.push_back(Measure(window.Control(spec.name, spec.index)));
        }
      }
      ExpectAllFit(fits, where + ", main window");

      // the input box, at the same DPI.
      InputBoxWindow box(language);
      RecordingEvents events;
      std::vector<Fit> dialogFits;
      DialogAnswerer answer(InputBoxWindow::kClassName, [&](HWND dialog) {
        if (dpi != 96) ChangeDpi(dialog, dpi);
        const auto controls = InputBoxControls(language);
        for (size_t position = 0; position < controls.size(); ++position) {
          if (controls[position].kind != ControlKind::Button) continue;
          dialogFits.push_back(Measure(GetDlgItem(dialog, ControlSet::kFirstControlId + static_cast<int>(position))));
        }
        PostMessageW(dialog, WM_CLOSE, 0, 0);
      });
      box.ShowModal(window.Window(), events);
      ASSERT_TRUE(answer.Found());
      ExpectAllFit(dialogFits, where + ", input box");
    }
  }
}

// What the system's accessibility interface says a control is called.
std::wstring AccessibleName(HWND control) {
  IAccessible* accessible = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&accessible)))) {
    return L"(no accessible object)";
  }
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  std::wstring result;
  if (accessible->get_accName(self, &name) == S_OK && name) result.assign(name, SysStringLen(name));
  SysFreeString(name);
  accessible->Release();
  return result;
}

// Checks what the system says each control is called against what the layout says a
// screen reader speaks, and lists both. Names given by annotation are checked only
// where the system took them.
void ExpectSpokenNames(std::span<const ControlSpec> controls, Language language, const AccessibleNames& given,
                       const std::function<HWND(const ControlSpec&)>& windowOf, const char* what) {
  std::cout << NameOf(language) << " " << what << (given.SystemTookNames() ? "" : " (given names not checkable here)")
            << ":\n";
  for (const ControlSpec& spec : controls) {
    if (!TakesFocus(spec.kind)) continue;
    SCOPED_TRACE(Describe(spec));
    const std::wstring expected = SpokenName(controls, spec, language);
    const std::wstring reported = AccessibleName(windowOf(spec));
    const bool annotated = AnnotationFor(spec, language).has_value();
    std::cout << "  " << Describe(spec) << ": \"" << Utf8(expected) << "\"" << (annotated ? " (given)" : "")
              << "; the system says \"" << Utf8(reported) << "\"\n";
    if (!annotated || given.SystemTookNames()) {
      EXPECT_EQ(reported, expected);
    }
  }
}

TEST(ScreenReaderNames, EachFieldIsCalledByItsLabelAndEveryOtherControlByItsGivenNameOrCaption) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  for (const Language language : kLanguages) {
    SCOPED_TRACE(NameOf(language));
    Form1Window window(nullptr, language);
    ASSERT_NE(window.Handle(), nullptr);
    ExpectSpokenNames(Form1Controls(language), language, window.Names(),
                      [&](const ControlSpec& spec) { return window.Control(spec.name, spec.index); }, "main window");

    InputBoxWindow& box = window.InputBox();
    RecordingEvents events;
    DialogAnswerer answer(InputBoxWindow::kClassName, [&](HWND dialog) {
      CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
      ExpectSpokenNames(InputBoxControls(language), language, *box.Names(),
                        [&](const ControlSpec& spec) { return box.Control(spec.name); }, "input box");
      CoUninitialize();
      PostMessageW(dialog, WM_CLOSE, 0, 0);
    });
    box.ShowModal(window.Window(), events);
    ASSERT_TRUE(answer.Found());
  }
  CoUninitialize();
}

}  // namespace
