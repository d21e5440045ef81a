#include "cli/commands.h"

#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "cli/command_line_texts.h"
#include "platform/file_snapshot.h"
#include "settings/settings_record.h"
#include "themes/theme_ops.h"
#include "themes/theme_store.h"
#include "ui/form1_texts.h"

namespace {

// One command's run: where its lines go, in which language, and how a file that failed
// ends it.
class Run {
 public:
  Run(CommandConsole& console, Language language) : console_(console), language_(language) {}

  void Print(const std::wstring& lines) { console_.Print(lines); }
  void Note(const std::wstring& lines) { console_.Complain(lines); }
  ExitCode Fail(ExitCode code, const std::wstring& message) {
    console_.Complain(message);
    return code;
  }
  Language In() const { return language_; }

  // A file that could not be read. When it is one we were to write, our refusal (hidden,
  // a shape the host misreads) is told apart from the system's failure.
  ExitCode NotRead(const std::wstring& file, const platform::IoStatus& status, bool toWrite) {
    if (toWrite && status.refused()) return NotWrittenOver(file, status);
    return Fail(ExitCode::FileFailed, NotReadMessage(file, FailureReason(status, language_), language_));
  }
  ExitCode NotWritten(const std::wstring& file, const platform::IoStatus& status) {
    if (status.refused()) return NotWrittenOver(file, status);
    return Fail(ExitCode::FileFailed, NotWrittenMessage(file, FailureReason(status, language_), language_));
  }

  // The first theme of the name as the list shows it, with a note when others share it;
  // nullptr when there is none.
  const Theme* FindTheme(const std::vector<Theme>& themes, const std::wstring& name) {
    const Theme* first = nullptr;
    std::size_t named = 0;
    for (const Theme& theme : themes) {
      if (theme.Name != name) continue;
      if (!first) first = &theme;
      ++named;
    }
    if (named > 1) Note(SameNameNote(name, named, language_));
    return first;
  }

 private:
  ExitCode NotWrittenOver(const std::wstring& file, const platform::IoStatus& status) {
    return Fail(ExitCode::UnsafeFile, NotWrittenOverMessage(file, FailureReason(status, language_), language_));
  }

