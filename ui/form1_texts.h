#pragma once
// Every text the main window shows in its message boxes and dialogs, in one place. Each
// function holds its text in both languages side by side (ui/texts.h): a new text is
// one more function here, with both its languages in its body.
#include <string>
#include <vector>

#include "platform/io_status.h"
#include "ui/texts.h"

// Questions about unsaved changes.
const wchar_t* CloseQuestion(Language language);
const wchar_t* SwitchQuestion(Language language);
const wchar_t* ApplyToNewThemeQuestion(Language language);
const wchar_t* SaveBeforeLoadQuestion(Language language);
// "設定が変更されています。" + name + "に保存しますか？"
std::wstring SaveIntoThemeQuestion(const std::wstring& themeName, Language language);
// name + "を削除します"
std::wstring DeleteQuestion(const std::wstring& themeName, Language language);

// The theme list: its first entry, the current values.
const wchar_t* CurrentSettingsName(Language language);

// the input box.
const wchar_t* NewThemeCaption(Language language);
const wchar_t* RenameCaption(Language language);
// "新しいテーマ(" + N + ")", N being the index the new entry will get.
std::wstring NewThemeProposal(int newIndex, Language language);
const wchar_t* CurrentSettingsCopyName(Language language);
// name + "の複製"
std::wstring CopyName(const std::wstring& themeName, Language language);

// The Edit menu's items: the step they would take back or do again (nullptr: none, and
// the item is greyed), with the access key and the shortcut.
std::wstring UndoItemCaption(const std::wstring* step, Language language);
std::wstring RedoItemCaption(const std::wstring* step, Language language);
// The steps, as those items name them.
std::wstring ColorStepName(int slot, Language language);
const wchar_t* TitleStepName(Language language);
const wchar_t* StandardColorsStepName(Language language);
std::wstring NewThemeStepName(const std::wstring& themeName, Language language);
std::wstring DuplicateStepName(const std::wstring& themeName, Language language);
std::wstring RenameStepName(const std::wstring& themeName, Language language);
std::wstring DeleteStepName(const std::wstring& themeName, Language language);
// Edits stored into a theme (by a switch, a duplicate, a new theme or an export).
std::wstring SaveIntoThemeStepName(const std::wstring& themeName, Language language);
const wchar_t* AddThemesStepName(Language language);
const wchar_t* DroppedThemesStepName(Language language);
std::wstring LoadStepName(const std::wstring& fileName, Language language);

// The theme file dialogs.
const wchar_t* ThemeFileFilter(Language language);

// A file that was there at start-up but could not be read; it is left alone at the close.
struct UnreadFile {
  std::wstring name;
  std::wstring reason;
};

// Shown once after start-up (OK only).
std::wstring UnreadAtStartMessage(const std::vector<UnreadFile>& files, Language language);
// A write of the close failed: Yes keeps the window open, No closes without that file.
std::wstring CloseWriteFailedQuestion(const std::wstring& fileName, const std::wstring& reason,
                                      Language language);
// File > save could not write the chosen file (OK only).
std::wstring SaveFailedMessage(const std::wstring& path, const std::wstring& reason, Language language);
// Theme > export could not write the chosen file (OK only).
std::wstring ExportFailedMessage(const std::wstring& path, const std::wstring& reason, Language language);
// The file name Theme > export proposes for a theme whose name gives none.
const wchar_t* UnnamedThemeFileName(Language language);
// The same when that save was asked for before a load; the load then stops.
std::wstring SaveBeforeLoadFailedMessage(const std::wstring& path, const std::wstring& reason,
                                         Language language);
// File > load could not read the chosen file (OK only).
std::wstring LoadFailedMessage(const std::wstring& path, const std::wstring& reason, Language language);
// File > load found no theme in the chosen file; nothing changed (OK only).
std::wstring NoThemeInFileMessage(const std::wstring& path, Language language);
// Files dropped onto the window whose themes could not be added, each with its reason
// (the first ten, then how many more), and whether the themes of the other files were
// added (OK only).
std::wstring DroppedFilesRefusedMessage(const std::vector<UnreadFile>& files, bool othersAdded, Language language);
// The reason given for such a file that holds no theme.
const wchar_t* NoThemeInFileReason(Language language);

// The file names of running programs, in a line of text.
std::wstring ProgramNames(const std::vector<std::wstring>& programs, Language language);
// Program file names as one text: "a.exe、b.exe" or "a.exe, b.exe".
std::wstring ProgramNames(const std::vector<std::wstring>& programs, Language language);
// Before setting.ini is written while these programs from our folder run (the host
// editor): Yes writes anyway, No goes back to the window.
std::wstring HostRunningQuestion(const std::vector<std::wstring>& programs, Language language);
// At the close, the store was changed by another program since it was read: Yes
// replaces it, No closes leaving it as it is, Cancel goes back to the window.
std::wstring StoreChangedQuestion(Language language);

// Which kind of file a failure is about, where the words differ.
enum class FileRole { Themes, HostSettings };
// The reason a file operation failed, for the messages above: the system's words, or
// ours where the system has none (no plain file under the name, a file too large, ...).
std::wstring FailureReason(const platform::IoStatus& status, Language language, FileRole role = FileRole::Themes);
