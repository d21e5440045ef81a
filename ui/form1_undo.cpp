// Edit > Undo and Redo: every change to the themes taken back and done again, step by
// step. Files are never touched here: they are written at the close, as always, from
// what the window then shows.
#include <span>

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
  const std::span<const Theme> themes(themeList_);
  if (shown.kind == ThemeListEdit::Shown::AllReplaced || shown.count > kEntriesChangedOneByOne) {
    view_.ListReplaceAll(ThemeNames(themes));
    return;
  }
  switch (shown.kind) {
    case ThemeListEdit::Shown::EntriesInserted:
      if (shown.index + shown.count == static_cast<int>(themes.size())) {
        view_.ListAppendAll(ThemeNames(themes.subspan(static_cast<std::size_t>(shown.index))));
      } else {
        for (int k = shown.index; k < shown.index + shown.count; ++k) {
          view_.ListInsert(k, themes[static_cast<std::size_t>(k)].Name);
        }
      }
      break;
    case ThemeListEdit::Shown::EntriesRemoved:
      for (int k = shown.index + shown.count - 1; k >= shown.index; --k) view_.ListRemove(k);
      break;
    case ThemeListEdit::Shown::EntryChanged: {
      const std::wstring& name = themes[static_cast<std::size_t>(shown.index)].Name;
      if (view_.ListItem(shown.index) != name) view_.SetListItem(shown.index, name);
      // Its colours may have changed with it.
      view_.RedrawListEntry(shown.index);
      break;
    }
    case ThemeListEdit::Shown::AllReplaced:
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