  CommandConsole& console_;
  Language language_;
};

ExitCode List(Run& run) {
  const ThemeFileRead store = ReadThemeFile(ThemeStorePath());
  if (!store.status.ok()) return run.NotRead(kThemeStoreFileName, store.status, false);
  if (store.themes.empty()) return ExitCode::Done;
  // One piece of text, so that a store of a million themes is not a million writes.
  std::wstring names;
  for (const Theme& theme : store.themes) {
    if (!names.empty()) names += L'\n';
    names += theme.Name;
  }
  run.Print(names);
  return ExitCode::Done;
}

ExitCode Apply(Run& run, const CommandLine& command, const ProgramsRunningBeside& runningBeside) {
  const ThemeFileRead store = ReadThemeFile(ThemeStorePath());
  if (!store.status.ok()) return run.NotRead(kThemeStoreFileName, store.status, false);
  const Theme* theme = run.FindTheme(store.themes, command.name);
  if (!theme) return run.Fail(ExitCode::NoSuchTheme, NoSuchThemeMessage(command.name, run.In()));

  // What the window does from start-up to its close: setting.ini read as at start-up
  // (one that cannot be read, or is read otherwise than meant, is never written over),
  // the theme's values taken as a click on it takes them, then the close's checks and
  // its write, merged with whatever the host wrote meanwhile.
  SettingsRecord settings;
  const SettingsLoadResult read = LoadSettings(settings);
  if (!read.status.ok()) return run.NotRead(kSettingsFileName, read.status, true);
  if (!command.force) {
    const std::vector<std::wstring> running = runningBeside();
    if (!running.empty()) return run.Fail(ExitCode::HostRunning, HostRunningMessage(running, run.In()));
  }
  TakeThemeValues(settings, *theme);
  platform::FileFingerprint asRead = read.asRead;
  const platform::IoStatus written = SaveSettingsOverOthersChanges(settings, asRead);
  if (!written.ok()) return run.NotWritten(kSettingsFileName, written);
  run.Print(AppliedMessage(command.name, run.In()));
  return ExitCode::Done;
}

ExitCode Export(Run& run, const CommandLine& command) {
  const ThemeFileRead store = ReadThemeFile(ThemeStorePath());
  if (!store.status.ok()) return run.NotRead(kThemeStoreFileName, store.status, false);
  const Theme* theme = run.FindTheme(store.themes, command.name);
  if (!theme) return run.Fail(ExitCode::NoSuchTheme, NoSuchThemeMessage(command.name, run.In()));

  // The window's save dialog asks before it replaces a file; here /force is that Yes. A
  // file that is there but cannot be read is never written over, forced or not.
  const platform::FileSnapshot there = platform::ReadSnapshotInPieces(command.file, [](std::string_view) {});
  if (!there.status.ok()) return run.NotRead(command.file, there.status, true);
  if (there.FileFound() && !command.force) {
    return run.Fail(ExitCode::UnsafeFile, ExportFileThereMessage(command.file, run.In()));
  }
  // Written as Theme > export writes it: a list holding this one theme after entry 0,
  // which is never written.
  const ThemeList one = {Theme{}, *theme};
  const platform::IoStatus written = SaveThemeStore(one, command.file);
  if (!written.ok()) return run.NotWritten(command.file, written);
  run.Print(ExportedMessage(command.name, command.file, run.In()));
  return ExitCode::Done;
}

ExitCode Add(Run& run, const CommandLine& command) {
  ThemeFileRead added = ReadThemeFileToAdd(command.file);
  // For the store a missing file is an empty one; a file named to add that is not there
  // is a failure.
  if (!added.found && added.status.ok()) added.status = platform::IoStatus::NoPlainFile(platform::PathKind::Nothing);
  if (!added.status.ok()) return run.NotRead(command.file, added.status, false);
  if (added.themes.empty()) return run.Fail(ExitCode::NoSuchTheme, NoThemeToAddMessage(command.file, run.In()));

  // The store is written only when it was read whole: one that could not be read would
  // lose its themes.
  const std::wstring storePath = ThemeStorePath();
  ThemeFileRead store = ReadThemeFile(storePath);
  if (!store.status.ok()) return run.NotRead(kThemeStoreFileName, store.status, true);

  // The list as the window holds it after Theme > add: entry 0 (the current values,
  // which the store never holds), the store's themes, the file's at the end.
  ThemeList list = std::move(store.themes);
  list.insert(list.begin(), Theme{});
  const std::size_t count = added.themes.size();
  list.insert(list.end(), std::make_move_iterator(added.themes.begin()), std::make_move_iterator(added.themes.end()));

  // As at the window's close, a store another program wrote since it was read is not
  // replaced; the window asks, a script cannot be asked.
  const StoreSinceRead since = LookAtStoreSinceRead(storePath, store.asRead);
  if (!since.status.ok()) return run.NotRead(kThemeStoreFileName, since.status, true);
  if (since.changed) return run.Fail(ExitCode::UnsafeFile, StoreChangedMeanwhileMessage(run.In()));
  const platform::IoStatus written = SaveThemeStore(list, storePath);
  if (!written.ok()) return run.NotWritten(kThemeStoreFileName, written);
  run.Print(AddedMessage(count, command.file, run.In()));
  return ExitCode::Done;
}

}  // namespace

ExitCode RunCommand(const CommandLine& command, CommandConsole& console, Language language,
                    const ProgramsRunningBeside& runningBeside) {
  Run run(console, language);
  switch (command.kind) {
    case CommandKind::Window: return ExitCode::Done;
    case CommandKind::Help: run.Print(CommandLineUsage(language)); return ExitCode::Done;
    case CommandKind::WrongUse:
      // Nothing is read or written for arguments that are no command.
      return run.Fail(ExitCode::WrongUse,
                      WrongUseMessage(command.wrong, command.argument, language) + L"\n\n" + CommandLineUsage(language));
    case CommandKind::List: return List(run);
    case CommandKind::Apply: return Apply(run, command, runningBeside);
    case CommandKind::Export: return Export(run, command);
    case CommandKind::Add: return Add(run, command);
  }
  return ExitCode::WrongUse;
}
