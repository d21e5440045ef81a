#pragma once
// Which handler each menu item raises: one table for the Windows toolkit, which turns a
// chosen item into its handler, and for the simulated toolkit, which chooses items by handler.
#include <string_view>
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
// The handler a menu raises when it drops down (mnColor_Click, mnEdit_Click), by the
// menu's name; nullptr for a menu that tells nothing.
MenuHandler DropDownHandlerOf(std::wstring_view menuName);
// The same for the menu an item is in: raised before the item can be chosen.
MenuHandler DropDownBefore(MenuCommand command);
