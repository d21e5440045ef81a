#pragma once
// Copies between the current settings (the settings record) and the theme list, and
// the reading of a colour field's text. Plain data: each operation says what it
// changed, and the window's logic shows it. An index or slot out of range changes
// nothing.
#include <optional>
#include <string_view>

#include "settings/settings_record.h"
#include "themes/theme.h"

// Current colours and TransformTitle -> theme `index`; the name stays. True when the
// theme was written (the list then holds a change).
bool StoreIntoTheme(ThemeList& list, const SettingsRecord& current, int index);

// Theme `index` -> current colours and TransformTitle. True when they were taken (the
// fields then have new values to show).
bool LoadFromTheme(const ThemeList& list, SettingsRecord& current, int index);
// The same from a theme at hand.
void TakeThemeValues(SettingsRecord& current, const Theme& theme);

// Used by the colour chooser: the field's text becomes the slot's colour as it
// stands, without lifting (the chooser lifted it). True when stored.
bool ApplyColorField(SettingsRecord& current, int slot, std::wstring_view fieldText);

// Used when an edited field loses the focus: the text is read and lifted, and the
// value stored, all 32 bits of it. The value, whose six-digit form the field shows
// from then on; nullopt for a slot out of range.
std::optional<Color> CommitColorField(SettingsRecord& current, int slot, std::wstring_view fieldText);
