#pragma once
// The thin toolkit layer: what the main window's logic may do to its controls and to
// the modal windows. Only standard types cross it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/color_slots.h"
#include "ui/form1_events.h"
#include "ui/preview_surface.h"

inline constexpr wchar_t kProgramTitle[] = L"Huebrook Ver0.9.2α";

// Message box styles (buttons + icon) and answers.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbYesNoCancel = 3;
inline constexpr int vbYesNo = 4;
inline constexpr int vbExclamation = 48;
inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

// Colour chooser flags: initial colour given (1), custom-colour part open (2).
inline constexpr int cdlCCRGBInit = 1;
inline constexpr int cdlCCFullOpen = 2;

enum class FileDialogKind {
  Open,  // the chosen file must exist; no read-only check box
  Save,  // ask before replacing an existing file
};

// The window that owns a modal dialog, as the toolkit knows it.
struct WindowRef {
  void* handle = nullptr;
};

class InputBoxView {
 public:
  virtual void SetCaption(const std::wstring& caption) = 0;
  virtual void SetInputText(const std::wstring& text) = 0;
  virtual std::wstring InputText() = 0;
  // Selection of txtInput in characters.
  virtual void SetInputSelection(int start, int length) = 0;
  // Shows the dialog modally over `owner`; returns once it has closed. While it is
  // open the toolkit raises OKButton_Click / CancelButton_Click on `events`; the
  // title bar's close control closes it without raising either.
  virtual void ShowModal(WindowRef owner, InputBoxEvents& events) = 0;
  // Closes the dialog from one of its own handlers.
  virtual void Close() = 0;

 protected:
  ~InputBoxView() = default;
};

class Form1View {
 public:
  virtual WindowRef Window() = 0;

  // txtColors(i) and txtTransformTitle. Setting raises the change handler.
  virtual std::wstring ColorFieldText(int index) = 0;
  virtual void SetColorFieldText(int index, const std::wstring& text) = 0;
  virtual std::wstring TransformTitleText() = 0;
  virtual void SetTransformTitleText(const std::wstring& text) = 0;

  // List1. Setting the index raises List1_Click when it changes.
  virtual int ListIndex() = 0;  // -1: nothing selected
  virtual void SetListIndex(int index) = 0;
  virtual int ListCount() = 0;
  virtual std::wstring ListItem(int index) = 0;
  virtual void SetListItem(int index, const std::wstring& text) = 0;
  virtual void ListClear() = 0;
  virtual void ListAdd(const std::wstring& text) = 0;
  // Every entry replaced by these, in order, with nothing selected; raises nothing.
  virtual void ListReplaceAll(const std::vector<std::wstring_view>& entries) = 0;
  virtual void ListRemove(int index) = 0;

  // Picture1.
  virtual PreviewSurface& Preview() = 0;

  // Modal message box owned by the main window, with the program's title as caption.
  // style: vbOKOnly / vbOKCancel / vbYesNoCancel / vbYesNo plus vbExclamation.
  // Returns vbOK, vbCancel, vbYes or vbNo.
  virtual int MsgBox(const std::wstring& prompt, int style) = 0;

  // The colour chooser opened on `initial`; nullopt when cancelled or failed.
  virtual std::optional<Color> ChooseColor(Color initial, int flags) = 0;

  // The file dialogs; `filter` in "description|pattern|..." form, `fileName` the name
  // to start with. nullopt when cancelled or failed.
  virtual std::optional<std::wstring> ShowFileDialog(FileDialogKind kind, const std::wstring& filter,
                                                     const std::wstring& fileName) = 0;

  // The name dialog.
  virtual InputBoxView& InputBoxDialogView() = 0;

  // Asks for the close of the main window from the program itself: the toolkit runs
  // Form_QueryUnload(1) and closes the window unless it returns true.
  virtual void RequestClose() = 0;

 protected:
  ~Form1View() = default;
};
