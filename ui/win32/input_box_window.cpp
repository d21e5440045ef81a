#include "ui/win32/input_box_window.h"

#include "ui/win32/dpi.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/window_proc.h"

namespace {

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

InputBoxWindow::InputBoxWindow(Language language)
    : language_(language), caption_(InputBoxInitialCaption(language)) {
  const ControlSpec* field = FindControl(InputBoxControls(language_), ControlName::txtInput);
  text_ = field ? field->caption : L"";
}

InputBoxWindow::~InputBoxWindow() { Close(); }

void InputBoxWindow::SetCaption(const std::wstring& caption) {
  caption_ = caption;
  if (window_.Get()) SetWindowTextW(window_.Get(), caption_.c_str());
}

void InputBoxWindow::SetInputText(const std::wstring& text) {
  text_ = text;
  if (window_.Get()) SetWindowTextW(Control(ControlName::txtInput), text_.c_str());
}

std::wstring InputBoxWindow::InputText() {
  if (window_.Get()) text_ = WindowText(Control(ControlName::txtInput));
  return text_;
}

void InputBoxWindow::SetInputSelection(int start, int length) {
  selectionStart_ = start;
  selectionLength_ = length;
  if (window_.Get()) {
    SendMessageW(Control(ControlName::txtInput), EM_SETSEL, static_cast<WPARAM>(start),
                 static_cast<LPARAM>(start + length));
  }
}

void InputBoxWindow::ShowModal(WindowRef owner, InputBoxEvents& events) {
  if (open_) return;
  const HWND ownerWindow = static_cast<HWND>(owner.handle);
  Build(ownerWindow);
  if (!window_.Get()) return;
  events_ = &events;
  open_ = true;
  if (owner_) EnableWindow(owner_, FALSE);
  ShowWindow(window_.Get(), SW_SHOW);
  SetFocus(Control(ControlName::txtInput));
  RunMessageLoopWhile(window_.Get(), open_);
  // The loop also ends when the window went away without Close (WM_QUIT, a
  // destroyed owner): leave everything as Close would.
  Close();
  events_ = nullptr;
}

void InputBoxWindow::Close() {
  if (!window_.Get()) return;
  InputText();
  open_ = false;
  // Enable the owner before the dialog goes, so the system activates the owner again.
  if (owner_) EnableWindow(owner_, TRUE);
  focus_.Forget();
  names_.reset();
  window_.Reset();
  fonts_.reset();
  owner_ = nullptr;
}

void InputBoxWindow::Build(HWND owner) {
  RegisterWindowClassOnce(kClassName, RoutedWindowProc<InputBoxWindow>,
                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  owner_ = owner;
  dpi_ = WindowDpi(owner);
  fonts_ = std::make_unique<WindowFonts>(dpi_, language_);
  const HWND window =
      CreateWindowExW(kExStyle, kClassName, caption_.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                      100, 100, owner, nullptr, GetModuleHandleW(nullptr), this);
  window_.Reset(window);
  if (!window) return;
  const UINT windowDpi = WindowDpi(window);
  if (windowDpi != dpi_) {
    dpi_ = windowDpi;
    fonts_ = std::make_unique<WindowFonts>(dpi_, language_);
  }
  controls_.Create(window, InputBoxControls(language_), dpi_, *fonts_);
  names_ = std::make_unique<AccessibleNames>();
  names_->Annotate(controls_, InputBoxControls(language_), language_);
  PlaceAll();
  SetInputText(text_);
  SetInputSelection(selectionStart_, selectionLength_);
  CentreOver(owner);
}

void InputBoxWindow::PlaceAll() {
  const SIZE client = TwipsToPixels(kInputBoxClientSize, dpi_);
  const SIZE outer = WindowSizeForClient(client, kStyle, kExStyle, false, dpi_);
  SetWindowPos(window_.Get(), nullptr, 0, 0, outer.cx, outer.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  controls_.Place(dpi_, *fonts_);
}

void InputBoxWindow::CentreOver(HWND owner) {
  RECT area{};
  if (!owner || !GetWindowRect(owner, &area)) {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  }
  RECT self{};
  GetWindowRect(window_.Get(), &self);
  const int width = self.right - self.left;
  const int height = self.bottom - self.top;
  int left = area.left + (area.right - area.left - width) / 2;
  int top = area.top + (area.bottom - area.top - height) / 2;
  // Keep the dialog on the owner's monitor even when the owner hangs over its edge.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (GetMonitorInfoW(MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST), &monitor)) {
    const RECT& work = monitor.rcWork;
    if (left + width > work.right) left = work.right - width;
    if (top + height > work.bottom) top = work.bottom - height;
    if (left < work.left) left = work.left;
    if (top < work.top) top = work.top;
  }
  SetWindowPos(window_.Get(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void InputBoxWindow::OnCommand(int id, int code) {
  const ControlSpec* spec = controls_.SpecOf(id);
  if (!spec || code != BN_CLICKED || !events_) return;
  // Raised through the events' interface, as the main window raises its own.
  const auto handler = spec->name == ControlName::OKButton       ? &InputBoxEvents::OKButton_Click
                       : spec->name == ControlName::CancelButton ? &InputBoxEvents::CancelButton_Click
                                                                 : nullptr;
  if (handler) (events_->*handler)();
}

LRESULT InputBoxWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      // IDOK and IDCANCEL, which Enter and Escape produce, match no control: ignored.
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CLOSE:
      // The title bar's close control: closes without either handler.
      Close();
      return 0;
    case WM_ACTIVATE:
      if (focus_.OnActivate(window, wParam)) return 0;
      break;
    case WM_DPICHANGED:
      dpi_ = LOWORD(wParam);
      {
        auto fonts = std::make_unique<WindowFonts>(dpi_, language_);
        std::swap(fonts, fonts_);
        PlaceAll();
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
