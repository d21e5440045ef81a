// Single themes passed around: the selected theme exported to a file of its own, and
// the themes of a chosen file added to the list.
#include "themes/theme_ops.h"
#include "themes/theme_store.h"
#include "ui/form1.h"

void Form1::mnColor_Click() {
  // The current-settings entry is no theme of the store, so it has nothing to export.
  view_.SetMenuItemEnabled(MenuCommand::mnExportTheme, view_.ListIndex() > 0);
}

bool Form1::SettleEditsBeforeExport(int selected) {
  // The fields show edits of this theme that the theme does not hold yet: exporting it
  // as stored without a word would hand out something other than what the user sees.
  if (!state_.SettingsChanged || selected != state_.CurrentThemeIndex) return true;
  const MsgBoxAnswer answer =
      view_.MsgBox(SwitchQuestion(InterfaceLanguage()), MsgBoxStyle::YesNoCancel | MsgBoxStyle::Exclamation);
  if (answer == MsgBoxAnswer::Yes) {
    const UndoableStep step(*this);
    NameStep(SaveIntoThemeStepName(view_.ListItem(selected), InterfaceLanguage()));
    StoreCurrentInto(selected);
    state_.SettingsChanged = false;
    return true;
  }
  return answer == MsgBoxAnswer::No;
}

void Form1::mnExportTheme_Click() {
  const CommandScope command(*this);
  TakePendingColorEdit();
  const int selected = view_.ListIndex();
  if (selected <= 0) return;
  if (!SettleEditsBeforeExport(selected)) return;
  const Theme& theme = themeList_[static_cast<std::size_t>(selected)];
  // Written as File > save writes a list holding this one theme. The dialog proposes
  // the theme's own name: the file last loaded or saved holds a whole collection, and
  // one Yes to the overwrite prompt would replace it with this one theme.
  const ::ThemeList one = {themeList_.front(), theme};
  const SaveResult saved =
      SaveThemesToFile(one, ThemeFileNameFor(theme.Name, UnnamedThemeFileName(InterfaceLanguage())));
  if (saved.outcome == SaveOutcome::Failed) {
    view_.MsgBox(ExportFailedMessage(saved.path, FailureReason(saved.status, InterfaceLanguage()), InterfaceLanguage()),
                 MsgBoxStyle::OKOnly | MsgBoxStyle::Exclamation);
  }
}

void Form1::mnAddThemes_Click() {
  const CommandScope command(*this);
  TakePendingColorEdit();
  const std::optional<std::wstring> path = AskFileToOpen();
  if (!path) return;
  std::optional<std::vector<Theme>> themes = ReadThemesOrTell(*path, ReadThemeFileToAdd(*path));
  if (!themes) return;
  const UndoableStep step(*this);
  NameStep(AddThemesStepName(InterfaceLanguage()));
  AppendThemes(std::move(*themes));
}
