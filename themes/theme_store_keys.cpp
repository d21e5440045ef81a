#include "themes/theme_store_keys.h"

#include <array>

#include "settings/color_slots.h"

namespace {

// The slot table's keys as views, measured once rather than on every line.
std::array<std::wstring_view, kColorSlotCount> ColorKeyViews() {
  std::array<std::wstring_view, kColorSlotCount> keys;
  for (const ColorSlotInfo& info : kColorSlots) keys[info.slot] = info.key;
  return keys;
}

}  // namespace

int ThemeFieldOfKey(std::wstring_view key, int expected) {
  static const std::array<std::wstring_view, kColorSlotCount> keys = ColorKeyViews();
  // Files we wrote list the keys in slot order, so the slot after the previous line's
  // is nearly always the one.
  if (expected >= 0 && expected < kColorSlotCount && key == keys[expected]) return expected;
  if (key == kTransformTitleKey) return kTransformTitleField;
  for (int slot = 0; slot < kColorSlotCount; ++slot) {
    if (key == keys[slot]) return slot;
  }
  return kUnknownField;
}
