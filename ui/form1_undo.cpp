// Edit > Undo and Redo: every change to the themes taken back and done again, step by
// step. Files are never touched here: they are written at the close, as always, from
// what the window then shows.
#include "themes/theme_store.h"
#include "ui/form1.h"

namespace {

// Entries removed or added in a large number are shown by filling the list box again,
// in one go, rather than one by one.
constexpr int kEntriesChangedOneByOne = 64;

}  // namespace

void Form1::mnEdit_Click() {
  // A colour still being typed is taken before an undo or redo: a step of its own, and
  // the one to take back, when it changes the colour. Nothing is left to redo then.
  std::wstring typedStep;
  if (typedColorField_ >= 0 && FieldChangesColor(typedColorField_)) {
    typedStep = ColorStepName(typedColorField_, InterfaceLanguage());
  }
  const bool typed = !typedStep.empty();
  const std::wstring* undo = typed ? &typedStep : history_.CanUndo() ? &history_.NextUndo().name : nullptr;
  const std::wstring* redo = !typed && history_.CanRedo() ? &history_.NextRedo().name : nullptr;
  view_.SetMenuItemText(MenuCommand::mnUndo, UndoItemCaption(undo, InterfaceLanguage()));
  view_.SetMenuItemText(MenuCommand::mnRedo, RedoItemCaption(redo, InterfaceLanguage()));
  view_.SetMenuItemEnabled(MenuCommand::mnUndo, undo != nullptr);
  view_.SetMenuItemEnabled(MenuCommand::mnRedo, redo != nullptr);
}

void Form1::mnUndo_Click() {
  const CommandScope command(*this);
  TakePendingColorEdit();
  if (!history_.CanUndo()) return;
  UndoStep& step = history_.Undo();
  for (auto edit = step.edits.rbegin(); edit != step.edits.rend(); ++edit) ToggleListEdit(*edit);
  ShowWindowState(step.before);
}

void Form1::mnRedo_Click() {
  const CommandScope command(*this);
  TakePendingColorEdit();
  if (!history_.CanRedo()) return;
  UndoStep& step = history_.Redo();
  for (ThemeListEdit& edit : step.edits) ToggleListEdit(edit);
  ShowWindowState(step.after);
}

void Form1::ToggleListEdit(ThemeListEdit& edit) {
  edit.Toggle(themeList_);
  const ThemeListEdit::Shown shown = edit.LastToggle();
  const bool many = shown.count > kEntriesChangedOneByOne;
  switch (shown.kind) {
    case ThemeListEdit::Shown::EntriesInserted:
      if (many) {
        view_.ListReplaceAll(ThemeNames(themeList_));
      } else if (shown.index + shown.count == static_cast<int>(themeList_.size())) {
        std::vector<std::wstring_view> names;
        for (int k = 0; k < shown.count; ++k) names.push_back(themeList_[static_cast<std::size_t>(shown.index + k)].Name);
        view_.ListAppendAll(names);
      } else {
        for (int k = 0; k < shown.count; ++k) {
          view_.ListInsert(shown.index + k, themeList_[static_cast<std::size_t>(shown.index + k)].Name);
        }
      }
      break;
    case ThemeListEdit::Shown::EntriesRemoved:
      if (many) {
        view_.ListReplaceAll(ThemeNames(themeList_));
      } else {
        for (int k = shown.count - 1; k >= 0; --k) view_.ListRemove(shown.index + k);
      }
      break;
    case ThemeListEdit::Shown::EntryChanged: {
      const std::wstring& name = themeList_[static_cast<std::size_t>(shown.index)].Name;
      if (view_.ListItem(shown.index) != name) view_.SetListItem(shown.index, name);
      // Its colours may have changed with it.
      view_.RedrawListEntry(shown.index);
      break;
    }
    case ThemeListEdit::Shown::AllReplaced:
      view_.ListReplaceAll(ThemeNames(themeList_));
      break;
  }
}

void Form1::ShowWindowState(const WindowState& shown) {
  // A step that left the colours alone (a delete, a rename) leaves the preview alone.
  const bool colorsChanged = settings_.Colors != shown.colors;
  settings_.Colors = shown.colors;
  settings_.TransformTitle = shown.title;
  FillColorFields();
  if (colorsChanged) RedrawPreview();
  state_.SettingsChanged = shown.settingsChanged;
  state_.ThemeListChanged = shown.themeListChanged;
  state_.CurrentThemeIndex = shown.currentThemeIndex;
  SelectQuietly(shown.selection);
  typedColorField_ = -1;
}
