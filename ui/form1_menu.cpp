#include "ui/form1_menu.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<MenuCommand, MenuHandler>, 12> kMenuHandlers = {{
    {MenuCommand::mnOpen, &Form1Events::mnOpen_Click},
    {MenuCommand::mnSave, &Form1Events::mnSave_Click},
    {MenuCommand::mnQuit, &Form1Events::mnQuit_Click},
    {MenuCommand::mnNewTheme, &Form1Events::mnNewTheme_Click},
    {MenuCommand::mnDup, &Form1Events::mnDup_Click},
    {MenuCommand::mnRename, &Form1Events::mnRename_Click},
    {MenuCommand::mnDelete, &Form1Events::mnDelete_Click},
    {MenuCommand::mnInit, &Form1Events::mnInit_Click},
    {MenuCommand::mnExportTheme, &Form1Events::mnExportTheme_Click},
    {MenuCommand::mnAddThemes, &Form1Events::mnAddThemes_Click},
    {MenuCommand::mnUndo, &Form1Events::mnUndo_Click},
    {MenuCommand::mnRedo, &Form1Events::mnRedo_Click},
}};

// The menus that tell the logic when they drop down, so it can grey or name their items.
constexpr std::array<std::pair<std::wstring_view, MenuHandler>, 2> kDropDownHandlers = {{
    {L"mnColor", &Form1Events::mnColor_Click},
    {L"mnEdit", &Form1Events::mnEdit_Click},
}};

}  // namespace

MenuHandler HandlerOf(MenuCommand command) {
  for (const auto& [item, handler] : kMenuHandlers) {
    if (item == command) return handler;
  }
  return nullptr;
}

MenuCommand CommandOf(MenuHandler handler) {
  for (const auto& [item, itemHandler] : kMenuHandlers) {
    if (itemHandler == handler) return item;
  }
  return MenuCommand::None;
}

std::vector<MenuHandler> MenuItemHandlers() {
  std::vector<MenuHandler> handlers;
  for (const MenuSpec& item : Form1Menus()) {
    if (const MenuHandler handler = HandlerOf(item.command)) handlers.push_back(handler);
  }
  return handlers;
}

MenuHandler DropDownHandlerOf(std::wstring_view menuName) {
  for (const auto& [name, handler] : kDropDownHandlers) {
    if (name == menuName) return handler;
  }
  return nullptr;
}

MenuHandler DropDownBefore(MenuCommand command) {
  if (command == MenuCommand::None) return nullptr;
  std::wstring_view menu;
  for (const MenuSpec& item : Form1Menus()) {
    if (item.level == 0) menu = item.name;
    if (item.command == command) return DropDownHandlerOf(menu);
  }
  return nullptr;
}
