#include "ui/form1.h"

#include <utility>

#include "themes/color_text.h"
#include "themes/theme_ops.h"
#include "ui/preview.h"

Form1::Form1(SettingsRecord& settings, Form1View& view, ProgramsRunningBeside runningBeside)
    : settings_(settings),
      view_(view),
      inputBox_(view.InputBoxDialogView()),
      runningBeside_(std::move(runningBeside)) {}

void Form1::TakePendingColorEdit() {
  const int field = view_.FocusedColorField();
  if (field >= 0) txtColors_LostFocus(field);
}

std::wstring Form1::ColorFieldText(int slot) { return view_.ColorFieldText(slot); }

void Form1::SetColorFieldText(int slot, const std::wstring& text) { view_.SetColorFieldText(slot, text); }

std::wstring Form1::TransformTitleText() { return view_.TransformTitleText(); }

void Form1::SetTransformTitleText(const std::wstring& text) { view_.SetTransformTitleText(text); }

void Form1::FillColorFields() {
  // Each write raises the field's change handler, so ColorFieldEdited ends up set; the
  // title field finds its text equal to the stored one and changes nothing.
  for (int i = 0; i < kColorSlotCount; ++i) view_.SetColorFieldText(i, ColorToText(settings_.Colors[i]));
  view_.SetTransformTitleText(settings_.TransformTitle);
}

void Form1::SetThemeListChanged() {
  state_.ThemeListChanged = true;
  ++themeListRevision_;
}

void Form1::RedrawPreview() { ::RedrawPreview(view_.Preview(), settings_.Colors, InterfaceLanguage()); }

void Form1::ReplaceListEntries(const std::vector<std::wstring_view>& names) { view_.ListReplaceAll(names); }

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
  StoreIntoTheme(themeList_, settings_, n, *this);
  return n;
}

bool Form1::AskName(std::wstring& name, const wchar_t* caption) {
  return inputBox_.InputBox(name, view_.Window(), caption);
}
