#pragma once
// Which handler each menu item raises: one table for the Windows toolkit, which turns a
// chosen item into its handler, and for the tests' fake, which chooses items by handler.
#include "ui/form1_events.h"
#include "ui/layout.h"

using MenuHandler = void (Form1Events::*)();

// nullptr for MenuCommand::None.
MenuHandler HandlerOf(MenuCommand command);
// MenuCommand::None for a handler that is no menu item's.
MenuCommand CommandOf(MenuHandler handler);
// Whether the item is one of the Theme menu's, which is opened (raising mnColor_Click)
// before one of them is chosen.
bool IsThemeMenuItem(MenuCommand command);
