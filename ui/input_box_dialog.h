#pragma once
// The input box: the modal one-line text entry that names themes.
#include <optional>
#include <string>

#include "ui/form1_events.h"
#include "ui/form1_view.h"

class InputBoxDialog : public InputBoxEvents {
 public:
  explicit InputBoxDialog(InputBoxView& view);

  // Shows the input box over `owner` with `Value` proposed and wholly selected. The
  // text exactly as entered when the user pressed OK; nullopt when the user cancelled
  // or closed it.
  std::optional<std::wstring> InputBox(const std::wstring& Value, WindowRef owner, const std::wstring& Caption);

  void OKButton_Click() override;
  void CancelButton_Click() override;

 private:
  InputBoxView& view_;
  // Per call; the title bar's close runs neither handler, so it stays false then.
  bool confirmed_ = false;
  std::wstring enteredText_;
};
