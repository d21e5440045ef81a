// Start-up and close of the main window.
#include "settings/settings_file.h"
#include "themes/theme_store.h"
#include "ui/form1.h"

void Form1::Form_Load() {
  const SettingsLoadResult settingsRead = LoadSettings(settings_);
  settingsAsRead_ = settingsRead.asRead;
  if (!settingsRead.status.ok()) {
    settingsUnread_ = true;
    NoteUnreadAtStart(kSettingsFileName, settingsRead.status);
  }
  // The store is read whole before the list is built, as LoadThemeStore does; a store
  // that cannot be read leaves the current-settings entry alone.
  ThemeFileRead storeRead = ReadThemeFile(ThemeStorePath());
  storeAsRead_ = storeRead.asRead;
  if (!storeRead.status.ok()) {
    themeStoreUnread_ = true;
    NoteUnreadAtStart(kThemeStoreFileName, storeRead.status);
  }
  ReplaceThemeList(std::move(storeRead.themes));
  FillColorFields();
  state_.CurrentThemeIndex = 0;
  state_.ListClickSuppressed = false;
  RedrawPreview();
  TellUnreadFilesAtStart();
}

void Form1::NoteUnreadAtStart(const wchar_t* fileName, const platform::IoStatus& read) {
  const FileRole role = std::wstring_view(fileName) == kSettingsFileName ? FileRole::HostSettings : FileRole::Themes;
  unreadAtStart_.push_back({fileName, FailureReason(read, InterfaceLanguage(), role)});
}

void Form1::TellUnreadFilesAtStart() {
  if (unreadAtStart_.empty()) return;
  view_.MsgBox(UnreadAtStartMessage(unreadAtStart_, InterfaceLanguage()),
               MsgBoxStyle::OKOnly | MsgBoxStyle::Exclamation);
}

bool Form1::CloseCondition() { return view_.ListIndex() > 0 || state_.SettingsChanged; }

bool Form1::Form_QueryUnload(CloseReason reason) {
  const CommandScope command(*this);
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
  if (writeSettings && !HostLetsUsWriteSettings()) return true;

  // The themes are written also when only the list changed (a delete or a rename, say),
  // so that no theme is lost at a close with nothing for setting.ini. Every question
  // of the close is asked before anything is written, so that going back to the
  // window from any of them leaves both files as they were.
  StoreAtClose store = StoreAtClose::Skip;
  if ((condition || state_.ThemeListChanged) && !themeStoreUnread_) {
    store = DecideStoreWrite();
    if (store == StoreAtClose::KeepOpen) return true;
  }
  // Files dropped while a question was open: the user is still at work in the window,
  // and their themes are added once this close has gone back to it.
  if (DropsWaiting()) return true;

  if (writeSettings) {
    if (!CloseGoesOnAfter(kSettingsFileName, SaveSettingsOverOthersChanges(settings_, settingsAsRead_))) {
      return true;
    }
  }
  if (store == StoreAtClose::Write) {
    platform::FileFingerprint written;
    const platform::IoStatus saved = SaveThemeStore(themeList_, ThemeStorePath(), &written);
    if (saved.ok()) storeAsRead_ = written;
    if (!CloseGoesOnAfter(kThemeStoreFileName, saved)) return true;
  }
  return DropsWaiting();
}

bool Form1::HostLetsUsWriteSettings() {
  // Colours written while the host runs are lost when it exits and writes its own copy.
  const std::vector<std::wstring> running = runningBeside_();
  if (running.empty()) return true;
  return view_.MsgBox(HostRunningQuestion(running, InterfaceLanguage()), MsgBoxStyle::YesNo | MsgBoxStyle::Exclamation) == MsgBoxAnswer::Yes;
}

Form1::StoreAtClose Form1::DecideStoreWrite() {
  const StoreSinceRead onDisk = LookAtStoreSinceRead(ThemeStorePath(), storeAsRead_);
  // Something there that cannot be read now is not written over either.
  if (!onDisk.status.ok()) {
    return CloseGoesOnAfter(kThemeStoreFileName, onDisk.status) ? StoreAtClose::Skip : StoreAtClose::KeepOpen;
  }
  // Changed by another program (a second Huebrook, a sync tool) is not replaced
  // without asking.
  if (!onDisk.changed) return StoreAtClose::Write;
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
