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
  themeList_ = ListWithCurrentSettings(settings_, std::move(themes), CurrentSettingsName(InterfaceLanguage()));
  view_.ListReplaceAll(ThemeNames(themeList_));
}

void Form1::StoreCurrentInto(int index) {
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
}

int Form1::AppendTheme(const std::wstring& name) {
  view_.ListAdd(name);
  const int n = view_.ListCount() - 1;
  themeList_.resize(static_cast<std::size_t>(n) + 1);
  themeList_[static_cast<std::size_t>(n)].Name = name;
  StoreCurrentInto(n);
  return n;
}

std::optional<std::wstring> Form1::AskName(const std::wstring& proposal, const wchar_t* caption) {
  return inputBox_.InputBox(proposal, view_.Window(), caption);
}
