#include "ui/win32/menu_bar.h"

#include <string_view>

HMENU CreateForm1MenuBar(Language language) {
  const HMENU bar = CreateMenu();
  HMENU dropDown = nullptr;
  for (const MenuSpec& item : Form1Menus(language)) {
    if (item.level == 0) {
      dropDown = CreatePopupMenu();
      AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(dropDown), item.caption);
    } else if (item.command == MenuCommand::None) {
      AppendMenuW(dropDown, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuW(dropDown, MF_STRING, kFirstMenuId + static_cast<int>(item.command), item.caption);
    }
  }
  return bar;
}

MenuCommand MenuCommandOf(int id) {
  const int command = id - kFirstMenuId;
  if (command <= static_cast<int>(MenuCommand::None) ||
      command > static_cast<int>(MenuCommand::mnRedo)) {
    return MenuCommand::None;
  }
  return static_cast<MenuCommand>(command);
}

HMENU DropDownMenu(HMENU bar, const wchar_t* name) {
  int position = 0;
  for (const MenuSpec& item : Form1Menus()) {
    if (item.level != 0) continue;
    if (std::wstring_view(item.name) == name) return GetSubMenu(bar, position);
    ++position;
  }
  return nullptr;
}
