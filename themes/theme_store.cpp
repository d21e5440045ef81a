// The theme store on disk: lirvacolors.ini beside the program, and theme files of the
// user's choice in the same format.
#include "themes/theme_store.h"

#include <string_view>
#include <utility>

#include "platform/file_snapshot.h"
#include "platform/files.h"
#include "platform/program_folder.h"
#include "platform/text_file.h"
#include "themes/theme_store_reader.h"

namespace {

Theme CurrentSettingsEntry(const SettingsRecord& current, std::wstring_view name) {
  Theme entry;
  entry.Name = name;
  entry.Colors = current.Colors;
  entry.TransformTitle = current.TransformTitle;
  return entry;
}

}  // namespace

std::wstring ThemeStorePath() {
  return platform::PathInFolder(platform::ProgramFolder(), kThemeStoreFileName);
}

namespace {

ThemeFileRead ReadThemes(const std::wstring& path, SectionsTaken taken) {
  // The themes are read as the pieces of the file arrive. The list grows as they do:
  // the size the file claims is no promise, and room taken from it could be more than
  // the system has to give.
  ThemeStoreReader reader({}, taken);
  ThemeStoreBytesReader bytes(reader);
  const platform::FileSnapshot file =
      platform::ReadSnapshotInPieces(path, [&bytes](std::string_view piece) { bytes.Feed(piece); });
  ThemeFileRead read;
  read.found = file.FileFound();
  read.kind = file.kind;
  read.status = file.status;
  read.asRead = file.Fingerprint();
  if (!file.HasBytes()) return read;
  bytes.Finish();
  if (bytes.Unicode() == platform::UnicodeText::None) {
    read.themes = reader.TakeThemes();
    return read;
  }
  // No host reads these files but us: one an editor saved as Unicode is read as such
  // (read as code-page bytes, it would lose its names or all its sections), and written
  // back in the code page like any other. Such a file is read again, whole, to decode.
  const platform::FileSnapshot whole = platform::TakeSnapshot(path);
  read.found = whole.FileFound();
  read.kind = whole.kind;
  read.status = whole.status;
  read.asRead = whole.Fingerprint();
  if (!whole.HasBytes()) return read;
  ThemeStoreReader unicodeReader({}, taken);
  const platform::UnicodeText unicode = platform::UnicodeEncodingOf(whole.bytes);
  if (unicode == platform::UnicodeText::None) {
    ReadThemeStoreBytes(whole.bytes, unicodeReader);  // saved in the code page meanwhile
  } else {
    const std::wstring text = platform::DecodeUnicode(whole.bytes, unicode);
    platform::ForEachTextLine(text, [&unicodeReader](std::wstring_view line) { unicodeReader.ReadLine(line); },
                              platform::LineEnds::CrLfCrOrLf);
  }
  read.themes = unicodeReader.TakeThemes();
  return read;
}

}  // namespace

ThemeFileRead ReadThemeFile(const std::wstring& path, SectionsTaken taken) {
  ThemeFileRead read;
  // A file larger than any store is refused before reading; one that still needs more
  // memory than there is leaves nothing read, and the caller tells the user.
  read.status = platform::CatchingOutOfMemory([&] {
    read = ReadThemes(path, taken);
    return read.status;
  });
  if (!read.status.ok()) read.themes = {};
  return read;
}

ThemeFileRead ReadChosenThemeFile(const std::wstring& path, SectionsTaken taken) {
  ThemeFileRead read = ReadThemeFile(path, taken);
  // For the store a missing file is an empty one; a file the user chose that is gone,
  // or is a folder, is not.
  if (read.status.ok() && read.kind != platform::PathKind::PlainFile) read.status = platform::IoStatus::NoPlainFile(read.kind);
  return read;
}

ThemeFileRead ReadThemeFileToAdd(const std::wstring& path) {
  return ReadChosenThemeFile(path, SectionsTaken::OnlyThoseSettingAValue);
}

ThemeList ListWithCurrentSettings(const SettingsRecord& current, std::vector<Theme> themes,
                                  std::wstring_view currentSettingsName) {
  // Entry 0 goes in front of the themes where they lie: a large store is not copied
  // into a list of its own.
  themes.insert(themes.begin(), CurrentSettingsEntry(current, currentSettingsName));
  return themes;
}

platform::IoStatus LoadThemeStore(ThemeList& list, const SettingsRecord& current, std::wstring_view currentSettingsName,
                                  const std::optional<std::wstring>& path) {
  // The whole file is read before anything changes, so a file that cannot be read
  // leaves the list as it was: a failed File > load costs the user nothing. Only at
  // start-up, when there is no list yet, entry 0 alone is taken, so that the window
  // still has its current-settings entry.
  ThemeFileRead read = ReadThemeFile(path ? *path : ThemeStorePath());
  if (!read.status.ok() && !list.empty()) return read.status;
  list = ListWithCurrentSettings(current, std::move(read.themes), currentSettingsName);
  return read.status;
}

StoreSinceRead LookAtStoreSinceRead(const std::wstring& path, const platform::FileFingerprint& asRead) {
  // Only its fingerprint is wanted: the bytes pass by without a copy of the whole store.
  const platform::FileSnapshot onDisk = platform::ReadSnapshotInPieces(path, [](std::string_view) {});
  StoreSinceRead since;
  since.status = onDisk.status;
  // Gone since it was read costs nothing to write again.
  since.changed = onDisk.HasBytes() && onDisk.Fingerprint() != asRead;
  return since;
}

std::vector<std::wstring_view> ThemeNames(std::span<const Theme> themes) {
  std::vector<std::wstring_view> names;
  names.reserve(themes.size());
  for (const Theme& theme : themes) names.push_back(theme.Name);
  return names;
}

platform::IoStatus SaveThemeStore(const ThemeList& list, const std::wstring& path, platform::FileFingerprint* written) {
  // Each line goes into the file's bytes as it is made: a store of a million themes
  // costs its bytes, not twenty million strings first.
  std::string bytes;
  WriteThemeStoreLines(list, [&](std::wstring_view line) { platform::AppendLineCrlf(bytes, line); });
  platform::IoStatus status = platform::WriteFileSafely(path, bytes);
  if (status.ok() && written) *written = platform::FileFingerprint::Of(bytes);
  return status;
}

namespace {

bool ForbiddenInFileName(wchar_t c) {
  return c < 0x20 || std::wstring_view(L"<>:\"/\\|?*").find(c) != std::wstring_view::npos;
}

// CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9: Windows takes such a name, with any
// extension, for a device rather than a file.
bool IsDeviceName(std::wstring_view stem) {
  std::wstring upper;
  for (wchar_t c : stem.substr(0, stem.find(L'.'))) upper += (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c;
  if (upper == L"CON" || upper == L"PRN" || upper == L"AUX" || upper == L"NUL") return true;
  return upper.size() == 4 && (upper.starts_with(L"COM") || upper.starts_with(L"LPT")) && upper[3] >= L'1' &&
         upper[3] <= L'9';
}

}  // namespace

std::wstring ThemeFileNameFor(std::wstring_view themeName, std::wstring_view unnamed) {
  std::wstring stem(themeName);
  for (wchar_t& c : stem) {
    if (ForbiddenInFileName(c)) c = L'_';
  }
  while (!stem.empty() && (stem.back() == L' ' || stem.back() == L'.')) stem.pop_back();
  if (stem.empty()) stem = unnamed;
  if (IsDeviceName(stem)) stem += L'_';
  return stem + L".txt";
}
