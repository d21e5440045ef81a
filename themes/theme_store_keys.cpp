#include "themes/theme_store_keys.h"

#include "settings/color_slots.h"

int ThemeFieldOfKey(std::wstring_view key) {
  if (key == kTransformTitleKey) return kTransformTitleField;
  for (const ColorSlotInfo& info : kColorSlots) {
    if (key == info.key) return info.slot;
  }
  return kUnknownField;
}
