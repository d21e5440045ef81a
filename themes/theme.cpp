#include "themes/theme.h"

void RemoveTheme(ThemeList& list, int k) {
  // Entry 0 is the current-settings entry and is never removed.
  if (k < 1 || k >= static_cast<int>(list.size())) return;
  list.erase(list.begin() + k);
}
