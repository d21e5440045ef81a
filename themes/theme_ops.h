#pragma once
// Copies between the current settings (the settings record), the theme list and the
// window's colour fields. An index or slot out of range changes nothing.
#include "settings/settings_record.h"
#include "themes/theme.h"
#include "themes/theme_window.h"

// Current colours and TransformTitle -> theme `index`; sets ThemeListChanged.
void StoreIntoTheme(ThemeList& list, const SettingsRecord& current, int index, ThemeWindow& window);

// A theme's colours and TransformTitle become the current values: what choosing it in
// the list does, and what the command line's /apply writes.
void TakeThemeValues(SettingsRecord& current, const Theme& theme);

// Theme `index` -> current colours and TransformTitle; the window refills its fields.
void LoadFromTheme(const ThemeList& list, SettingsRecord& current, int index, ThemeWindow& window);

// Used by the colour chooser: the field's text becomes the slot's colour as it
// stands; the preview is redrawn.
void ApplyColorField(SettingsRecord& current, int slot, ThemeWindow& window);

// Used when an edited field loses the focus: the field's text is read, lifted,
// written back in six-digit form and stored (all 32 bits). No redraw.
void CommitColorField(SettingsRecord& current, int slot, ThemeWindow& window);
