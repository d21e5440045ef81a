// setting.ini in the program's folder: the program's one record of it, its defaults,
// and the file wrappers around the text cores.
#include "settings/settings_file.h"

#include "platform/code_page.h"
#include "platform/file_snapshot.h"
#include "platform/files.h"
#include "platform/program_folder.h"
#include "platform/running_programs.h"
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

std::vector<std::wstring> ProgramsRunningFromProgramFolder() {
  return platform::ProgramsRunningFrom(platform::ProgramFolder());
}

std::wstring SettingsPath() { return platform::PathInFolder(platform::ProgramFolder(), kSettingsFileName); }

namespace {

// What LoadSettings makes of setting.ini's bytes (none: no file, or a file that could
// not be read): standard colours, defaults, what the lines say, the tool check.
void FillRecord(SettingsRecord& s, const std::string* bytes, const std::wstring& folder) {
  SetStandardColors(s);
  s.OtoList.clear();
  s.History.clear();
  s.OtherLines.clear();
  SetDefaultSettings(s);
  // A UTF-16 file gives the host no line it knows, so it fills nothing.
  if (bytes && platform::ShapeOfText(*bytes) != platform::TextShape::Utf16) {
    // Line by line into the record, so that a huge file costs little more than its own
    // bytes and what the record keeps of it.
    platform::ForEachLine(std::string_view(*bytes),
                          [&](std::string_view line) { ReadSettingsLine(s, platform::FromCodePage(line)); });
    ForgetMissingTool(s.Tool1Path);
    ForgetMissingTool(s.Tool2Path);
  }
  SetToolDefaults(s, folder);
}

}  // namespace

SettingsLoadResult LoadSettings(SettingsRecord& s) {
  const std::wstring folder = platform::ProgramFolder();
  const platform::FileSnapshot file = platform::TakeSnapshot(platform::PathInFolder(folder, kSettingsFileName));
  SettingsLoadResult result;
  result.found = file.FileFound();
  result.status = file.status;
  result.asRead = file.Fingerprint();
  // A file that could not be read fills nothing: half a file is worse than none, and
  // the caller hears of the failure. Something other than a plain file under the name
  // is no setting.ini to read either.
  // A file the record cannot hold in memory is treated as one that could not be read.
  result.status = platform::CatchingOutOfMemory([&] {
    FillRecord(s, file.HasBytes() ? &file.bytes : nullptr, folder);
    return file.status;
  });
  if (!result.status.ok() && file.status.ok()) {
    FillRecord(s, nullptr, folder);
    return result;
  }
  // The host reads such a file otherwise than its writer meant. It is read as the host
  // reads it, but never written over: a rewrite would keep only that.
  if (result.status.ok() && file.HasBytes()) {
    const platform::FileTrouble trouble = platform::TroubleOfShape(platform::ShapeOfText(file.bytes));
    if (trouble != platform::FileTrouble::None) result.status = platform::IoStatus::Because(trouble);
  }
  return result;
}

namespace {

// Each line goes into the file's bytes as it is made: a huge record costs its bytes, not
// a second copy of all its texts.
std::string SettingsBytes(const SettingsRecord& s) {
  std::string bytes;
  WriteSettingsLines(s, [&](std::wstring_view line) { platform::AppendLineCrlf(bytes, line); });
  return bytes;
}

}  // namespace

platform::IoStatus SaveSettings(const SettingsRecord& s) {
  return platform::WriteFileSafely(SettingsPath(), SettingsBytes(s));
}

namespace {

platform::IoStatus MergeAndSave(const SettingsRecord& s, platform::FileFingerprint& asRead) {
  const std::wstring folder = platform::ProgramFolder();
  const std::wstring path = platform::PathInFolder(folder, kSettingsFileName);
  const platform::FileSnapshot now = platform::TakeSnapshot(path);
  if (!now.status.ok()) return now.status;
  // Saved meanwhile in a shape the host misreads: written over, it would lose what the
  // host cannot see in it.
  if (now.HasBytes()) {
    const platform::FileTrouble trouble = platform::TroubleOfShape(platform::ShapeOfText(now.bytes));
    if (trouble != platform::FileTrouble::None) return platform::IoStatus::Because(trouble);
  }

  std::string bytes;
  if (!now.HasBytes() || now.Fingerprint() == asRead) {
    // Unchanged since start-up, or gone: the record is all there is to write.
    bytes = SettingsBytes(s);
  } else {
    // The host (its history, its window position) or another program wrote the file
    // while we were open: their lines win, ours are the colours and TransformTitle.
    SettingsRecord fresh;
    FillRecord(fresh, &now.bytes, folder);
    fresh.Colors = s.Colors;
    fresh.TransformTitle = s.TransformTitle;
    bytes = SettingsBytes(fresh);
  }
  const platform::IoStatus written = platform::WriteFileSafely(path, bytes);
  if (written.ok()) asRead = platform::FileFingerprint::Of(bytes);
  return written;
}

}  // namespace

platform::IoStatus SaveSettingsOverOthersChanges(const SettingsRecord& s, platform::FileFingerprint& asRead) {
  // Nothing is written when the file as it is now cannot be held in memory.
  return platform::CatchingOutOfMemory([&] { return MergeAndSave(s, asRead); });
}
