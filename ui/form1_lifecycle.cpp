// Start-up and close of the main window.
#include "settings/settings_file.h"
#include "themes/theme_store.h"
#include "ui/form1.h"

void Form1::Form_Load() {
  const SettingsLoadResult settingsRead = LoadSettings(settings_, kNoMainWindow);
  settingsAsRead_ = settingsRead.AsRead;
  if (!settingsRead.Status.ok()) {
    settingsUnread_ = true;
    NoteUnreadAtStart(kSettingsFileName, settingsRead.Status);
  }
  // The store is read whole before the list is built, as LoadThemeStore does; a store
  // that cannot be read leaves the current-settings entry alone.
  ThemeFileRead storeRead = ReadThemeFile(ThemeStorePath());
  storeAsRead_ = storeRead.AsRead;
  if (!storeRead.Status.ok()) {
    themeStoreUnread_ = true;
    NoteUnreadAtStart(kThemeStoreFileName, storeRead.Status);
  }
  ReplaceThemeList(themeList_, settings_, *this, std::move(storeRead.Themes), CurrentSettingsName(InterfaceLanguage()));
  FillColorFields();
  state_.CurrentThemeIndex = 0;
  state_.ListClickSuppressed = false;
  RedrawPreview();
  TellUnreadFilesAtStart();
}

void Form1::NoteUnreadAtStart(const wchar_t* fileName, const platform::IoStatus& read) {
  unreadAtStart_.push_back({fileName, FailureReason(read, InterfaceLanguage())});
}

void Form1::TellUnreadFilesAtStart() {
  if (unreadAtStart_.empty()) return;
  view_.MsgBox(UnreadAtStartMessage(unreadAtStart_, InterfaceLanguage()),
               MsgBoxStyle::OKOnly | MsgBoxStyle::Exclamation);
}

bool Form1::CloseCondition() { return view_.ListIndex() > 0 || state_.SettingsChanged; }

bool Form1::Form_QueryUnload(CloseReason reason) {
  TakePendingColorEdit();
  const bool condition = CloseCondition();

  // A setting.ini that could not be read is never written over, so there is nothing
  // to ask about it either.
  bool writeSettings = false;
  if (condition && !settingsUnread_) {
    if (reason == CloseReason::Program) {
      writeSettings = true;
    } else {
      const MsgBoxAnswer answer =
          view_.MsgBox(CloseQuestion(InterfaceLanguage()), MsgBoxStyle::YesNoCancel | MsgBoxStyle::Exclamation);
      if (answer != MsgBoxAnswer::Yes && answer != MsgBoxAnswer::No) return true;
      writeSettings = answer == MsgBoxAnswer::Yes;
    }
  }
  if (writeSettings) {
    if (!HostLetsUsWriteSettings()) return true;
    if (!CloseGoesOnAfter(kSettingsFileName, SaveSettingsOverOthersChanges(settings_, kNoMainWindow, settingsAsRead_))) {
      return true;
    }
  }

  // The themes are written also when only the list changed (a delete or a rename, say),
  // so that no theme is lost at a close with nothing for setting.ini.
  if ((condition || state_.ThemeListChanged) && !themeStoreUnread_) {
    switch (DecideStoreWrite()) {
      case StoreAtClose::KeepOpen: return true;
      case StoreAtClose::Skip: break;
      case StoreAtClose::Write:
        if (!CloseGoesOnAfter(kThemeStoreFileName, SaveThemeStore(themeList_, ThemeStorePath()))) return true;
        break;
    }
  }
  return false;
}

bool Form1::HostLetsUsWriteSettings() {
  // Colours written while the host runs are lost when it exits and writes its own copy.
  const std::vector<std::wstring> running = runningBeside_();
  if (running.empty()) return true;
  return view_.MsgBox(HostRunningQuestion(running, InterfaceLanguage()), MsgBoxStyle::YesNo | MsgBoxStyle::Exclamation) == MsgBoxAnswer::Yes;
}

Form1::StoreAtClose Form1::DecideStoreWrite() {
  const StoreSinceRead onDisk = LookAtStoreSinceRead(ThemeStorePath(), storeAsRead_);
  if (!onDisk.Status.ok()) {
    return CloseGoesOnAfter(kThemeStoreFileName, onDisk.Status) ? StoreAtClose::Skip : StoreAtClose::KeepOpen;
  }
  // Changed by another program is not replaced without asking.
  if (!onDisk.Changed) return StoreAtClose::Write;
  const MsgBoxAnswer answer = view_.MsgBox(StoreChangedQuestion(InterfaceLanguage()), MsgBoxStyle::YesNoCancel | MsgBoxStyle::Exclamation);
  if (answer == MsgBoxAnswer::Yes) return StoreAtClose::Write;
  if (answer == MsgBoxAnswer::No) return StoreAtClose::Skip;
  return StoreAtClose::KeepOpen;
}

bool Form1::CloseGoesOnAfter(const wchar_t* fileName, const platform::IoStatus& written) {
  if (written.ok()) return true;
  // Closing quietly would lose the user's work; keeping them in a window that can
  // never close would be no better. Only an explicit No closes without the file.
  const MsgBoxAnswer answer = view_.MsgBox(CloseWriteFailedQuestion(fileName, FailureReason(written, InterfaceLanguage()), InterfaceLanguage()),
                                           MsgBoxStyle::YesNo | MsgBoxStyle::Exclamation);
  return answer == MsgBoxAnswer::No;
}

void Form1::mnQuit_Click() { view_.RequestClose(); }
