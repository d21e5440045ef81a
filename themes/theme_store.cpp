// The theme store on disk: lirvacolors.ini beside the program, and theme files of the
// user's choice in the same format.
#include "themes/theme_store.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
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

// The fewest bytes a section takes as SaveThemeStore writes it: an empty name, the
// eighteen colour lines and an empty TransformTitle, each line ended by CR LF.
constexpr std::size_t FewestSectionBytes() {
  std::size_t bytes = std::string_view("[]\r\n").size() + kTransformTitleKey.size() + std::string_view("=\r\n").size();
  for (const ColorSlotInfo& info : kColorSlots) {
    bytes += std::wstring_view(info.key).size() + std::string_view("=&H000000\r\n").size();
  }
  return bytes;
}

// Room for every theme of a store that we wrote, so that a large one fills the list
// without moving it again and again as it grows: every move takes memory that was
// never touched before, which costs more than reading the file. A hand-made store
// with shorter sections just grows the list further.
std::size_t ThemesToMakeRoomFor(const std::wstring& path) {
  const std::uint64_t sections = platform::FileSize(path) / FewestSectionBytes();
  return static_cast<std::size_t>(std::min<std::uint64_t>(sections, 1u << 24));
}

void RefillListBox(const ThemeList& list, ThemeListBox& listBox) {
  std::vector<std::wstring_view> names;
  names.reserve(list.size());
  for (const Theme& theme : list) names.push_back(theme.Name);
  listBox.ReplaceListEntries(names);
}

ThemeFileRead ReadThemeFileOf(const std::wstring& path, ThemeSections sections) {
  // The themes are read as the pieces of the file arrive, into a list with room for
  // all of them and for the entry 0 that ReplaceThemeList puts in front.
  ThemeList themes;
  themes.reserve(1 + ThemesToMakeRoomFor(path));
  ThemeStoreReader reader(std::move(themes), sections);
  ThemeStoreBytesReader bytes(reader);
  const platform::FileSnapshot file =
      platform::ReadSnapshotInPieces(path, [&bytes](std::string_view piece) { bytes.Feed(piece); });
  ThemeFileRead read;
  read.Found = file.FileFound();
  read.Status = file.Status;
  read.AsRead = file.Fingerprint();
  if (!file.HasBytes()) return read;
  bytes.Finish();
  if (bytes.Unicode() == platform::UnicodeText::None) {
    read.Themes = reader.TakeThemes();
    return read;
  }
  // No host reads these files but us: one an editor saved as Unicode is read as such
  // (read as code-page bytes, it would lose its names or all its sections), and written
  // back in the code page like any other. Such a file is read again, whole, to decode.
  const platform::FileSnapshot whole = platform::TakeSnapshot(path);
  read.Found = whole.FileFound();
  read.Status = whole.Status;
  read.AsRead = whole.Fingerprint();
  if (!whole.HasBytes()) return read;
  ThemeStoreReader unicodeReader({}, sections);
  const platform::UnicodeText unicode = platform::UnicodeEncodingOf(whole.Bytes);
  if (unicode == platform::UnicodeText::None) {
    ReadThemeStoreBytes(whole.Bytes, unicodeReader);  // saved in the code page meanwhile
  } else {
    const std::wstring text = platform::DecodeUnicode(whole.Bytes, unicode);
    platform::ForEachTextLine(text, [&unicodeReader](std::wstring_view line) { unicodeReader.ReadLine(line); });
  }
  read.Themes = unicodeReader.TakeThemes();
  return read;
}

}  // namespace

std::wstring ThemeStorePath() {
  return platform::PathInFolder(platform::ProgramFolder(), kThemeStoreFileName);
}

ThemeFileRead ReadThemeFile(const std::wstring& path) { return ReadThemeFileOf(path, ThemeSections::All); }

ThemeFileRead ReadThemeFileToAdd(const std::wstring& path) {
  return ReadThemeFileOf(path, ThemeSections::SettingAValue);
}

void ReplaceThemeList(ThemeList& list, const SettingsRecord& current, ThemeListBox& listBox,
                      std::vector<Theme> themes, const wchar_t* currentSettingsName) {
  // Entry 0 goes in front of the themes where they lie, in the room ReadThemeFile left
  // for it: a large store is not moved into a list of its own.
  themes.insert(themes.begin(), CurrentSettingsEntry(current, currentSettingsName));
  list = std::move(themes);
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
  // Each line goes into the file's bytes as it is made: a store of a million themes
  // costs its bytes, not twenty million strings first.
  std::string bytes;
  WriteThemeStoreLines(list, [&](std::wstring_view line) { platform::AppendLineCrlf(bytes, line); });
  return platform::WriteFileSafely(path, bytes);
}

StoreSinceRead LookAtStoreSinceRead(const std::wstring& path, const platform::FileFingerprint& asRead) {
  // Only its fingerprint is wanted: the bytes pass by without a copy of the whole store.
  const platform::FileSnapshot onDisk = platform::ReadSnapshotInPieces(path, [](std::string_view) {});
  StoreSinceRead since;
  since.Status = onDisk.Status;
  // Gone since it was read costs nothing to write again.
  since.Changed = onDisk.HasBytes() && onDisk.Fingerprint() != asRead;
  return since;
}
