#include "ui/form1_menu.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<MenuCommand, MenuHandler>, 10> kMenuHandlers = {{
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

bool IsThemeMenuItem(MenuCommand command) {
  bool inThemeMenu = false;
  for (const MenuSpec& item : Form1Menus()) {
    if (item.level == 0) inThemeMenu = std::wstring_view(item.name) == L"mnColor";
    if (inThemeMenu && item.command == command && command != MenuCommand::None) return true;
  }
  return false;
}
