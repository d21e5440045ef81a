// setting.ini in the program's folder: the file wrappers around the text cores.
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
    std::string bytes;
    result.Status = platform::ReadFileBytes(path, bytes);
    // A file that could not be read fills nothing: half a file is worse than none,
    // and the caller hears of the failure. A UTF-16 file gives the host no line it
    // knows, so it fills nothing either.
    const platform::TextShape shape = platform::ShapeOfText(bytes);
    if (result.Status.ok() && shape != platform::TextShape::Utf16) {
      // Line by line into the record, so that a huge file costs little more than its
      // own bytes and what the record keeps of it.
      platform::ForEachLine(std::string_view(bytes),
                            [&](std::string_view line) { ReadSettingsLine(s, platform::FromCodePage(line)); });
      ForgetMissingTool(s.Tool1Path);
      ForgetMissingTool(s.Tool2Path);
    }
    // The host reads such a file otherwise than its writer meant. It is read as the
    // host reads it, but never written over: a rewrite would keep only that.
    if (result.Status.ok() && shape != platform::TextShape::CodePageLines) {
      result.Status = platform::IoStatus::Failed(platform::WhyNotCodePageLines(shape));
    }
  }
  SetToolDefaults(s, folder);
  return result;
}

platform::IoStatus SaveSettings(const SettingsRecord& s, std::wstring_view /*mode*/) {
  // Each line goes into the file's bytes as it is made: a huge record costs its bytes,
  // not a second copy of all its texts.
  std::string bytes;
  WriteSettingsLines(s, [&](std::wstring_view line) { platform::AppendLineCrlf(bytes, line); });
  return platform::WriteFileSafely(SettingsPath(), bytes);
}
