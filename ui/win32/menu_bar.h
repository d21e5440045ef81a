#pragma once
// Form1's menu bar, built from the menu table. Item ids are kFirstMenuId plus the
// command, so WM_COMMAND maps straight back to it.
#include "ui/win32/win32.h"

#include "ui/layout.h"

inline constexpr int kFirstMenuId = 40000;

HMENU CreateForm1MenuBar(Language language);

// The command of a menu item id; MenuCommand::None for anything else.
MenuCommand MenuCommandOf(int id);

// The drop-down menu of the bar that the menu table names so ("mnColor"); nullptr when
// there is none.
HMENU DropDownMenu(HMENU bar, const wchar_t* name);
