#pragma once
// the input box's window: built from its layout table each time it is shown and
// taken down when it closes. Neither Enter nor Escape closes it; only its buttons (and
// the title bar's close control, which raises no handler) do.
#include "ui/win32/win32.h"

#include <memory>
#include <string>

#include "ui/form1_view.h"
#include "ui/win32/accessible_names.h"
#include "ui/win32/control_set.h"
#include "ui/win32/focus_keeper.h"
#include "ui/win32/handles.h"

class InputBoxWindow final : public InputBoxView {
 public:
  static constexpr const wchar_t* kClassName = L"HuebrookInputBox";

  explicit InputBoxWindow(Language language = Language::Japanese);
  ~InputBoxWindow();
  InputBoxWindow(const InputBoxWindow&) = delete;
  InputBoxWindow& operator=(const InputBoxWindow&) = delete;

  void SetCaption(const std::wstring& caption) override;
  void SetInputText(const std::wstring& text) override;
  std::wstring InputText() override;
  void SetInputSelection(int start, int length) override;
  void ShowModal(WindowRef owner, InputBoxEvents& events) override;
  void Close() override;

  // The open dialog's window (nullptr while closed) and its controls, for tests.
  HWND Handle() const { return window_.Get(); }
  HWND Control(ControlName name) const { return controls_.Find(name); }
  const AccessibleNames* Names() const { return names_.get(); }

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Build(HWND owner);
  void PlaceAll();
  void CentreOver(HWND owner);
  void OnCommand(int id, int code);

  static constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  static constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

  Language language_;
  UniqueWindow window_;
  HWND owner_ = nullptr;
  UINT dpi_ = 96;
  std::unique_ptr<WindowFonts> fonts_;
  ControlSet controls_;
  std::unique_ptr<AccessibleNames> names_;
  FocusKeeper focus_;
  InputBoxEvents* events_ = nullptr;
  bool open_ = false;
  // What the dialog shows, kept while no window exists.
  std::wstring caption_;
  std::wstring text_;
  int selectionStart_ = 0;
  int selectionLength_ = 0;
};
