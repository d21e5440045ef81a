// setting.ini in the program's folder: the program's one record of it, its defaults,
// and the file wrappers around the text cores.
#include "settings/settings_file.h"

#include "platform/platform.h"
#include "platform/text_file.h"

namespace {

constexpr std::wstring_view kTool1FileName = L"wavtool.exe";
constexpr std::wstring_view kTool2FileName = L"resampler.exe";

// A tool that is not there is forgotten, so that the default takes its place.
void ForgetMissingTool(std::wstring& path) {
  if (!path.empty() && !platform::PlainFileExists(path)) path.clear();
}

void SetToolDefaults(SettingsRecord& s, const std::wstring& folder) {
  if (s.Tool1Path.empty()) s.Tool1Path = platform::PathInFolder(folder, kTool1FileName);
  if (s.Tool2Path.empty()) s.Tool2Path = platform::PathInFolder(folder, kTool2FileName);
}

}  // namespace

SettingsRecord GlobalSettings;

// The values the record holds for whatever setting.ini does not say.
void SetStandardColors(SettingsRecord& s) {
  for (const ColorSlotInfo& info : kColorSlots) s.Colors[info.slot] = info.standard;
}

void SetDefaultSettings(SettingsRecord& s) {
  s.CacheEnable = false;
  s.CacheDeleteOnUnload = false;
  s.CacheDeleteBySize = false;
  s.CacheDeleteByDate = false;
  s.CompPitchDatas = true;
  s.EncPitchDatas = true;
  s.OldTime = false;
  s.NoCopyVoiceParam = false;
  s.ExcludeVowelOnSetParam = false;
  s.NonBatchMode = false;
  s.MultiMove = true;
}

std::wstring SettingsPath() { return platform::PathInFolder(platform::ProgramFolder(), kSettingsFileName); }

// Only the mode kNoMainWindow is ever passed: MainWindow is always held as text.
SettingsLoadResult LoadSettings(SettingsRecord& s, std::wstring_view /*mode*/) {
  SetStandardColors(s);
  s.OtoList.clear();
  s.History.clear();
  s.OtherLines.clear();
  SetDefaultSettings(s);

  const std::wstring folder = platform::ProgramFolder();
  const std::wstring path = platform::PathInFolder(folder, kSettingsFileName);
  SettingsLoadResult result;
  if (platform::PlainFileExists(path)) {
    result.Found = true;
    std::vector<std::wstring> lines;
    result.Status = platform::ReadTextLines(path, lines);
    // A file that could not be read fills nothing: half a file is worse than none,
    // and the caller hears of the failure.
    if (result.Status.ok()) {
      ReadSettingsLines(s, lines);
      ForgetMissingTool(s.Tool1Path);
      ForgetMissingTool(s.Tool2Path);
    }
  }
  SetToolDefaults(s, folder);
  return result;
}

platform::IoStatus SaveSettings(const SettingsRecord& s, std::wstring_view /*mode*/) {
  return platform::WriteTextLines(SettingsPath(), WriteSettingsLines(s));
}
