// Single themes passed around: the selected theme exported to a file of its own, and
// the themes of a file (chosen, or dropped onto the window) added to the list.
#include "themes/theme_store.h"
#include "ui/form1.h"

void Form1::mnColor_Click() {
  // The current-settings entry is no theme of the store, so it has nothing to export.
  view_.SetMenuItemEnabled(MenuCommand::mnExportTheme, view_.ListIndex() > 0);
}

void Form1::mnExportTheme_Click() {
  TakePendingColorEdit();
  const int selected = view_.ListIndex();
  if (selected <= 0) return;
  // Written as File > save writes a list holding this one theme.
  const ::ThemeList one = {themeList_.front(), themeList_[static_cast<std::size_t>(selected)]};
  const SaveResult saved = SaveThemesToFile(one);
  if (saved.Outcome == SaveOutcome::Failed) {
    view_.MsgBox(SaveFailedMessage(saved.Path, FailureReason(saved.Status, InterfaceLanguage()), InterfaceLanguage()),
                 MsgBoxStyle::OKOnly | MsgBoxStyle::Exclamation);
  }
}

void Form1::mnAddThemes_Click() {
  TakePendingColorEdit();
  const std::optional<std::wstring> path = AskFileToOpen();
  if (!path) return;
  std::optional<std::vector<Theme>> themes = ReadThemesOrTell(*path);
  if (themes) AppendThemes(std::move(*themes));
}

void Form1::Form_FilesDropped(const std::vector<std::wstring>& paths) {
  // Every file that can be added is; the others are named together afterwards.
  std::vector<UnreadFile> refused;
  bool added = false;
  for (const std::wstring& path : paths) {
    ThemeFileRead read = ReadChosenThemeFile(path);
    if (!read.Status.ok()) {
      refused.push_back({path, FailureReason(read.Status, InterfaceLanguage())});
    } else if (read.Themes.empty()) {
      refused.push_back({path, NoThemeInFileReason(InterfaceLanguage())});
    } else {
      AppendThemes(std::move(read.Themes));
      added = true;
    }
  }
  if (!refused.empty()) {
    view_.MsgBox(DroppedFilesRefusedMessage(refused, added, InterfaceLanguage()),
                 MsgBoxStyle::OKOnly | MsgBoxStyle::Exclamation);
  }
}

void Form1::AppendThemes(std::vector<Theme> themes) {
  // Equal names are kept as they are: the list allows them, and the user can rename.
  for (Theme& theme : themes) {
    view_.ListAdd(theme.Name);
    themeList_.push_back(std::move(theme));
  }
  SetThemeListChanged();
}
