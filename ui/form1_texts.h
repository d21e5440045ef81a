#pragma once
// Every text the main window shows in its message boxes and dialogs, in one place.
#include <string>
#include <vector>

#include "platform/io_status.h"

// Questions about unsaved changes.
inline constexpr wchar_t kCloseQuestion[] = L"設定が変更されています。setting.iniに反映しますか？";
inline constexpr wchar_t kSwitchQuestion[] = L"設定が変更されています。保存しますか？";
inline constexpr wchar_t kApplyToNewThemeQuestion[] = L"設定が変更されています。新しいテーマに適用しますか？";
inline constexpr wchar_t kSaveBeforeLoadQuestion[] = L"設定は変更されています。ファイルに保存しますか？";
// "設定が変更されています。" + name + "に保存しますか？"
std::wstring SaveIntoThemeQuestion(const std::wstring& themeName);
// name + "を削除します"
std::wstring DeleteQuestion(const std::wstring& themeName);

// The name dialog.
inline constexpr wchar_t kNewThemeCaption[] = L"名前を入力";
inline constexpr wchar_t kRenameCaption[] = L"名前の変更";
// "新しいテーマ(" + N + ")", N being the index the new entry will get.
std::wstring NewThemeProposal(int newIndex);
inline constexpr wchar_t kCurrentSettingsCopyName[] = L"現在の設定の複製";
// name + "の複製"
std::wstring CopyName(const std::wstring& themeName);

// The theme file dialogs.
inline constexpr wchar_t kThemeFileFilter[] = L"テキストファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*";

// A file that was there at start-up but could not be read; it is left alone at the close.
struct UnreadFile {
  std::wstring Name;
  std::wstring Reason;
};

// Shown once after start-up (OK only).
std::wstring UnreadAtStartMessage(const std::vector<UnreadFile>& files);
// A write of the close failed: Yes keeps the window open, No closes without that file.
std::wstring CloseWriteFailedQuestion(const std::wstring& fileName, const std::wstring& reason);
// File > save could not write the chosen file (OK only).
std::wstring SaveFailedMessage(const std::wstring& path, const std::wstring& reason);
// The same when that save was asked for before a load; the load then stops.
std::wstring SaveBeforeLoadFailedMessage(const std::wstring& path, const std::wstring& reason);
// File > load could not read the chosen file (OK only).
std::wstring LoadFailedMessage(const std::wstring& path, const std::wstring& reason);
// File > load found no theme in the chosen file; nothing changed (OK only).
std::wstring NoThemeInFileMessage(const std::wstring& path);
// Files dropped onto the window whose themes could not be added, each with its reason,
// and whether the themes of the other files were added (OK only).
std::wstring DroppedFilesRefusedMessage(const std::vector<UnreadFile>& files, bool othersAdded);
inline constexpr wchar_t kNoThemeInFileReason[] = L"テーマがありません。";

// Before setting.ini is written while these programs from our folder run (the host
// editor): Yes writes anyway, No goes back to the window.
std::wstring HostRunningQuestion(const std::vector<std::wstring>& programs);
// At the close, the store was changed by another program since it was read: Yes
// replaces it, No closes leaving it as it is, Cancel goes back to the window.
std::wstring StoreChangedQuestion();

// The reason a file operation failed, for the messages above: the system's words, or
// ours where the system has none (no plain file under the name).
std::wstring FailureReason(const platform::IoStatus& status);
