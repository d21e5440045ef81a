#include "ui/input_box_dialog.h"

InputBoxDialog::InputBoxDialog(InputBoxView& view) : view_(view) {}

std::optional<std::wstring> InputBoxDialog::InputBox(const std::wstring& Value, WindowRef owner,
                                                     const std::wstring& Caption) {
  confirmed_ = false;
  view_.SetCaption(Caption);
  view_.SetInputText(Value);
  // Typing replaces the whole proposal.
  view_.SetInputSelection(0, static_cast<int>(Value.size()));
  view_.ShowModal(owner, *this);
  if (!confirmed_) return std::nullopt;
  return enteredText_;
}

void InputBoxDialog::OKButton_Click() {
  enteredText_ = view_.InputText();
  confirmed_ = true;
  view_.Close();
}

void InputBoxDialog::CancelButton_Click() {
  confirmed_ = false;
  view_.Close();
}
