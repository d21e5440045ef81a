// Files dropped onto the window: their themes are added at the end of the list, at
// once or, while a command has a modal window open, once that command has ended.
#include "themes/theme_store.h"
#include "ui/form1.h"

Form1::CommandScope::~CommandScope() {
  if (--form_.commandDepth_ > 0 || form_.addingWaitingDrops_) return;
  // One batch after another, each in a scope of its own, so that files dropped while
  // its message is open wait for that message too; never one inside the other.
  form_.addingWaitingDrops_ = true;
  while (form_.DropsWaiting()) {
    std::vector<std::wstring> paths;
    paths.swap(form_.dropsWaiting_);
    form_.Form_FilesDropped(paths);
  }
  form_.addingWaitingDrops_ = false;
}

void Form1::Form_FilesDropped(const std::vector<std::wstring>& paths) {
  if (commandDepth_ > 0) {
    dropsWaiting_.insert(dropsWaiting_.end(), paths.begin(), paths.end());
    return;
  }
  const CommandScope command(*this);
  // Every file that can be added is; the others are named together afterwards.
  std::vector<UnreadFile> refused;
  bool added = false;
  {
    // The themes of every file of one drop are one step.
    const UndoableStep step(*this);
    for (const std::wstring& path : paths) {
      ThemeFileRead read = ReadThemeFileToAdd(path);
      if (!read.status.ok()) {
        refused.push_back({path, FailureReason(read.status, InterfaceLanguage())});
      } else if (read.themes.empty()) {
        refused.push_back({path, NoThemeInFileReason(InterfaceLanguage())});
      } else {
        AppendThemes(std::move(read.themes));
        added = true;
      }
    }
    if (added) NameStep(DroppedThemesStepName(InterfaceLanguage()));
  }
  if (!refused.empty()) {
    view_.MsgBox(DroppedFilesRefusedMessage(refused, added, InterfaceLanguage()),
                 MsgBoxStyle::OKOnly | MsgBoxStyle::Exclamation);
  }
}

void Form1::AppendThemes(std::vector<Theme> themes) {
  RecordListEdit(ThemeListEdit::Inserted(static_cast<int>(themeList_.size()), static_cast<int>(themes.size())));
  // Equal names are kept as they are: the list allows them, and the user can rename.
  // The list box takes them all in one call, held from redrawing, as at start-up.
  view_.ListAppendAll(ThemeNames(themes));
  themeList_.insert(themeList_.end(), std::make_move_iterator(themes.begin()), std::make_move_iterator(themes.end()));
  SetThemeListChanged();
}
