#pragma once
// The main window over Win32: every control from the layout table, the menu bar, the
// preview's picture box and the modal dialogs. It turns window messages into the
// Form1Events handlers (WM_COMMAND is decoded here, once) and carries out what the
// logic asks through Form1View.
#include "ui/win32/win32.h"

#include <shellapi.h>

#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "ui/form1_view.h"
#include "ui/win32/accessible_names.h"
#include "ui/win32/control_set.h"
#include "ui/win32/focus_keeper.h"
#include "ui/win32/input_box_window.h"
#include "ui/win32/list_box.h"
#include "ui/win32/picture_box.h"

class Form1Window final : public Form1View {
 public:
  static constexpr const wchar_t* kClassName = L"HuebrookForm1";

  // Creates the window hidden, with every control and the menu bar, captioned in
  // `language`.
  explicit Form1Window(HICON icon = nullptr, Language language = Language::Japanese);
  ~Form1Window();
  Form1Window(const Form1Window&) = delete;
  Form1Window& operator=(const Form1Window&) = delete;

  void AttachEvents(Form1Events& events) { events_ = &events; }
  // Form_Load, before the window is first shown.
  void Load();
  // Shows the window centred on its screen, with List1 holding the focus.
  void ShowCentred();
  // Until the window has closed.
  void RunUntilClosed();
  // The loop's look at each message first: Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z anywhere in
  // the window are the program's Undo and Redo, unless a colour field that holds typing
  // not taken yet keeps them for itself. True when the key was taken.
  bool TranslateUndoKeys(const MSG& message);

  HWND Handle() const { return window_; }
  HWND Control(ControlName name, int index = -1) const { return controls_.Find(name, index); }
  InputBoxWindow& InputBox() { return inputBox_; }
  const AccessibleNames& Names() const { return names_; }
  GdiSurface& PreviewBitmap() { return picture_.Surface(); }
  UINT Dpi() const { return dpi_; }

  // Form1View.
  WindowRef Window() override { return {window_}; }
  Language InterfaceLanguage() override { return language_; }
  std::wstring ColorFieldText(int index) override;
  void SetColorFieldText(int index, const std::wstring& text) override;
  std::wstring TransformTitleText() override;
  void SetTransformTitleText(const std::wstring& text) override;
  int ListIndex() override { return list_.Index(); }
  void SetListIndex(int index) override;
  int ListCount() override { return list_.Count(); }
  std::wstring ListItem(int index) override { return list_.Item(index); }
  void SetListItem(int index, const std::wstring& text) override { list_.SetItem(index, text); }
  void ListClear() override { list_.Clear(); }
  void ListAdd(const std::wstring& text) override { list_.Add(text); }
  void ListReplaceAll(const std::vector<std::wstring_view>& entries) override { list_.ReplaceAll(entries); }
  void ListAppendAll(const std::vector<std::wstring_view>& entries) override { list_.AppendAll(entries); }
  void ListRemove(int index) override { list_.Remove(index); }
  void ListInsert(int index, const std::wstring& text) override { list_.Insert(index, text); }
  void SetListEntryColors(ListEntryColors colorsOf) override { entryColors_ = std::move(colorsOf); }
  void RedrawListEntry(int index) override { list_.RedrawItem(index); }
  PreviewSurface& Preview() override { return picture_.Surface(); }
  MsgBoxAnswer MsgBox(const std::wstring& prompt, MsgBoxStyle style) override;
  std::optional<Color> ChooseColor(Color initial, ColorChooserFlags flags) override;
  std::optional<std::wstring> ShowFileDialog(FileDialogKind kind, const std::wstring& filter,
                                             const std::wstring& fileName) override;
  InputBoxView& InputBoxDialogView() override { return inputBox_; }
  void SetMenuItemEnabled(MenuCommand item, bool enabled) override;
  void SetMenuItemText(MenuCommand item, const std::wstring& caption) override;
  void RequestClose() override;

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // From a colour field's subclass: field `index` lost the focus to `newFocus`.
  void OnColorFieldKillFocus(int index, HWND newFocus);

 private:
  static constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  static constexpr DWORD kExStyle = 0;

  void PlaceAll();
  void OnCommand(int id, int code, HWND control);
  void OnControlNotification(const ControlSpec& spec, int code);
  void OnMenuCommand(MenuCommand command);
  void OnMenuDropDown(HMENU menu);
  void OnDropFiles(HDROP drop);
  void RaiseList1Click();
  void OnDpiChanged(UINT dpi, const RECT& suggested);
  // An owner-drawn control's item is due; false for one this window does not draw.
  bool OnDrawItem(const DRAWITEMSTRUCT& item);
  // Runs Form_QueryUnload(reason); false when it refused the close.
  bool CloseFor(CloseReason reason);
  void SetFieldText(HWND field, const std::wstring& text);
  // Every handler is raised through here, as a member of the events' interface (as the
  // menu table names them); none once the logic has gone.
  template <typename Result, typename... Params, typename... Args>
  Result Raise(Result (Form1Events::*handler)(Params...), Args&&... args) {
    if (!events_) return Result();
    return (events_->*handler)(std::forward<Args>(args)...);
  }

  HWND window_ = nullptr;
  Language language_;
  UINT dpi_ = 96;
  Form1Events* events_ = nullptr;
  std::unique_ptr<WindowFonts> fonts_;
  PictureBox picture_;
  ControlSet controls_;
  AccessibleNames names_;
  FocusKeeper focus_;
  InputBoxWindow inputBox_;
  ListBox list_;
  // The colours behind each of List1's entries, asked for as they are drawn.
  ListEntryColors entryColors_;
  // A field whose text the program is setting: its own EN_CHANGE is not passed on,
  // the setter raises the handler itself, exactly once per set.
  HWND fieldBeingSet_ = nullptr;
  // Form_QueryUnload let the window close: never ask (or write) again.
  bool closeAccepted_ = false;
  bool closing_ = false;
  std::array<COLORREF, 16> customColors_{};
};
