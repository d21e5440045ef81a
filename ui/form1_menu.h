#pragma once
// Which handler each menu item raises: one table for the Windows toolkit, which turns a
// chosen item into its handler, and for the simulated toolkit, which chooses items by handler.
#include <vector>

#include "ui/form1_events.h"
#include "ui/layout.h"

using MenuHandler = void (Form1Events::*)();

// nullptr for MenuCommand::None.
MenuHandler HandlerOf(MenuCommand command);
// MenuCommand::None for a handler that is no menu item's.
MenuCommand CommandOf(MenuHandler handler);
// Every menu item's handler, in the order the menus show the items.
std::vector<MenuHandler> MenuItemHandlers();
// Whether the item is one of the Theme menu's, which is opened (raising mnColor_Click)
// before one of them is chosen.
bool IsThemeMenuItem(MenuCommand command);
