// The theme store on disk: lirvacolors.ini beside the program, and theme files of the
// user's choice in the same format.
#include "themes/theme_store.h"

#include <iterator>
#include <utility>

#include "platform/file_snapshot.h"
#include "platform/platform.h"
#include "platform/text_file.h"
#include "themes/theme_store_reader.h"

namespace {

Theme CurrentSettingsEntry(const SettingsRecord& current, const wchar_t* name) {
  Theme entry;
  entry.Name = name;
  entry.Colors = current.Colors;
  entry.TransformTitle = current.TransformTitle;
  return entry;
}

void RefillListBox(const ThemeList& list, ThemeListBox& listBox) {
  listBox.ClearList();
  for (const Theme& theme : list) listBox.AppendListEntry(theme.Name);
}

}  // namespace

std::wstring ThemeStorePath() {
  return platform::PathInFolder(platform::ProgramFolder(), kThemeStoreFileName);
}

ThemeFileRead ReadThemeFile(const std::wstring& path) {
  ThemeFileRead read;
  const platform::FileSnapshot file = platform::TakeSnapshot(path);
  read.Found = file.FileFound();
  read.Status = file.Status;
  read.AsRead = file.Fingerprint();
  if (file.HasBytes()) {
    ThemeStoreReader reader;
    ReadThemeStoreBytes(file.Bytes, reader);
    read.Themes = reader.TakeThemes();
  }
  return read;
}

void ReplaceThemeList(ThemeList& list, const SettingsRecord& current, ThemeListBox& listBox,
                      std::vector<Theme> themes, const wchar_t* currentSettingsName) {
  ThemeList replaced;
  replaced.reserve(themes.size() + 1);
  replaced.push_back(CurrentSettingsEntry(current, currentSettingsName));
  std::move(themes.begin(), themes.end(), std::back_inserter(replaced));
  list = std::move(replaced);
  RefillListBox(list, listBox);
}

platform::IoStatus LoadThemeStore(ThemeList& list, const SettingsRecord& current,
                                  ThemeListBox& listBox,
                                  const std::optional<std::wstring>& path) {
  // The whole file is read before anything changes, so a file that cannot be read
  // leaves the list and the list box as they were: a failed File > load costs the
  // user nothing. Only at start-up, when there is no list yet, entry 0 alone is
  // shown, so that the window still has its current-settings entry.
  ThemeFileRead read = ReadThemeFile(path ? *path : ThemeStorePath());
  if (!read.Status.ok() && !list.empty()) return read.Status;
  ReplaceThemeList(list, current, listBox, std::move(read.Themes));
  return read.Status;
}

platform::IoStatus SaveThemeStore(const ThemeList& list, const std::wstring& path) {
  return platform::WriteTextLines(path, WriteThemeStoreLines(list));
}
