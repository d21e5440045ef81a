#include "ui/form1.h"

#include <utility>

#include "themes/color_text.h"
#include "themes/theme_ops.h"
#include "themes/theme_store.h"
#include "ui/preview.h"

Form1::Form1(SettingsRecord& settings, Form1View& view, ProgramsRunningBeside runningBeside)
    : settings_(settings),
      view_(view),
      inputBox_(view.InputBoxDialogView()),
      runningBeside_(std::move(runningBeside)) {
  view_.SetListEntryColors([this](int index) { return EntryColors(index); });
}

// The window may outlive the logic (it is taken down after it): it draws no strip then.
Form1::~Form1() { view_.SetListEntryColors({}); }

std::optional<ColorArray> Form1::EntryColors(int index) const {
  if (index == 0) return settings_.Colors;
  if (index < 0 || index >= static_cast<int>(themeList_.size())) return std::nullopt;
  return themeList_[static_cast<std::size_t>(index)].Colors;
}

void Form1::WriteColorField(int slot, const std::wstring& text) {
  const bool outer = writingColorField_;
  writingColorField_ = true;
  view_.SetColorFieldText(slot, text);
  writingColorField_ = outer;
}

void Form1::FillColorFields() {
  // Each write raises the field's change handler, so ColorFieldEdited ends up set; the
  // title field finds its text equal to the stored one and changes nothing.
  for (int i = 0; i < kColorSlotCount; ++i) WriteColorField(i, ColorToText(settings_.Colors[i]));
  view_.SetTransformTitleText(settings_.TransformTitle);
}

void Form1::SetThemeListChanged() {
  state_.ThemeListChanged = true;
  ++themeListRevision_;
}

void Form1::RedrawPreview() {
  ::RedrawPreview(view_.Preview(), settings_.Colors, InterfaceLanguage());
  // Every change of the current colours redraws the preview, so entry 0 follows here.
  view_.RedrawListEntry(0);
}

void Form1::ReplaceThemeList(std::vector<Theme> themes) {
  ThemeList replaced = ListWithCurrentSettings(settings_, std::move(themes), CurrentSettingsName(InterfaceLanguage()));
  replaced.swap(themeList_);
  RecordListEdit(ThemeListEdit::Replaced(std::move(replaced)));
  view_.ListReplaceAll(ThemeNames(themeList_));
  shownSelection_ = -1;
}

void Form1::StoreCurrentInto(int index) {
  if (index < 0 || index >= static_cast<int>(themeList_.size())) return;
  RecordListEdit(ThemeListEdit::Changed(index, themeList_[static_cast<std::size_t>(index)]));
  if (StoreIntoTheme(themeList_, settings_, index)) SetThemeListChanged();
  // Its strip shows what it holds now.
  view_.RedrawListEntry(index);
}

void Form1::LoadCurrentFrom(int index) {
  if (LoadFromTheme(themeList_, settings_, index)) FillColorFields();
}

void Form1::MakeCurrent(int index) {
  state_.SettingsChanged = false;
  SetThemeListChanged();
  state_.CurrentThemeIndex = index;
  SelectQuietly(index);
}

void Form1::SelectQuietly(int index) {
  state_.ListClickSuppressed = true;
  view_.SetListIndex(index);
  state_.ListClickSuppressed = false;
  shownSelection_ = index;
}

int Form1::AppendTheme(const std::wstring& name) {
  view_.ListAdd(name);
  const int n = view_.ListCount() - 1;
  themeList_.resize(static_cast<std::size_t>(n) + 1);
  themeList_[static_cast<std::size_t>(n)].Name = name;
  RecordListEdit(ThemeListEdit::Inserted(n, 1));
  if (StoreIntoTheme(themeList_, settings_, n)) SetThemeListChanged();
  return n;
}

// --- Steps of the history ------------------------------------------------------------

Form1::UndoableStep::UndoableStep(Form1& form) : form_(form), outermost_(!form.recording_) {
  if (!outermost_) return;
  form_.recording_.emplace();
  form_.recording_->before = form_.CurrentWindowState();
}

Form1::UndoableStep::~UndoableStep() {
  if (!outermost_) return;
  UndoStep step = std::move(*form_.recording_);
  form_.recording_.reset();
  // A step the user would see in the Edit menu: named, or one that changed the list
  // (whose changes must be there to be taken back before any earlier step).
  if (step.name.empty() && step.edits.empty()) return;
  step.after = form_.CurrentWindowState();
  form_.history_.Push(std::move(step));
}

void Form1::NameStep(std::wstring name) {
  if (recording_) recording_->name = std::move(name);
}

void Form1::RecordListEdit(ThemeListEdit edit) {
  if (recording_) {
    recording_->edits.push_back(std::move(edit));
    return;
  }
  // A change of the list that no step holds: the steps before it could no longer be
  // taken back onto the list as it is now.
  history_.Clear();
}

WindowState Form1::CurrentWindowState() {
  return {settings_.Colors,        settings_.TransformTitle, state_.CurrentThemeIndex,
          view_.ListIndex(),       state_.SettingsChanged,   state_.ThemeListChanged};
}

void Form1::RecordTitleTyping(const WindowState& before) {
  if (recording_) return;  // part of the step being made
  if (UndoStep* typing = history_.OpenTitleTyping()) {
    typing->after = CurrentWindowState();
    return;
  }
  UndoStep step{TitleStepName(InterfaceLanguage()), before, CurrentWindowState(), {}, true};
  history_.Push(std::move(step));
}

std::optional<std::wstring> Form1::AskName(const std::wstring& proposal, const wchar_t* caption) {
  return inputBox_.InputBox(proposal, view_.Window(), caption);
}
