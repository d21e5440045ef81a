#include "ui/win32/form1_window.h"

#include <commctrl.h>

#include "ui/form1_menu.h"
#include "ui/win32/common_dialogs.h"
#include "ui/win32/dpi.h"
#include "ui/win32/menu_bar.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/theme_strip.h"
#include "ui/win32/window_proc.h"

namespace {

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

LRESULT CALLBACK ColorFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                UINT_PTR slot, DWORD_PTR form) {
  if (message == WM_KILLFOCUS) {
    const LRESULT result = DefSubclassProc(field, message, wParam, lParam);
    reinterpret_cast<Form1Window*>(form)->OnColorFieldKillFocus(static_cast<int>(slot),
                                                               reinterpret_cast<HWND>(wParam));
    return result;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(field, ColorFieldProc, slot);
  return DefSubclassProc(field, message, wParam, lParam);
}

}  // namespace

Form1Window::Form1Window(HICON icon, Language language)
    : language_(language),
      picture_(PreviewSize().width, PreviewSize().height),
      inputBox_(language) {
  INITCOMMONCONTROLSEX common{sizeof(common), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&common);
  RegisterWindowClassOnce(kClassName, RoutedWindowProc<Form1Window>,
                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), icon);
  PictureBox::RegisterClass();

  const HMENU menuBar = CreateForm1MenuBar(language_);
  window_ = CreateWindowExW(kExStyle, kClassName, kProgramTitle, kStyle, CW_USEDEFAULT,
                            CW_USEDEFAULT, 100, 100, nullptr, menuBar, GetModuleHandleW(nullptr),
                            this);
  if (!window_) {
    DestroyMenu(menuBar);  // otherwise the window owns it
    return;
  }
  if (icon) SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  // Theme files dropped onto the window are added to the list.
  DragAcceptFiles(window_, TRUE);
  dpi_ = WindowDpi(window_);
  fonts_ = std::make_unique<WindowFonts>(dpi_, language_);
  controls_.Create(window_, Form1Controls(language_), dpi_, *fonts_, &picture_);
  list_.Attach(Control(ControlName::List1));
  names_.Annotate(controls_, Form1Controls(language_), language_);
  for (int slot = 0; slot < kColorSlotCount; ++slot) {
    SetWindowSubclass(Control(ControlName::txtColors, slot), ColorFieldProc,
                      static_cast<UINT_PTR>(slot), reinterpret_cast<DWORD_PTR>(this));
  }
  PlaceAll();
}

Form1Window::~Form1Window() {
  // The logic may already be gone: taking the window down raises nothing.
  events_ = nullptr;
  if (window_ && IsWindow(window_)) {
    closeAccepted_ = true;
    DestroyWindow(window_);
  }
}

void Form1Window::Load() {
  Raise(&Form1Events::Form_Load);
}

