#pragma once
// Every control and menu item of both windows, in one table each. Positions are in
// twips from the top-left corner of the client area (for Form1, below the menu bar).
// The Windows toolkit creates the controls by walking these tables in order, which is
// also the tab order; tests check the same tables against the real windows. Each table
// exists in both interface languages: the same controls in the same order, with the
// captions of the language; only labels are wider in English, as far as their field.
#include <span>

#include "ui/texts.h"

enum class ControlKind { ListBox, Picture, TextBox, Label, Button };

enum class ControlName {
  List1,
  Picture1,
  txtTransformTitle,
  Label2,
  Label1,
  txtColors,
  cmdBrows,
  txtInput,
  CancelButton,
  OKButton,
};

enum class ControlFont {
  Default,  // the program's user-interface font
  Gothic,   // "ＭＳ ゴシック" 9 pt, weight 400, character set 128
};

struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

struct TwipsSize {
  int width;
  int height;
};

struct ControlSpec {
  ControlKind kind;
  ControlName name;
  int index;  // index in its control array (the colour slot); -1 for a single control
  const wchar_t* caption;  // caption or initial text
  TwipsRect rect;
  int tabIndex;
  ControlFont font;
};

inline constexpr TwipsSize kForm1ClientSize{10575, 6045};
inline constexpr TwipsSize kInputBoxClientSize{2955, 1140};
inline constexpr wchar_t kGothicFace[] = L"ＭＳ ゴシック";
inline constexpr int kShiftJisCharset = 128;

// In rising tab index.
std::span<const ControlSpec> Form1Controls(Language language = Language::Japanese);
std::span<const ControlSpec> InputBoxControls(Language language = Language::Japanese);
// the input box's caption until its first use.
const wchar_t* InputBoxInitialCaption(Language language);

// The control with this name and array index; nullptr when the table has none.
const ControlSpec* FindControl(std::span<const ControlSpec> controls, ControlName name,
                               int index = -1);

// Picture1's outer size, which the preview draws in, as the table gives it.
TwipsSize PreviewSize();

// Whether the control can hold the focus: labels never do.
constexpr bool TakesFocus(ControlKind kind) { return kind != ControlKind::Label; }

// The commands of the menu bar; None for a drop-down menu or a separator.
enum class MenuCommand {
  None,
  mnOpen,
  mnSave,
  mnQuit,
  mnNewTheme,
  mnDup,
  mnRename,
  mnDelete,
  mnInit,
  mnExportTheme,
  mnAddThemes,
  mnUndo,
  mnRedo,  // the last one: menu_bar.cpp takes the ids up to it
};

struct MenuSpec {
  int level;  // 0: a drop-down menu of the bar; 1: an item of the menu above it
  const wchar_t* name;
  const wchar_t* caption;  // "&" marks the access key; "-" is a separator line
  MenuCommand command;
};

inline constexpr wchar_t kMenuSeparator[] = L"-";

// In menu order: each menu followed by its items.
std::span<const MenuSpec> Form1Menus(Language language = Language::Japanese);
