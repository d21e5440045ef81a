#pragma once
// The modal one-line text entry that names themes.
#include <string>

#include "ui/form1_events.h"
#include "ui/form1_view.h"

class InputBoxDialog : public InputBoxEvents {
 public:
  explicit InputBoxDialog(InputBoxView& view);

  // Shows the dialog over `owner` with `Value` proposed and wholly selected. True when
  // the user pressed OK; `Value` then holds the text exactly as entered. On false
  // `Value` is left as it came in.
  bool InputBox(std::wstring& Value, WindowRef owner, const std::wstring& Caption);

  void OKButton_Click() override;
  void CancelButton_Click() override;

 private:
  InputBoxView& view_;
  // Per call; the title bar's close runs neither handler, so it stays false then.
  bool confirmed_ = false;
  std::wstring enteredText_;
};
