#include "ui/win32/control_set.h"

#include <algorithm>

#include "ui/accessibility.h"
#include "ui/win32/dpi.h"
#include "ui/win32/handles.h"
#include "ui/win32/picture_box.h"

namespace {

struct WindowKind {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

// Whether a control is a tab stop comes from the layout table, not from here.
WindowKind KindOf(ControlKind kind) {
  constexpr DWORD child = WS_CHILD | WS_VISIBLE;
  switch (kind) {
    case ControlKind::ListBox:
      // Single selection, unsorted, exactly as tall as laid out. Its parent draws the
      // entries (the theme strip before each name) while the list keeps their texts,
      // so screen readers, type-ahead and every reader of an entry get the name alone.
      return {L"LISTBOX",
              child | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
              WS_EX_CLIENTEDGE};
    case ControlKind::Picture:
      return {PictureBox::kClassName, child, WS_EX_CLIENTEDGE};
    case ControlKind::TextBox:
      return {L"EDIT", child | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::Label:
      return {L"STATIC", child | SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::Button:
      return {L"BUTTON", child | BS_PUSHBUTTON, 0};
  }
  return {L"STATIC", child, 0};
}

}  // namespace

void ControlSet::Create(HWND parent, std::span<const ControlSpec> specs, UINT dpi,
                        const WindowFonts& fonts, PictureBox* picture) {
  specs_ = specs;
  windows_.assign(specs.size(), nullptr);
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  // The z-order is the creation order; a control's id stays its table position.
  for (const size_t position : CreationOrder(specs)) {
    const ControlSpec& spec = specs[position];
    const WindowKind kind = KindOf(spec.kind);
    const DWORD style = kind.style | (TakesFocus(spec.kind) ? DWORD{WS_TABSTOP} : DWORD{0});
    const RECT rect = TwipsToPixels(spec.rect, dpi);
    void* parameter = spec.kind == ControlKind::Picture ? picture : nullptr;
    const HWND window = CreateWindowExW(
        kind.exStyle, kind.className, spec.caption, style, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + position)), instance,
        parameter);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.For(spec.font)), FALSE);
    windows_[position] = window;
  }
}

namespace {

// The height of a line of text in this font, in pixels.
int LineHeight(HWND control, HFONT font) {
  const WindowDC dc(control);
  const SelectedObject selected(dc.Get(), font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc.Get(), &metrics);
  return metrics.tmHeight;
}

}  // namespace

void ControlSet::Place(UINT dpi, const WindowFonts& fonts) {
  for (size_t position = 0; position < specs_.size(); ++position) {
    const ControlSpec& spec = specs_[position];
    RECT rect = TwipsToPixels(spec.rect, dpi);
    // A label drawn in a face taller for its size than the one the layout was made
    // for (Segoe UI or Tahoma at 144 DPI, say) grows downwards into the gap below it
    // rather than losing the bottom of its letters.
    if (spec.kind == ControlKind::Label) {
      rect.bottom = std::max<LONG>(rect.bottom, rect.top + LineHeight(windows_[position], fonts.For(spec.font)));
    }
    SendMessageW(windows_[position], WM_SETFONT, reinterpret_cast<WPARAM>(fonts.For(spec.font)),
                 FALSE);
    // An owner-drawn list box keeps the height its entries had when it was made, before
    // it had a font; a plain one takes the height of a line of its font, as here.
    if (spec.kind == ControlKind::ListBox) {
      SendMessageW(windows_[position], LB_SETITEMHEIGHT, 0,
                   static_cast<LPARAM>(LineHeight(windows_[position], fonts.For(spec.font))));
    }
    SetWindowPos(windows_[position], nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(windows_[position], nullptr, TRUE);
  }
}

HWND ControlSet::Find(ControlName name, int index) const {
  for (size_t position = 0; position < specs_.size(); ++position) {
    if (specs_[position].name == name && specs_[position].index == index) return windows_[position];
  }
  return nullptr;
}

const ControlSpec* ControlSet::SpecOf(int controlId) const {
  const int position = controlId - kFirstControlId;
  if (position < 0 || position >= static_cast<int>(specs_.size())) return nullptr;
  return &specs_[static_cast<size_t>(position)];
}
