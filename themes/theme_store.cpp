// The theme store on disk: lirvacolors.ini beside the program, and theme files of the
// user's choice in the same format.
#include "themes/theme_store.h"

#include <utility>

#include "platform/platform.h"
#include "platform/text_file.h"
#include "themes/theme_store_reader.h"

namespace {

Theme CurrentSettingsEntry(const SettingsRecord& current) {
  Theme entry;
  entry.Name = kCurrentSettingsName;
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

platform::IoStatus LoadThemeStore(ThemeList& list, const SettingsRecord& current,
                                  ThemeListBox& listBox,
                                  const std::optional<std::wstring>& path) {
  const std::wstring filePath = path ? *path : ThemeStorePath();

  ThemeList loaded;
  loaded.push_back(CurrentSettingsEntry(current));

  platform::IoStatus status = platform::IoStatus::Ok();
  if (platform::PlainFileExists(filePath)) {
    // The whole file is read before anything changes, so a file that cannot be read
    // leaves the list and the list box as they were: a failed File > load costs the
    // user nothing. Only at start-up, when there is no list yet, entry 0 alone is
    // shown, so that the window still has its current-settings entry.
    std::string bytes;
    status = platform::ReadFileBytes(filePath, bytes);
    if (!status.ok() && !list.empty()) return status;
    if (status.ok()) {
      ThemeStoreReader reader(std::move(loaded));
      // No host reads these files but us: one an editor saved as Unicode is read as
      // such (read as code-page bytes, it would lose its names or all its sections),
      // and written back in the code page like any other.
      const platform::UnicodeText unicode = platform::UnicodeEncodingOf(bytes);
      if (unicode == platform::UnicodeText::None) {
        ReadThemeStoreBytes(bytes, reader);
      } else {
        const std::wstring text = platform::DecodeUnicode(bytes, unicode);
        platform::ForEachLine(std::wstring_view(text), [&](std::wstring_view line) { reader.ReadLine(line); });
      }
      loaded = reader.TakeThemes();
    }
  }

  list = std::move(loaded);
  RefillListBox(list, listBox);
  return status;
}

platform::IoStatus SaveThemeStore(const ThemeList& list, const std::wstring& path) {
  // Each line goes into the file's bytes as it is made: a store of a million themes
  // costs its bytes, not twenty million strings first.
  std::string bytes;
  WriteThemeStoreLines(list, [&](std::wstring_view line) { platform::AppendLineCrlf(bytes, line); });
  return platform::WriteFileSafely(path, bytes);
}
