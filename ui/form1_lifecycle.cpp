// Start-up and close of the main window.
#include "settings/settings_file.h"
#include "themes/theme_store.h"
#include "ui/form1.h"

void Form1::Form_Load() {
  const SettingsLoadResult settingsRead = LoadSettings(settings_, kNoMainWindow);
  if (!settingsRead.Status.ok()) {
    settingsUnread_ = true;
    unreadAtStart_.push_back({kSettingsFileName, settingsRead.Status.reason()});
  }
  const platform::IoStatus storeRead = LoadThemeStore(themeList_, settings_, *this);
  if (!storeRead.ok()) {
    themeStoreUnread_ = true;
    unreadAtStart_.push_back({kThemeStoreFileName, storeRead.reason()});
  }
  FillColorFields();
  state_.CurrentThemeIndex = 0;
  state_.ListClickSuppressed = false;
  RedrawPreview();
  TellUnreadFilesAtStart();
}

void Form1::TellUnreadFilesAtStart() {
  if (unreadAtStart_.empty()) return;
  view_.MsgBox(UnreadAtStartMessage(unreadAtStart_),
               MsgBoxStyle::OKOnly | MsgBoxStyle::Exclamation);
}

bool Form1::CloseCondition() { return view_.ListIndex() > 0 || state_.SettingsChanged; }

bool Form1::Form_QueryUnload(CloseReason reason) {
  const bool condition = CloseCondition();

  // A setting.ini that could not be read is never written over, so there is nothing
  // to ask about it either.
  bool writeSettings = false;
  if (condition && !settingsUnread_) {
    if (reason == CloseReason::Program) {
      writeSettings = true;
    } else {
      const MsgBoxAnswer answer =
          view_.MsgBox(kCloseQuestion, MsgBoxStyle::YesNoCancel | MsgBoxStyle::Exclamation);
      if (answer != MsgBoxAnswer::Yes && answer != MsgBoxAnswer::No) return true;
      writeSettings = answer == MsgBoxAnswer::Yes;
    }
  }
  if (writeSettings && !CloseGoesOnAfter(kSettingsFileName, SaveSettings(settings_, kNoMainWindow))) return true;

  // The themes are written also when only the list changed (a delete or a rename, say),
  // so that no theme is lost at a close with nothing for setting.ini.
  const bool writeStore = (condition || state_.ThemeListChanged) && !themeStoreUnread_;
  if (writeStore && !CloseGoesOnAfter(kThemeStoreFileName, SaveThemeStore(themeList_, ThemeStorePath()))) {
    return true;
  }
  return false;
}

bool Form1::CloseGoesOnAfter(const wchar_t* fileName, const platform::IoStatus& written) {
  if (written.ok()) return true;
  // Closing quietly would lose the user's work; keeping them in a window that can
  // never close would be no better. Only an explicit No closes without the file.
  const MsgBoxAnswer answer = view_.MsgBox(CloseWriteFailedQuestion(fileName, written.reason()),
                                           MsgBoxStyle::YesNo | MsgBoxStyle::Exclamation);
  return answer == MsgBoxAnswer::No;
}

void Form1::mnQuit_Click() { view_.RequestClose(); }
