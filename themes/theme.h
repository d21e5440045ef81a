#pragma once
// Named sets of the eighteen colours and TransformTitle.
#include <string>
#include <vector>

#include "settings/color_slots.h"

struct Theme {
  std::wstring Name;
  ColorArray Colors{};
  std::wstring TransformTitle;

  bool operator==(const Theme&) const = default;
};

// Entry 0 is always the current-settings entry; entries 1.. are the named themes.
// A position in the list box List1 is an index into this list.
using ThemeList = std::vector<Theme>;

// Removes entry k (k >= 1), keeping the order of the others; out of range does nothing.
void RemoveTheme(ThemeList& list, int k);
