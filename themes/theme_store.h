#pragma once
// The theme store lirvacolors.ini, and theme text files in the same format.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/io_status.h"
#include "settings/settings_record.h"
#include "themes/theme.h"

// The list box that shows the theme list; refilled by LoadThemeStore.
class ThemeListBox {
 public:
  // Every entry replaced by these names, in order, with nothing selected. All in one
  // call, so that a list box can make room for them at once.
  virtual void ReplaceListEntries(const std::vector<std::wstring_view>& names) = 0;

 protected:
  ~ThemeListBox() = default;
};

// The theme store, beside the program.
inline constexpr wchar_t kThemeStoreFileName[] = L"lirvacolors.ini";

// The program's folder followed by "\lirvacolors.ini".
std::wstring ThemeStorePath();

// Rebuilds the list: entry 0 from the current values first, then the themes of the
// file (the store when no path is given); refills the list box with nothing selected.
// A missing file is no failure.
platform::IoStatus LoadThemeStore(ThemeList& list, const SettingsRecord& current,
                                  ThemeListBox& listBox,
                                  const std::optional<std::wstring>& path = std::nullopt);

// Writes entries 1.. safely; a list with entry 0 only gives an empty file.
platform::IoStatus SaveThemeStore(const ThemeList& list, const std::wstring& path);

// Text cores: the named themes read from lines, and the lines written for entries 1..
std::vector<Theme> ReadThemeStoreLines(const std::vector<std::wstring>& lines);
std::vector<std::wstring> WriteThemeStoreLines(const ThemeList& list);
