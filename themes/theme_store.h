#pragma once
// The theme store lirvacolors.ini, and theme text files in the same format.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_snapshot.h"
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

// The keys of a theme section are the eighteen colour keys of the slot table, then
// this one. The reader and the writer both walk them.
inline constexpr std::wstring_view kTransformTitleKey = L"TransformTitle";

// The program's folder followed by "\lirvacolors.ini".
std::wstring ThemeStorePath();

// A theme file as it was read: the named themes in file order, and what the file held.
struct ThemeFileRead {
  bool Found = false;           // a file was there under the name
  platform::IoStatus Status;    // not ok: it was there but could not be read, or was
                                // no plain file; no themes then
  platform::FileFingerprint AsRead;  // not Present when no file was read
  std::vector<Theme> Themes;
};
// Reads the whole file before anything changes. A missing file is no failure.
ThemeFileRead ReadThemeFile(const std::wstring& path);
// The same for a file whose themes are added to the list (Theme > add, a drop, the
// command line's /add): only the sections with a line that sets a colour or the title.
ThemeFileRead ReadThemeFileToAdd(const std::wstring& path);

// The list becomes entry 0 from the current values, then `themes`; the list box is
// refilled with nothing selected. Entry 0 is named as the window's language calls the
// current settings; the name is never written to a file.
void ReplaceThemeList(ThemeList& list, const SettingsRecord& current, ThemeListBox& listBox,
                      std::vector<Theme> themes, const wchar_t* currentSettingsName = kCurrentSettingsName);

// Rebuilds the list: entry 0 from the current values first, then the themes of the
// file (the store when no path is given); refills the list box with nothing selected.
// A missing file is no failure.
platform::IoStatus LoadThemeStore(ThemeList& list, const SettingsRecord& current,
                                  ThemeListBox& listBox,
                                  const std::optional<std::wstring>& path = std::nullopt);

// Writes entries 1.. safely; a list with entry 0 only gives an empty file.
platform::IoStatus SaveThemeStore(const ThemeList& list, const std::wstring& path);

// The store as it is now, against what was read from it (`asRead`), before it is
// written over. Status not ok: something there cannot be read now, and is not written
// over either. Changed: another program (a second Huebrook, a sync tool) wrote it
// meanwhile; a store that is gone has not changed in this sense.
struct StoreSinceRead {
  platform::IoStatus Status;
  bool Changed = false;
};
StoreSinceRead LookAtStoreSinceRead(const std::wstring& path, const platform::FileFingerprint& asRead);

// Text cores: the named themes read from lines, and the lines written for entries 1..
std::vector<Theme> ReadThemeStoreLines(const std::vector<std::wstring>& lines);
std::vector<std::wstring> WriteThemeStoreLines(const ThemeList& list);
// The same lines one at a time, without a list of them all.
using ThemeStoreLineSink = std::function<void(std::wstring_view line)>;
void WriteThemeStoreLines(const ThemeList& list, const ThemeStoreLineSink& lines);
