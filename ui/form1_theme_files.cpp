// File > load and File > save: the whole theme list to and from a text file.
#include "themes/theme_store.h"
#include "ui/form1.h"

Form1::SaveResult Form1::SaveThemesToFile(const ::ThemeList& themes) {
  SaveResult result;
  const std::optional<std::wstring> path =
      view_.ShowFileDialog(FileDialogKind::Save, ThemeFileFilter(InterfaceLanguage()), commonDialogFileName_);
  if (!path) return result;
  commonDialogFileName_ = *path;
  result.Path = *path;
  result.Status = SaveThemeStore(themes, *path);
  result.Outcome = result.Status.ok() ? SaveOutcome::Saved : SaveOutcome::Failed;
  return result;
}

void Form1::mnSave_Click() {
  TakePendingColorEdit();
  const SaveResult saved = SaveThemesToFile(themeList_);
  if (saved.Outcome == SaveOutcome::Failed) {
    view_.MsgBox(SaveFailedMessage(saved.Path, FailureReason(saved.Status, InterfaceLanguage()), InterfaceLanguage()), MsgBoxStyle::OKOnly | MsgBoxStyle::Exclamation);
  }
}

std::optional<std::wstring> Form1::AskFileToOpen() {
  const std::optional<std::wstring> path =
      view_.ShowFileDialog(FileDialogKind::Open, ThemeFileFilter(InterfaceLanguage()), commonDialogFileName_);
  if (path) commonDialogFileName_ = *path;
  return path;
}

ThemeFileRead Form1::ReadChosenThemeFile(const std::wstring& path) {
  ThemeFileRead read = ReadThemeFile(path);
  // For the store a missing file is an empty one; a chosen file that is gone is not.
  if (!read.Found) read.Status = platform::IoStatus::NoPlainFile(platform::PathKind::Nothing);
  return read;
}

std::optional<std::vector<Theme>> Form1::ReadThemesOrTell(const std::wstring& path) {
  ThemeFileRead read = ReadChosenThemeFile(path);
  if (!read.Status.ok()) {
    view_.MsgBox(LoadFailedMessage(path, FailureReason(read.Status, InterfaceLanguage()), InterfaceLanguage()),
                 MsgBoxStyle::OKOnly | MsgBoxStyle::Exclamation);
    return std::nullopt;
  }
  // Taking such a file would empty the list and, at the close, the store.
  if (read.Themes.empty()) {
    view_.MsgBox(NoThemeInFileMessage(path, InterfaceLanguage()), MsgBoxStyle::OKOnly | MsgBoxStyle::Exclamation);
    return std::nullopt;
  }
  return std::move(read.Themes);
}

Form1::LoadAfterOffer Form1::OfferToSaveThemesBeforeLoad() {
  const MsgBoxAnswer answer = view_.MsgBox(SaveBeforeLoadQuestion(InterfaceLanguage()), MsgBoxStyle::YesNoCancel | MsgBoxStyle::Exclamation);
  if (answer == MsgBoxAnswer::No) return LoadAfterOffer::GoOn;
  if (answer != MsgBoxAnswer::Yes) return LoadAfterOffer::Stop;
  // A cancelled save dialog lets the load go on, as the user chose; a failed write
  // does not, or the themes the user wanted kept would be replaced.
  const SaveResult result = SaveThemesToFile(themeList_);
  if (result.Outcome == SaveOutcome::Failed) {
    view_.MsgBox(SaveBeforeLoadFailedMessage(result.Path, FailureReason(result.Status, InterfaceLanguage()), InterfaceLanguage()), MsgBoxStyle::OKOnly | MsgBoxStyle::Exclamation);
    return LoadAfterOffer::Stop;
  }
  return result.Outcome == SaveOutcome::Saved ? LoadAfterOffer::GoOnAfterSaving : LoadAfterOffer::GoOn;
}

void Form1::mnOpen_Click() {
  TakePendingColorEdit();
  if (state_.ThemeListChanged && OfferToSaveThemesBeforeLoad() == LoadAfterOffer::Stop) return;

  const std::optional<std::wstring> path = AskFileToOpen();
  if (!path) return;

  // The file is read before anything changes: a file that vanished or is locked, or
  // one that holds no theme, leaves the list, the selection and the current colours
  // exactly as they were.
  std::optional<std::vector<Theme>> themes = ReadThemesOrTell(*path);
  if (!themes) return;

  // The current-settings entry becomes current through the same handling as a click on
  // it. When it is selected already that handling is not run again: the current values,
  // unsaved edits included, simply become the new list's entry 0.
  const int revisionBefore = themeListRevision_;
  if (view_.ListIndex() != 0) view_.SetListIndex(0);
  // Edits the user just chose to keep went into the list that the load replaces: offer
  // to save the list again, or they would exist nowhere.
  if (themeListRevision_ != revisionBefore) {
    const LoadAfterOffer offer = OfferToSaveThemesBeforeLoad();
    if (offer == LoadAfterOffer::Stop) return;
    // They may have been saved into the very file being loaded: it is read again, so
    // that the list shows what the file holds now.
    if (offer == LoadAfterOffer::GoOnAfterSaving) {
      themes = ReadThemesOrTell(*path);
      if (!themes) return;
    }
  }

  ReplaceThemeList(themeList_, settings_, *this, std::move(*themes), CurrentSettingsName(InterfaceLanguage()));
  state_.ThemeListChanged = false;
  // Entry 0 of the new list holds the current values, whichever theme they came from;
  // an index into the old list would now name a theme of the file.
  state_.CurrentThemeIndex = 0;
}
