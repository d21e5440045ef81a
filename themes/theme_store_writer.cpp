// The text of a theme store: twenty lines for each named theme.
#include "settings/color_slots.h"
#include "themes/color_text.h"
#include "themes/theme_store.h"

void WriteThemeStoreLines(const ThemeList& list, const ThemeStoreLineSink& lines) {
  // One buffer for every line: a store of many themes costs no string per line.
  std::wstring line;
  // Entry 0 mirrors the current settings, which setting.ini keeps; it is never stored.
  for (std::size_t i = 1; i < list.size(); ++i) {
    const Theme& theme = list[i];
    line.assign(L"[");
    line += theme.Name;
    line += L']';
    lines(line);
    for (const ColorSlotInfo& info : kColorSlots) {
      line.assign(info.key);
      line += L"=&H";
      line += ColorToText(theme.Colors[info.slot]);
      lines(line);
    }
    line.assign(kTransformTitleKey);
    line += L'=';
    line += theme.TransformTitle;
    lines(line);
  }
}

std::vector<std::wstring> WriteThemeStoreLines(const ThemeList& list) {
  std::vector<std::wstring> lines;
  if (list.size() > 1) lines.reserve((list.size() - 1) * (2 + kColorSlotCount));
  WriteThemeStoreLines(list, [&](std::wstring_view line) { lines.emplace_back(line); });
  return lines;
}