void Form1Window::ShowCentred() {
  RECT self{};
  GetWindowRect(window_, &self);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  const int width = self.right - self.left;
  const int height = self.bottom - self.top;
  SetWindowPos(window_, nullptr, work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  SetFocus(Control(ControlName::List1));
  UpdateWindow(window_);
}

void Form1Window::RunUntilClosed() {
  RunMessageLoop(window_, [this](const MSG& message) { return TranslateUndoKeys(message); });
}

bool Form1Window::TranslateUndoKeys(const MSG& message) {
  if (message.message != WM_KEYDOWN || (message.wParam != 'Z' && message.wParam != 'Y')) return false;
  if (GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  const bool redo = message.wParam == 'Y' || GetKeyState(VK_SHIFT) < 0;
  for (int slot = 0; slot < kColorSlotCount; ++slot) {
    // The edit field's own undo takes its typing back; it has no redo.
    if (message.hwnd == Control(ControlName::txtColors, slot) && Raise(&Form1Events::txtColors_HoldsTyping, slot)) {
      return false;
    }
  }
  Raise(redo ? &Form1Events::mnRedo_Click : &Form1Events::mnUndo_Click);
  return true;
}

void Form1Window::PlaceAll() {
  const SIZE client = TwipsToPixels(kForm1ClientSize, dpi_);
  SIZE outer = WindowSizeForClient(client, kStyle, kExStyle, true, dpi_);
  SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // A menu bar that wraps, or a frame the calculation did not foresee, shows in the
  // client size: correct by the difference.
  RECT actual{};
  GetClientRect(window_, &actual);
  if (actual.right != client.cx || actual.bottom != client.cy) {
    outer.cx += client.cx - actual.right;
    outer.cy += client.cy - actual.bottom;
    SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  controls_.Place(dpi_, *fonts_);
  picture_.FitBitmap(dpi_, fonts_->Default());
}


// ---- Form1View: fields ----

std::wstring Form1Window::ColorFieldText(int index) {
  return WindowText(Control(ControlName::txtColors, index));
}

void Form1Window::SetColorFieldText(int index, const std::wstring& text) {
  const HWND field = Control(ControlName::txtColors, index);
  if (!field) return;
  SetFieldText(field, text);
  Raise(&Form1Events::txtColors_Change, index);
}

std::wstring Form1Window::TransformTitleText() {
  return WindowText(Control(ControlName::txtTransformTitle));
}

void Form1Window::SetTransformTitleText(const std::wstring& text) {
  SetFieldText(Control(ControlName::txtTransformTitle), text);
  Raise(&Form1Events::txtTransformTitle_Change);
}

void Form1Window::SetFieldText(HWND field, const std::wstring& text) {
  const HWND outer = fieldBeingSet_;
  fieldBeingSet_ = field;
  SetWindowTextW(field, text.c_str());
  fieldBeingSet_ = outer;
}

// ---- Form1View: List1 ----

void Form1Window::SetListIndex(int index) {
  // LB_SETCURSEL sends no notification: List1_Click is raised here when the index moved.
  if (list_.Select(index)) RaiseList1Click();
}

void Form1Window::RaiseList1Click() {
  Raise(&Form1Events::List1_Click);
}

// ---- Form1View: modal windows and the close ----

MsgBoxAnswer Form1Window::MsgBox(const std::wstring& prompt, MsgBoxStyle style) {
  return ShowMessageBox(window_, prompt, style);
}

std::optional<Color> Form1Window::ChooseColor(Color initial, ColorChooserFlags flags) {
  return ShowColorChooser(window_, initial, flags, customColors_);
}

std::optional<std::wstring> Form1Window::ShowFileDialog(FileDialogKind kind,
                                                        const std::wstring& filter,
                                                        const std::wstring& fileName) {
  return ::ShowFileDialog(window_, kind, filter, fileName);
}

void Form1Window::SetMenuItemEnabled(MenuCommand item, bool enabled) {
  EnableMenuItem(GetMenu(window_), static_cast<UINT>(kFirstMenuId + static_cast<int>(item)),
                 MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void Form1Window::SetMenuItemText(MenuCommand item, const std::wstring& caption) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STRING;
  std::wstring text = caption;
  info.dwTypeData = text.data();
  SetMenuItemInfoW(GetMenu(window_), static_cast<UINT>(kFirstMenuId + static_cast<int>(item)), FALSE, &info);
}

void Form1Window::RequestClose() { CloseFor(CloseReason::Program); }

bool Form1Window::CloseFor(CloseReason reason) {
  if (closeAccepted_) {
    if (reason != CloseReason::SessionEnd && IsWindow(window_)) DestroyWindow(window_);
    return true;
  }
  // A second request while the first one's question is still open (the session ends
  // meanwhile, say) waits for that answer: refuse it rather than ask twice.
  if (closing_) return false;
  closing_ = true;
  const bool keepOpen = Raise(&Form1Events::Form_QueryUnload, reason);
  closing_ = false;
  if (keepOpen) return false;
  closeAccepted_ = true;
  // At the session's end the window goes on WM_ENDSESSION, after every program agreed.
  if (reason != CloseReason::SessionEnd) DestroyWindow(window_);
  return true;
}

// ---- Messages ----

void Form1Window::OnColorFieldKillFocus(int index, HWND newFocus) {
  // Only a move to another control of this window takes the edit: a message box, a
  // dialog or another program taking the focus does not.
  if (!newFocus || !IsChild(window_, newFocus)) return;
  Raise(&Form1Events::txtColors_LostFocus, index);
}

void Form1Window::OnCommand(int id, int code, HWND control) {
  if (control) {
    if (const ControlSpec* spec = controls_.SpecOf(id)) OnControlNotification(*spec, code);
    return;
  }
  // IDOK and IDCANCEL from Enter and Escape land here too and match no menu item.
  if (code == 0) OnMenuCommand(MenuCommandOf(id));
}

void Form1Window::OnControlNotification(const ControlSpec& spec, int code) {
  switch (spec.name) {
    case ControlName::txtColors:
      if (code == EN_CHANGE && fieldBeingSet_ != Control(spec.name, spec.index)) {
        Raise(&Form1Events::txtColors_Change, spec.index);
      }
      break;
    case ControlName::txtTransformTitle:
      if (code == EN_CHANGE && fieldBeingSet_ != Control(spec.name)) {
        Raise(&Form1Events::txtTransformTitle_Change);
      }
      break;
    case ControlName::cmdBrows:
      if (code == BN_CLICKED) {
        Raise(&Form1Events::cmdBrows_Click, spec.index);
      }
      break;
    case ControlName::List1:
      if (code == LBN_SELCHANGE && list_.SelectionMoved()) RaiseList1Click();
      break;
    default:
      break;
  }
}

void Form1Window::OnMenuCommand(MenuCommand command) {
  const MenuHandler handler = HandlerOf(command);
  if (!handler) return;
  Raise(handler);
}

void Form1Window::OnMenuDropDown(HMENU menu) {
  for (const MenuSpec& spec : Form1Menus()) {
    if (spec.level != 0 || menu != DropDownMenu(GetMenu(window_), spec.name)) continue;
    if (const MenuHandler handler = DropDownHandlerOf(spec.name)) Raise(handler);
    return;
  }
}

void Form1Window::OnDropFiles(HDROP drop) {
  std::vector<std::wstring> paths;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
    paths.push_back(std::move(path));
  }
  DragFinish(drop);
  if (paths.empty()) return;
  Raise(&Form1Events::Form_FilesDropped, paths);
}

void Form1Window::OnDpiChanged(UINT dpi, const RECT& suggested) {
  dpi_ = dpi;
  auto fonts = std::make_unique<WindowFonts>(dpi_, language_);
  std::swap(fonts, fonts_);  // the old fonts go only after nothing uses them
  SetWindowPos(window_, nullptr, suggested.left, suggested.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  PlaceAll();
}

bool Form1Window::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_LISTBOX || item.hwndItem != Control(ControlName::List1)) return false;
  const int index = static_cast<int>(item.itemID);
  const std::optional<ColorArray> colors = index >= 0 && entryColors_ ? entryColors_(index) : std::nullopt;
  DrawThemeListEntry(item, index >= 0 ? list_.Item(index) : std::wstring(), colors, dpi_);
  return true;
}

LRESULT Form1Window::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      window_ = window;
      break;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_INITMENUPOPUP:
      if (!HIWORD(lParam)) OnMenuDropDown(reinterpret_cast<HMENU>(wParam));  // not the system menu
      return 0;
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_CLOSE:  // the close box, the system menu and Alt+F4
      CloseFor(CloseReason::CloseBox);
      return 0;
    case WM_QUERYENDSESSION:
      return CloseFor(CloseReason::SessionEnd) ? TRUE : FALSE;
    case WM_ENDSESSION:
      // The close ran on WM_QUERYENDSESSION; whether or not the session really ends,
      // the window has answered it and goes without asking again.
      if (closeAccepted_) DestroyWindow(window);
      return 0;
    case WM_ACTIVATE:
      if (focus_.OnActivate(window, wParam)) return 0;
      break;
    case WM_DELETEITEM:
      // An owner-drawn list box tells its parent of every entry it lets go: 100,000 at
      // the close or at File > open with a large store. Nothing is kept per entry, so
      // the answer comes at once: under Wine the default handling made the window's
      // end with 100,000 entries take 93 ms rather than 77 (a plain list box: 11).
      return TRUE;
    case WM_DRAWITEM:
      if (OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_DPICHANGED:
      OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_DESTROY:
      // The controls still exist: their names go before they do.
      names_.Clear();
      break;
    case WM_NCDESTROY:
      window_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
