// The text of a theme store: twenty lines for each named theme.
#include "settings/color_slots.h"
#include "themes/color_text.h"
#include "themes/theme_store.h"

std::vector<std::wstring> WriteThemeStoreLines(const ThemeList& list) {
  std::vector<std::wstring> lines;
  if (list.size() <= 1) return lines;
  lines.reserve((list.size() - 1) * (2 + kColorSlotCount));
  // Entry 0 mirrors the current settings, which setting.ini keeps; it is never stored.
  for (std::size_t i = 1; i < list.size(); ++i) {
    const Theme& theme = list[i];
    lines.push_back(L"[" + theme.Name + L"]");
    for (const ColorSlotInfo& info : kColorSlots) {
      std::wstring line = info.key;
      line += L"=&H";
      line += ColorToText(theme.Colors[info.slot]);
      lines.push_back(std::move(line));
    }
    std::wstring title(kTransformTitleKey);
    title += L'=';
    title += theme.TransformTitle;
    lines.push_back(std::move(title));
  }
  return lines;
}
