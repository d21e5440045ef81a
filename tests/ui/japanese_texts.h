#pragma once
// The main window's texts as a Japanese user reads them, under the short names the
// tests use for them: the Japanese window must show every one exactly as it always has.
#include <string>
#include <vector>

#include "ui/form1_texts.h"

inline constexpr Language kJapanese = Language::Japanese;

inline const wchar_t* const kCloseQuestion = CloseQuestion(kJapanese);
inline const wchar_t* const kSwitchQuestion = SwitchQuestion(kJapanese);
inline const wchar_t* const kApplyToNewThemeQuestion = ApplyToNewThemeQuestion(kJapanese);
inline const wchar_t* const kSaveBeforeLoadQuestion = SaveBeforeLoadQuestion(kJapanese);
inline const wchar_t* const kThemeFileFilter = ThemeFileFilter(kJapanese);
inline const wchar_t* const kNoThemeInFileReason = NoThemeInFileReason(kJapanese);

inline std::wstring SaveIntoThemeQuestion(const std::wstring& themeName) {
  return SaveIntoThemeQuestion(themeName, kJapanese);
}
inline std::wstring DeleteQuestion(const std::wstring& themeName) { return DeleteQuestion(themeName, kJapanese); }
inline std::wstring UnreadAtStartMessage(const std::vector<UnreadFile>& files) {
  return UnreadAtStartMessage(files, kJapanese);
}
inline std::wstring CloseWriteFailedQuestion(const std::wstring& fileName, const std::wstring& reason) {
  return CloseWriteFailedQuestion(fileName, reason, kJapanese);
}
inline std::wstring SaveFailedMessage(const std::wstring& path, const std::wstring& reason) {
  return SaveFailedMessage(path, reason, kJapanese);
}
inline std::wstring SaveBeforeLoadFailedMessage(const std::wstring& path, const std::wstring& reason) {
  return SaveBeforeLoadFailedMessage(path, reason, kJapanese);
}
inline std::wstring LoadFailedMessage(const std::wstring& path, const std::wstring& reason) {
  return LoadFailedMessage(path, reason, kJapanese);
}
inline std::wstring NoThemeInFileMessage(const std::wstring& path) { return NoThemeInFileMessage(path, kJapanese); }
inline std::wstring DroppedFilesRefusedMessage(const std::vector<UnreadFile>& files, bool othersAdded) {
  return DroppedFilesRefusedMessage(files, othersAdded, kJapanese);
}
inline std::wstring HostRunningQuestion(const std::vector<std::wstring>& programs) {
  return HostRunningQuestion(programs, kJapanese);
}
inline std::wstring StoreChangedQuestion() { return StoreChangedQuestion(kJapanese); }
