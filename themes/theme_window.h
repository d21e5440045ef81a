#pragma once
// What the theme operations need of the main window. The window implements it; tests
// implement it with a recorder, so these operations can be tested without a window.
#include <string>

class ThemeWindow {
 public:
  virtual std::wstring ColorFieldText(int slot) = 0;              // txtColors(slot)
  virtual void SetColorFieldText(int slot, const std::wstring& text) = 0;
  virtual std::wstring TransformTitleText() = 0;                   // txtTransformTitle
  virtual void SetTransformTitleText(const std::wstring& text) = 0;
  virtual void FillColorFields() = 0;
  virtual void SetThemeListChanged() = 0;
  virtual void RedrawPreview() = 0;

 protected:
  ~ThemeWindow() = default;
};
