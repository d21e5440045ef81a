#include "themes/theme_ops.h"

#include "themes/color_text.h"

namespace {

bool IsThemeIndex(const ThemeList& list, int index) {
  return index >= 0 && index < static_cast<int>(list.size());
}

bool IsSlot(int slot) { return slot >= 0 && slot < kColorSlotCount; }

}  // namespace

bool StoreIntoTheme(ThemeList& list, const SettingsRecord& current, int index) {
  if (!IsThemeIndex(list, index)) return false;
  Theme& theme = list[static_cast<std::size_t>(index)];
  theme.Colors = current.Colors;
  theme.TransformTitle = current.TransformTitle;
  return true;
}

bool LoadFromTheme(const ThemeList& list, SettingsRecord& current, int index) {
  if (!IsThemeIndex(list, index)) return false;
  TakeThemeValues(current, list[static_cast<std::size_t>(index)]);
  return true;
}

void TakeThemeValues(SettingsRecord& current, const Theme& theme) {
  current.Colors = theme.Colors;
  current.TransformTitle = theme.TransformTitle;
}

bool ApplyColorField(SettingsRecord& current, int slot, std::wstring_view fieldText) {
  if (!IsSlot(slot)) return false;
  current.Colors[slot] = TextToColor(fieldText);
  return true;
}

std::optional<Color> CommitColorField(SettingsRecord& current, int slot, std::wstring_view fieldText) {
  if (!IsSlot(slot)) return std::nullopt;
  // All 32 bits are kept, so seven typed digits store more than the field shows.
  const Color value = LiftColor(TextToColor(fieldText));
  current.Colors[slot] = value;
  return value;
}
