#pragma once
// The thin toolkit layer: what the main window's logic may do to its controls and to
// the modal windows. Only standard types cross it.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "huebrook_version.h"
#include "settings/color_slots.h"
#include "ui/form1_events.h"
#include "ui/layout.h"
#include "ui/preview_surface.h"
#include "ui/texts.h"

// The number comes from the project's version, as the exe's version resource does; the
// α says the program is still being tried out.
inline constexpr wchar_t kProgramTitle[] = L"Huebrook Ver" HUEBROOK_VERSION_TEXT L"α";

// A message box's style: one button set, plus the exclamation icon when wanted
// (YesNoCancel | Exclamation is the system's 51). The numbers are the system's own.
enum class MsgBoxStyle : int {
  OKOnly = 0,
  OKCancel = 1,
  YesNoCancel = 3,
  YesNo = 4,
  Exclamation = 48,
};
constexpr MsgBoxStyle operator|(MsgBoxStyle buttons, MsgBoxStyle icon) {
  return static_cast<MsgBoxStyle>(static_cast<int>(buttons) | static_cast<int>(icon));
}

// The button that closed a message box, numbered as the system numbers it.
enum class MsgBoxAnswer : int {
  OK = 1,
  Cancel = 2,
  Yes = 6,
  No = 7,
};

// How the colour chooser opens. The numbers are the system's own.
enum class ColorChooserFlags : int {
  RGBInit = 1,   // on the colour given
  FullOpen = 2,  // with the custom-colour part shown
};
constexpr ColorChooserFlags operator|(ColorChooserFlags a, ColorChooserFlags b) {
  return static_cast<ColorChooserFlags>(static_cast<int>(a) | static_cast<int>(b));
}

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
  // The language of the window's captions and menus, chosen when it was built; the
  // logic shows its messages, names and drawings in the same one.
  virtual Language InterfaceLanguage() = 0;

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
  // These entries added at the end, in order, in one go; the selection stays; raises
  // nothing.
  virtual void ListAppendAll(const std::vector<std::wstring_view>& entries) = 0;
  virtual void ListRemove(int index) = 0;
  // An entry put in before entry `index` (at the end for ListCount()); raises nothing.
  virtual void ListInsert(int index, const std::wstring& text) = 0;
  // What each entry's theme strip shows: the colours behind entry `index` (entry 0: the
  // current colours), asked for whenever the entry is drawn, so only the entries on the
  // screen are ever asked; nullopt draws no strip. Given once by the logic; an empty
  // function takes it back.
  using ListEntryColors = std::function<std::optional<ColorArray>(int index)>;
  virtual void SetListEntryColors(ListEntryColors colorsOf) = 0;
  // The colours behind entry `index` changed: its strip is drawn again.
  virtual void RedrawListEntry(int index) = 0;

  // Picture1.
  virtual PreviewSurface& Preview() = 0;

  // Modal message box owned by the main window, with the program's title as caption.
  virtual MsgBoxAnswer MsgBox(const std::wstring& prompt, MsgBoxStyle style) = 0;

  // The colour chooser opened on `initial`; nullopt when cancelled or failed.
  virtual std::optional<Color> ChooseColor(Color initial, ColorChooserFlags flags) = 0;

  // The file dialogs; `filter` in "description|pattern|..." form, `fileName` the name
  // to start with. nullopt when cancelled or failed.
  virtual std::optional<std::wstring> ShowFileDialog(FileDialogKind kind, const std::wstring& filter,
                                                     const std::wstring& fileName) = 0;

  // the input box.
  virtual InputBoxView& InputBoxDialogView() = 0;

  // Greys a menu item out, or lets it be chosen again.
  virtual void SetMenuItemEnabled(MenuCommand item, bool enabled) = 0;
  // A menu item's caption ("&" before its access key, a tab before its shortcut).
  virtual void SetMenuItemText(MenuCommand item, const std::wstring& caption) = 0;

  // Asks for the close of the main window from the program itself: the toolkit runs
  // Form_QueryUnload(CloseReason::Program) and closes the window unless it returns true.
  virtual void RequestClose() = 0;

 protected:
  ~Form1View() = default;
};
