#include "settings/settings_keys.h"

const SettingsKey* FindSettingsKey(std::wstring_view key) {
  for (const SettingsKey& row : kSettingsKeys) {
    switch (row.kind) {
      case SettingsKeyKind::OtoList:
        break;
      case SettingsKeyKind::History:
        if (key.starts_with(row.key)) return &row;
        break;
      case SettingsKeyKind::Colors:
        if (FindColorSlot(key)) return &row;
        break;
      case SettingsKeyKind::Flag:
      case SettingsKeyKind::Integer:
      case SettingsKeyKind::Text:
        if (key == row.key) return &row;
        break;
    }
  }
  return nullptr;
}

std::optional<ColorSlot> FindColorSlot(std::wstring_view key) {
  for (const ColorSlotInfo& info : kColorSlots) {
    if (key == info.key) return info.slot;
  }
  return std::nullopt;
}
