// File > load and File > save: the whole theme list to and from a text file.
#include "platform/files.h"
#include "themes/theme_store.h"
#include "ui/form1.h"

namespace {

// The file's own name, without its folder, as the Edit menu names a load.
std::wstring FileNameOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"/\\");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

Form1::SaveResult Form1::SaveThemesToFile(const ::ThemeList& themes, const std::optional<std::wstring>& proposal) {
  SaveResult result;
  const std::optional<std::wstring> path = view_.ShowFileDialog(
      FileDialogKind::Save, ThemeFileFilter(InterfaceLanguage()), proposal ? *proposal : commonDialogFileName_);
  if (!path) return result;
  if (!proposal) commonDialogFileName_ = *path;
  result.path = *path;
  platform::FileFingerprint written;
  result.status = SaveThemeStore(themes, *path, &written);
  result.outcome = result.status.ok() ? SaveOutcome::Saved : SaveOutcome::Failed;
  if (result.outcome == SaveOutcome::Saved) NoteThemesWritten(*path, written);
  return result;
}

void Form1::NoteThemesWritten(const std::wstring& path, const platform::FileFingerprint& written) {
  // Saved by the user into the store itself: what the close finds there then is ours.
  if (platform::SameFile(path, ThemeStorePath())) storeAsRead_ = written;
}

void Form1::mnSave_Click() {
  const CommandScope command(*this);
  TakePendingColorEdit();
  const SaveResult saved = SaveThemesToFile(themeList_);
  if (saved.outcome == SaveOutcome::Failed) {
    view_.MsgBox(SaveFailedMessage(saved.path, FailureReason(saved.status, InterfaceLanguage()), InterfaceLanguage()), MsgBoxStyle::OKOnly | MsgBoxStyle::Exclamation);
  }
}

std::optional<std::wstring> Form1::AskFileToOpen() {
  const std::optional<std::wstring> path =
      view_.ShowFileDialog(FileDialogKind::Open, ThemeFileFilter(InterfaceLanguage()), commonDialogFileName_);
  if (path) commonDialogFileName_ = *path;
  return path;
}

std::optional<std::vector<Theme>> Form1::ReadThemesOrTell(const std::wstring& path, ThemeFileRead read) {
  if (!read.status.ok()) {
    view_.MsgBox(LoadFailedMessage(path, FailureReason(read.status, InterfaceLanguage()), InterfaceLanguage()),
                 MsgBoxStyle::OKOnly | MsgBoxStyle::Exclamation);
    return std::nullopt;
  }
  // Taking such a file would empty the list and, at the close, the store.
  if (read.themes.empty()) {
    view_.MsgBox(NoThemeInFileMessage(path, InterfaceLanguage()), MsgBoxStyle::OKOnly | MsgBoxStyle::Exclamation);
    return std::nullopt;
  }
  return std::move(read.themes);
}

Form1::LoadAfterOffer Form1::OfferToSaveThemesBeforeLoad(bool cancelledSaveStops) {
  const MsgBoxAnswer answer = view_.MsgBox(SaveBeforeLoadQuestion(InterfaceLanguage()), MsgBoxStyle::YesNoCancel | MsgBoxStyle::Exclamation);
  if (answer == MsgBoxAnswer::No) return LoadAfterOffer::GoOn;
  if (answer != MsgBoxAnswer::Yes) return LoadAfterOffer::Stop;
  // A failed write stops the load, or the themes the user wanted kept would be
  // replaced.
  const SaveResult result = SaveThemesToFile(themeList_);
  if (result.outcome == SaveOutcome::Failed) {
    view_.MsgBox(SaveBeforeLoadFailedMessage(result.path, FailureReason(result.status, InterfaceLanguage()), InterfaceLanguage()), MsgBoxStyle::OKOnly | MsgBoxStyle::Exclamation);
    return LoadAfterOffer::Stop;
  }
  if (result.outcome == SaveOutcome::Cancelled) return cancelledSaveStops ? LoadAfterOffer::Stop : LoadAfterOffer::GoOn;
  return LoadAfterOffer::GoOnAfterSaving;
}

void Form1::mnOpen_Click() {
  const CommandScope command(*this);
  TakePendingColorEdit();
  // Asked before the file is chosen, the offer lets the load go on when the save
  // dialog is cancelled: the user may simply not want a copy.
  if (state_.ThemeListChanged && OfferToSaveThemesBeforeLoad(false) == LoadAfterOffer::Stop) return;

  const std::optional<std::wstring> path = AskFileToOpen();
  if (!path) return;

  // The file is read before anything changes: a file that vanished or is locked, or
  // one that holds no theme, leaves the list, the selection and the current colours
  // exactly as they were.
  std::optional<std::vector<Theme>> themes = ReadThemesOrTell(*path, ReadChosenThemeFile(*path, SectionsTaken::All));
  if (!themes) return;

  // The current-settings entry becomes current through the same handling as a click on
  // it. When it is selected already that handling is not run again: the current values,
  // unsaved edits included, simply become the new list's entry 0.
  // One step, the switch's storing of edits included: taken back, the list the load
  // replaced comes back with the edits where they were.
  const UndoableStep step(*this);
  const int revisionBefore = themeListRevision_;
  if (view_.ListIndex() != 0) view_.SetListIndex(0);
  // Edits the user just chose to keep went into the list that the load replaces: offer
  // to save the list again, or they would exist nowhere.
  if (themeListRevision_ != revisionBefore) {
    // Here the edits exist in the list alone: a cancelled save dialog keeps them, as
    // the question's Cancel does.
    const LoadAfterOffer offer = OfferToSaveThemesBeforeLoad(true);
    if (offer == LoadAfterOffer::Stop) return;
    // They may have been saved into the very file being loaded: it is read again, so
    // that the list shows what the file holds now.
    if (offer == LoadAfterOffer::GoOnAfterSaving) {
      themes = ReadThemesOrTell(*path, ReadChosenThemeFile(*path, SectionsTaken::All));
      if (!themes) return;
    }
  }

  NameStep(LoadStepName(FileNameOf(*path), InterfaceLanguage()));
  ReplaceThemeList(std::move(*themes));
  state_.ThemeListChanged = false;
  // Entry 0 of the new list holds the current values, whichever theme they came from;
  // an index into the old list would now name a theme of the file.
  state_.CurrentThemeIndex = 0;
}
