#include "themes/theme_ops.h"

#include "themes/color_text.h"

namespace {

bool IsThemeIndex(const ThemeList& list, int index) {
  return index >= 0 && index < static_cast<int>(list.size());
}

bool IsSlot(int slot) { return slot >= 0 && slot < kColorSlotCount; }

}  // namespace

void StoreIntoTheme(ThemeList& list, const SettingsRecord& current, int index,
                    ThemeWindow& window) {
  if (!IsThemeIndex(list, index)) return;
  Theme& theme = list[index];
  theme.Colors = current.Colors;
  theme.TransformTitle = current.TransformTitle;
  window.SetThemeListChanged();
}

void TakeThemeValues(SettingsRecord& current, const Theme& theme) {
  current.Colors = theme.Colors;
  current.TransformTitle = theme.TransformTitle;
}

void LoadFromTheme(const ThemeList& list, SettingsRecord& current, int index,
                   ThemeWindow& window) {
  if (!IsThemeIndex(list, index)) return;
  TakeThemeValues(current, list[index]);
  window.FillColorFields();
}

// An out-of-range slot has no field to read, so the window is not asked at all.
void ApplyColorField(SettingsRecord& current, int slot, ThemeWindow& window) {
  if (!IsSlot(slot)) return;
  current.Colors[slot] = TextToColor(window.ColorFieldText(slot));
  window.RedrawPreview();
}

void CommitColorField(SettingsRecord& current, int slot, ThemeWindow& window) {
  if (!IsSlot(slot)) return;
  const Color value = LiftColor(TextToColor(window.ColorFieldText(slot)));
  window.SetColorFieldText(slot, ColorToText(value));
  // All 32 bits are kept, so seven typed digits store more than the field shows.
  current.Colors[slot] = value;
}
