// The colour fields, their choosers and the TransformTitle field.
#include "themes/color_text.h"
#include "themes/theme_ops.h"
#include "ui/form1.h"

void Form1::TakePendingColorEdit() {
  if (typedColorField_ >= 0) txtColors_LostFocus(typedColorField_);
}

bool Form1::FieldChangesColor(int index) {
  return LiftColor(TextToColor(view_.ColorFieldText(index))) != settings_.Colors[index];
}

void Form1::txtColors_Change(int index) {
  // One flag for all eighteen fields: the field that loses the focus next takes it.
  state_.ColorFieldEdited = true;
  if (!writingColorField_) typedColorField_ = index;
}

void Form1::txtColors_LostFocus(int index) {
  if (!state_.ColorFieldEdited) return;
  // A colour taken is a step of its own; one read again unchanged is none.
  const UndoableStep step(*this);
  if (index >= 0 && index < kColorSlotCount && FieldChangesColor(index)) {
    NameStep(ColorStepName(index, InterfaceLanguage()));
  }
  if (const std::optional<Color> value = CommitColorField(settings_, index, view_.ColorFieldText(index))) {
    WriteColorField(index, ColorToText(*value));
  }
  state_.SettingsChanged = true;
  RedrawPreview();
  // Writing the field back in six-digit form set it again.
  state_.ColorFieldEdited = false;
  typedColorField_ = -1;
}

void Form1::cmdBrows_Click(int index) {
  const CommandScope command(*this);
  const Color initial = TextToColor(view_.ColorFieldText(index));
  const std::optional<Color> chosen = view_.ChooseColor(initial, ColorChooserFlags::RGBInit | ColorChooserFlags::FullOpen);
  if (!chosen || *chosen == initial) return;
  const UndoableStep step(*this);
  NameStep(ColorStepName(index, InterfaceLanguage()));
  WriteColorField(index, ColorToText(LiftColor(*chosen)));
  if (ApplyColorField(settings_, index, view_.ColorFieldText(index))) RedrawPreview();
  state_.SettingsChanged = true;
}

void Form1::txtTransformTitle_Change() {
  const std::wstring text = view_.TransformTitleText();
  if (text == settings_.TransformTitle) return;
  const WindowState before = CurrentWindowState();
  settings_.TransformTitle = text;
  state_.SettingsChanged = true;
  RecordTitleTyping(before);
}

bool Form1::txtColors_HoldsTyping(int index) { return typedColorField_ == index; }
