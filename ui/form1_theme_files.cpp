// File > load and File > save: the whole theme list to and from a text file.
#include "themes/theme_store.h"
#include "ui/form1.h"

Form1::SaveResult Form1::SaveThemesToFile() {
  SaveResult result;
  const std::optional<std::wstring> path =
      view_.ShowFileDialog(FileDialogKind::Save, kThemeFileFilter, commonDialogFileName_);
  if (!path) return result;
  commonDialogFileName_ = *path;
  result.Path = *path;
  result.Status = SaveThemeStore(themeList_, *path);
  result.Outcome = result.Status.ok() ? SaveOutcome::Saved : SaveOutcome::Failed;
  return result;
}

void Form1::mnSave_Click() {
  const SaveResult saved = SaveThemesToFile();
  if (saved.Outcome == SaveOutcome::Failed) {
    view_.MsgBox(SaveFailedMessage(saved.Path, saved.Status.reason()),
                 MsgBoxStyle::OKOnly | MsgBoxStyle::Exclamation);
  }
}

void Form1::mnOpen_Click() {
  if (state_.ThemeListChanged) {
    const MsgBoxAnswer answer =
        view_.MsgBox(kSaveBeforeLoadQuestion, MsgBoxStyle::YesNoCancel | MsgBoxStyle::Exclamation);
    if (answer == MsgBoxAnswer::Yes) {
      // A cancelled save dialog lets the load go on, as the user chose; a failed write
      // does not, or the themes the user wanted kept would be replaced.
      const SaveResult saved = SaveThemesToFile();
      if (saved.Outcome == SaveOutcome::Failed) {
        view_.MsgBox(SaveBeforeLoadFailedMessage(saved.Path, saved.Status.reason()),
                     MsgBoxStyle::OKOnly | MsgBoxStyle::Exclamation);
        return;
      }
    } else if (answer != MsgBoxAnswer::No) {
      return;
    }
  }

  const std::optional<std::wstring> path =
      view_.ShowFileDialog(FileDialogKind::Open, kThemeFileFilter, commonDialogFileName_);
  if (!path) return;
  commonDialogFileName_ = *path;

  // The current-settings entry becomes current through the same handling as a click on
  // it. When it is selected already that handling is not run again: the current values,
  // unsaved edits included, simply become the new list's entry 0.
  if (view_.ListIndex() != 0) view_.SetListIndex(0);

  const platform::IoStatus loaded = LoadThemeStore(themeList_, settings_, *this, *path);
  if (!loaded.ok()) {
    // The loader reads the whole file before it changes anything, so the themes the
    // user had are still in the list and the list box, as they were.
    view_.MsgBox(LoadFailedMessage(*path, loaded.reason()),
                 MsgBoxStyle::OKOnly | MsgBoxStyle::Exclamation);
    return;
  }
  state_.ThemeListChanged = false;
  // Entry 0 of the new list holds the current values, whichever theme they came from;
  // an index into the old list would now name a theme of the file.
  state_.CurrentThemeIndex = 0;
}
