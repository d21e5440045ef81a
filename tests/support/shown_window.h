#pragma once
// What the main window shows, as far as Edit > Undo puts it back: the list and its
// entries, the selection, the current values and the two changed-flags. The fields and
// the preview follow the current values, and are checked by what draws them.
#include <string>
#include <vector>

#include "settings/settings_record.h"
#include "tests/support/simulated_form1.h"
#include "themes/theme.h"
#include "ui/form1.h"

struct ShownWindow {
  ThemeList themes;
  std::vector<std::wstring> items;
  ColorArray colors{};
  std::wstring title;
  int selection = -1;
  int current = 0;
  bool settingsChanged = false;
  bool themeListChanged = false;
  bool operator==(const ShownWindow&) const = default;
};

inline ShownWindow ShownBy(const Form1& form, SimulatedForm1& view, const SettingsRecord& settings) {
  const Form1State& state = form.State();
  return {form.Themes(),     view.ListItems(),        settings.Colors,       settings.TransformTitle,
          view.ListIndex(),  state.CurrentThemeIndex, state.SettingsChanged, state.ThemeListChanged};
}
