#pragma once
// Starts huebrook.exe in a folder and drives its main window from outside, with the
// messages a user's mouse and keyboard would produce.
#include <windows.h>

#include <string>

#include "ui/layout.h"

class AppDriver {
 public:
  // Copies the program (found beside this test binary) into `folder` and starts it there.
  explicit AppDriver(const std::wstring& folder);
  ~AppDriver();
  AppDriver(const AppDriver&) = delete;
  AppDriver& operator=(const AppDriver&) = delete;

  // The visible main window, once it is up; nullptr when it never came.
  HWND WaitForMainWindow(DWORD timeoutMs = 30000);
  HWND main() const { return main_; }

  // The child window that the layout table places at this control's rectangle.
  HWND Control(ControlName name, int index = -1) const;

  // A left click at a point of a control's client area.
  void Click(HWND control, int x, int y) const;
  void ClickListEntry(int index) const;
  // Replaces the text of the field that has the focus, one typed character at a time.
  void TypeReplacing(HWND field, const std::wstring& text) const;
  void PressTab(HWND from) const;
  // Opens a menu of the bar and chooses an item with their access keys, as typed on
  // the keyboard (Alt+menu key, then the item key).
  bool ChooseMenuByKeys(wchar_t menuKey, wchar_t itemKey) const;

  std::wstring Text(HWND window) const;
  bool WaitUntil(DWORD timeoutMs, const auto& condition) const {
    for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
      if (condition()) return true;
      Sleep(50);
    }
    return condition();
  }
  // True once the process has ended.
  bool WaitForExit(DWORD timeoutMs);

 private:
  PROCESS_INFORMATION process_{};
  HWND main_ = nullptr;
};

// The folder of the running test binary.
std::wstring ThisProgramFolder();
