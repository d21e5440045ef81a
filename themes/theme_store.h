#pragma once
// The theme store lirvacolors.ini, and theme text files in the same format.
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_snapshot.h"
#include "platform/io_status.h"
#include "settings/settings_record.h"
#include "themes/theme.h"
#include "themes/theme_store_reader.h"

// The theme store, beside the program.
inline constexpr wchar_t kThemeStoreFileName[] = L"lirvacolors.ini";

// The keys of a theme section are the eighteen colour keys of the slot table, then
// this one. The reader and the writer both walk them.
inline constexpr std::wstring_view kTransformTitleKey = L"TransformTitle";

// The program's folder followed by "\lirvacolors.ini".
std::wstring ThemeStorePath();

// A theme file as it was read: the named themes in file order, and what the file held.
struct ThemeFileRead {
  bool found = false;           // a file was there under the name
  platform::PathKind kind = platform::PathKind::Nothing;  // what was there
  platform::IoStatus status;    // not ok: it was there but could not be read, or was
                                // no plain file; no themes then
  platform::FileFingerprint asRead;  // not Present when no file was read
  std::vector<Theme> themes;
};
// Reads the whole file before anything changes. A missing file is no failure; a file
// too large to be a theme file, or one that needs more memory than there is, is one.
ThemeFileRead ReadThemeFile(const std::wstring& path, SectionsTaken taken = SectionsTaken::All);
// A theme file the user chose (File > load, Theme > add, a drop): unlike the store, one
// that is not there, or is a folder, is a failure.
ThemeFileRead ReadChosenThemeFile(const std::wstring& path, SectionsTaken taken);
// A chosen file whose themes are added to the list: only sections that set a colour or
// the title are themes there.
ThemeFileRead ReadThemeFileToAdd(const std::wstring& path);

// The list: entry 0 made from the current values and named `currentSettingsName` (the
// window's words for it, never written to a file), then `themes`.
ThemeList ListWithCurrentSettings(const SettingsRecord& current, std::vector<Theme> themes,
                                  std::wstring_view currentSettingsName);

// Rebuilds the list: entry 0 from the current values first, then the themes of the
// file (the store when no path is given). A missing file is no failure. A file that
// cannot be read leaves a list that has entries as it was.
platform::IoStatus LoadThemeStore(ThemeList& list, const SettingsRecord& current, std::wstring_view currentSettingsName,
                                  const std::optional<std::wstring>& path = std::nullopt);

// The store on disk since it was read as `asRead`, before it is written again. status
// not ok: something there cannot be read now, and is not written over either.
// changed: another program (a second Huebrook, a sync tool) wrote it meanwhile; a store
// that is gone has not changed in this sense.
struct StoreSinceRead {
  platform::IoStatus status;
  bool changed = false;
};
StoreSinceRead LookAtStoreSinceRead(const std::wstring& path, const platform::FileFingerprint& asRead);

// The names of these themes, in order, as the list box shows them.
std::vector<std::wstring_view> ThemeNames(std::span<const Theme> themes);

// Writes entries 1.. safely; a list with entry 0 only gives an empty file. `written`,
// when given, receives the fingerprint of the bytes written.
platform::IoStatus SaveThemeStore(const ThemeList& list, const std::wstring& path,
                                  platform::FileFingerprint* written = nullptr);

// A file name for a theme of this name, ".txt" added: every character Windows forbids
// in a file name becomes "_", trailing blanks and dots go, and a name that would be
// empty or a device name (CON, NUL, COM1, ...) is `unnamed` or gets a "_".
std::wstring ThemeFileNameFor(std::wstring_view themeName, std::wstring_view unnamed);

// Text cores: the named themes read from lines, and the lines written for entries 1..
std::vector<Theme> ReadThemeStoreLines(const std::vector<std::wstring>& lines);
std::vector<std::wstring> WriteThemeStoreLines(const ThemeList& list);
// The same lines one at a time, without a list of them all.
using ThemeStoreLineSink = std::function<void(std::wstring_view line)>;
void WriteThemeStoreLines(const ThemeList& list, const ThemeStoreLineSink& lines);
