#pragma once
// Reading and writing Lirva's setting.ini.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_snapshot.h"
#include "platform/io_status.h"
#include "settings/settings_record.h"

// The host's file, beside the program.
inline constexpr wchar_t kSettingsFileName[] = L"setting.ini";

// The program's folder followed by "\setting.ini".
std::wstring SettingsPath();

void SetStandardColors(SettingsRecord& s);
void SetDefaultSettings(SettingsRecord& s);

struct SettingsLoadResult {
  bool found = false;           // a file was there under the name
  platform::IoStatus status;    // not ok: it was there but could not be read (or was no
                                // plain file), or not as the host writes it (UTF-16,
                                // lines ended by LF alone); it must not be written over.
                                // The record then holds what the host would read from
                                // it: the defaults only for a file that could not be
                                // read or is UTF-16.
  platform::FileFingerprint asRead;  // what the file held; not Present when none was read
};

// The file names of the other programs that run from the program's folder: the host
// editor among them rewrites setting.ini when it exits, undoing colours written
// meanwhile. Both writers of setting.ini (the close and the command line) ask this.
using ProgramsRunningBeside = std::function<std::vector<std::wstring>()>;
std::vector<std::wstring> ProgramsRunningFromProgramFolder();

// Fills the record from setting.ini in the program's folder, with standard colours
// and defaults for whatever the file lacks. The record is usable whatever the result.
SettingsLoadResult LoadSettings(SettingsRecord& s);

// Writes the whole record into setting.ini in the program's folder, safely.
platform::IoStatus SaveSettings(const SettingsRecord& s);

// SaveSettings at the close, for a file that others may have written since it was
// read (`asRead`): when it changed, it is read again and written back with only the
// record's colours and TransformTitle put in, every other line as the file now has
// it. Something there that is not a plain file, or a file that cannot be read, is
// never written over. On success `asRead` becomes what was written.
platform::IoStatus SaveSettingsOverOthersChanges(const SettingsRecord& s, platform::FileFingerprint& asRead);

// The text cores of the two, for tests and for the file wrappers above.
// ReadSettingsLines assigns what the lines say on top of the record as it is (no
// defaults, no tool check: LoadSettings does those) and appends to History and
// OtherLines. OtoList lines are held when they would be written back unchanged:
// "OtoList", a position in plain decimal (no leading zero, at most 2147483647), "=",
// a value without a tab or a second "="; any other OtoList line, a line without "="
// and a line whose key is outside the key table go to OtherLines as they stand.
void ReadSettingsLines(SettingsRecord& s, const std::vector<std::wstring>& lines);
// One line of them.
void ReadSettingsLine(SettingsRecord& s, std::wstring_view line);
// The record's own lines in the fixed order, then OtherLines.
std::vector<std::wstring> WriteSettingsLines(const SettingsRecord& s);
// The same lines one at a time, without a list of them all.
using SettingsLineSink = std::function<void(std::wstring_view line)>;
void WriteSettingsLines(const SettingsRecord& s, const SettingsLineSink& lines);
