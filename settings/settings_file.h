#pragma once
// Reading and writing Lirva's setting.ini.
#include <string>
#include <string_view>
#include <vector>

#include "platform/io_status.h"
#include "settings/settings_record.h"

// Every caller passes this mode: MainWindow is kept as text.
inline constexpr std::wstring_view kNoMainWindow = L"NoMainWindow";

// The program's folder followed by "\setting.ini".
std::wstring SettingsPath();

void SetStandardColors(SettingsRecord& s);
void SetDefaultSettings(SettingsRecord& s);

struct SettingsLoadResult {
  bool Found = false;           // a plain file was there
  platform::IoStatus Status;    // not ok: it was there but could not be read
};

// Fills the record from setting.ini in the program's folder, with standard colours
// and defaults for whatever the file lacks. The record is usable whatever the result.
SettingsLoadResult LoadSettings(SettingsRecord& s, std::wstring_view mode);

// Writes the whole record into setting.ini in the program's folder, safely.
platform::IoStatus SaveSettings(const SettingsRecord& s, std::wstring_view mode);

// The text cores of the two, for tests and for the file wrappers above.
void ReadSettingsLines(SettingsRecord& s, const std::vector<std::wstring>& lines);
std::vector<std::wstring> WriteSettingsLines(const SettingsRecord& s);
