#include "ui/form1.h"

#include <utility>

#include "platform/program_folder.h"
#include "platform/running_programs.h"
#include "themes/color_text.h"
#include "themes/theme_ops.h"
#include "ui/preview.h"

std::vector<std::wstring> ProgramsRunningFromProgramFolder() {
  return platform::ProgramsRunningFrom(platform::ProgramFolder());
}

Form1::Form1(SettingsRecord& settings, Form1View& view, ProgramsRunningBeside runningBeside)
    : settings_(settings),
      view_(view),
      inputBox_(view.InputBoxDialogView()),
      runningBeside_(std::move(runningBeside)) {}

void Form1::TakePendingColorEdit() {
  if (typedColorField_ >= 0) txtColors_LostFocus(typedColorField_);
}

void Form1::WriteColorField(int slot, const std::wstring& text) {
  const bool outer = writingColorField_;
  writingColorField_ = true;
  view_.SetColorFieldText(slot, text);
  writingColorField_ = outer;
}

Form1::CommandScope::~CommandScope() {
  if (--form_.commandDepth_ > 0) return;
  // Each batch is added in a scope of its own, so files dropped while its message is
  // open wait for that message too.
  while (form_.DropsWaiting()) {
    std::vector<std::wstring> paths;
    paths.swap(form_.dropsWaiting_);
    form_.Form_FilesDropped(paths);
  }
}

std::wstring Form1::ColorFieldText(int slot) { return view_.ColorFieldText(slot); }

void Form1::SetColorFieldText(int slot, const std::wstring& text) { WriteColorField(slot, text); }

std::wstring Form1::TransformTitleText() { return view_.TransformTitleText(); }

void Form1::SetTransformTitleText(const std::wstring& text) { view_.SetTransformTitleText(text); }

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
