#pragma once
// One entry of List1 as the main window draws it (the list is owner-drawn and keeps its
// entries' texts): background, selection, name and focus rectangle as a plain list box
// draws them, and the theme strip (ui/theme_strip.h) before the name.
#include "ui/win32/win32.h"

#include <optional>
#include <string>

#include "settings/color_slots.h"

// On WM_DRAWITEM for an entry named `name` whose theme has `colors` (nullopt: no strip).
void DrawThemeListEntry(const DRAWITEMSTRUCT& item, const std::wstring& name,
                        const std::optional<ColorArray>& colors, UINT dpi);
