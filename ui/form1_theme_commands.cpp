// The theme list: switching themes, and the Theme menu.
#include "settings/settings_file.h"
#include "themes/theme_ops.h"
#include "ui/form1.h"

void Form1::List1_Click() {
  const CommandScope command(*this);
  if (state_.ListClickSuppressed) return;
  const int selected = view_.ListIndex();
  if (selected < 0) return;
  // The list box has moved its selection already: the step starts from where it was.
  const UndoableStep step(*this);
  if (step.Outermost()) recording_->before.selection = shownSelection_;

  if (state_.SettingsChanged) {
    const MsgBoxAnswer answer =
        view_.MsgBox(SwitchQuestion(InterfaceLanguage()), MsgBoxStyle::YesNoCancel | MsgBoxStyle::Exclamation);
    if (answer == MsgBoxAnswer::Yes) {
      if (state_.CurrentThemeIndex <= 0) {
        // The edits of the current settings become a theme of their own. Cancelling
        // the name drops them, as the switch goes on.
        const std::optional<std::wstring> name =
            AskName(NewThemeProposal(view_.ListCount(), InterfaceLanguage()), NewThemeCaption(InterfaceLanguage()));
        if (name) {
          NameStep(NewThemeStepName(*name, InterfaceLanguage()));
          state_.CurrentThemeIndex = selected;
          AppendTheme(*name);
          state_.SettingsChanged = false;
          SelectQuietly(state_.CurrentThemeIndex);
        }
      } else {
        NameStep(SaveIntoThemeStepName(view_.ListItem(state_.CurrentThemeIndex), InterfaceLanguage()));
        StoreCurrentInto(state_.CurrentThemeIndex);
      }
    } else if (answer != MsgBoxAnswer::No) {
      // Back to the theme the fields still show.
      SelectQuietly(state_.CurrentThemeIndex);
      return;
    }
  }

  state_.CurrentThemeIndex = selected;
  LoadCurrentFrom(selected);
  RedrawPreview();
  state_.SettingsChanged = false;
  shownSelection_ = selected;
}

void Form1::mnNewTheme_Click() {
  const CommandScope command(*this);
  TakePendingColorEdit();
  // Decide first what the new theme starts from, but change nothing before the name
  // is confirmed: a cancelled name leaves the current colours as the fields show them.
  bool startFromStandard = true;
  bool storeIntoCurrentFirst = false;
  if (state_.SettingsChanged) {
    if (state_.CurrentThemeIndex <= 0) {
      const MsgBoxAnswer answer = view_.MsgBox(ApplyToNewThemeQuestion(InterfaceLanguage()),
                                               MsgBoxStyle::YesNoCancel | MsgBoxStyle::Exclamation);
      if (answer == MsgBoxAnswer::Yes) {
        startFromStandard = false;
      } else if (answer != MsgBoxAnswer::No) {
        return;
      }
    } else {
      const std::wstring current = view_.ListItem(state_.CurrentThemeIndex);
      const MsgBoxAnswer answer = view_.MsgBox(SaveIntoThemeQuestion(current, InterfaceLanguage()),
                                               MsgBoxStyle::YesNoCancel | MsgBoxStyle::Exclamation);
      if (answer == MsgBoxAnswer::Yes) {
        storeIntoCurrentFirst = true;
      } else if (answer == MsgBoxAnswer::No) {
        startFromStandard = false;
      } else {
        return;
      }
    }
  }

  const std::optional<std::wstring> name =
      AskName(NewThemeProposal(view_.ListCount(), InterfaceLanguage()), NewThemeCaption(InterfaceLanguage()));
  if (!name) return;

  const UndoableStep step(*this);
  NameStep(NewThemeStepName(*name, InterfaceLanguage()));
  if (storeIntoCurrentFirst) StoreCurrentInto(state_.CurrentThemeIndex);
  if (startFromStandard) SetStandardColors(settings_);
  const int n = AppendTheme(*name);
  FillColorFields();
  RedrawPreview();
  MakeCurrent(n);
}

void Form1::mnDup_Click() {
  const CommandScope command(*this);
  TakePendingColorEdit();
  const int i = view_.ListIndex();
  if (i < 0) return;
  const UndoableStep step(*this);
  if (state_.SettingsChanged) {
    const MsgBoxAnswer answer =
        view_.MsgBox(SwitchQuestion(InterfaceLanguage()), MsgBoxStyle::YesNoCancel | MsgBoxStyle::Exclamation);
    if (answer == MsgBoxAnswer::Yes) {
      StoreCurrentInto(i);
    } else if (answer == MsgBoxAnswer::No) {
      LoadCurrentFrom(i);
    } else {
      return;
    }
  }
  const std::wstring name = i == 0 ? std::wstring(CurrentSettingsCopyName(InterfaceLanguage())) : CopyName(view_.ListItem(i), InterfaceLanguage());
  NameStep(DuplicateStepName(view_.ListItem(i), InterfaceLanguage()));
  const int n = AppendTheme(name);
  RedrawPreview();
  MakeCurrent(n);
}

void Form1::mnRename_Click() {
  const CommandScope command(*this);
  TakePendingColorEdit();
  const int i = view_.ListIndex();
  if (i < 0) return;
  const std::optional<std::wstring> name = AskName(view_.ListItem(i), RenameCaption(InterfaceLanguage()));
  if (!name) return;
  const UndoableStep step(*this);
  NameStep(RenameStepName(view_.ListItem(i), InterfaceLanguage()));
  RecordListEdit(ThemeListEdit::Changed(i, themeList_[static_cast<std::size_t>(i)]));
  themeList_[static_cast<std::size_t>(i)].Name = *name;
  view_.SetListItem(i, *name);
  SetThemeListChanged();
}

void Form1::mnDelete_Click() {
  const CommandScope command(*this);
  TakePendingColorEdit();
  const int i = view_.ListIndex();
  if (i <= 0) return;
  if (view_.MsgBox(DeleteQuestion(view_.ListItem(i), InterfaceLanguage()), MsgBoxStyle::OKCancel | MsgBoxStyle::Exclamation) !=
      MsgBoxAnswer::OK) {
    return;
  }

  const UndoableStep step(*this);
  NameStep(DeleteStepName(view_.ListItem(i), InterfaceLanguage()));
  view_.ListRemove(i);
  RecordListEdit(ThemeListEdit::Removed(i, themeList_[static_cast<std::size_t>(i)]));
  RemoveTheme(themeList_, i);
  // The current-settings entry becomes current; unsaved edits go with the deleted theme.
  state_.ListClickSuppressed = true;
  view_.SetListIndex(0);
  LoadCurrentFrom(0);
  RedrawPreview();
  state_.ListClickSuppressed = false;

  state_.SettingsChanged = false;
  SetThemeListChanged();
  state_.CurrentThemeIndex = 0;
  shownSelection_ = 0;
}

void Form1::mnInit_Click() {
  const CommandScope command(*this);
  TakePendingColorEdit();
  const UndoableStep step(*this);
  NameStep(StandardColorsStepName(InterfaceLanguage()));
  SetStandardColors(settings_);
  FillColorFields();
  RedrawPreview();
  state_.SettingsChanged = true;
}
