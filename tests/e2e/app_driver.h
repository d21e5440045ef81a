#pragma once
// Starts huebrook.exe in a folder and drives its main window from outside, with the
// messages a user's mouse and keyboard would produce.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "ui/layout.h"

class AppDriver {
 public:
  // How long the driver waits for a state the program reaches by itself, even on a
  // machine busy with other things beside it.
  static constexpr DWORD kPatience = 30000;

  // Where the huebrook.exe that runs comes from.
  enum class Program {
    BesideTheTest,  // the one beside this test binary, copied into the folder first
    InTheFolder,    // the one already in the folder (unpacked from the release package)
  };
  // Starts huebrook.exe in `folder`.
  explicit AppDriver(const std::wstring& folder, Program program = Program::BesideTheTest);
  ~AppDriver();
  AppDriver(const AppDriver&) = delete;
  AppDriver& operator=(const AppDriver&) = delete;

  // The visible main window, once it is up; nullptr when it never came.
  HWND WaitForMainWindow(DWORD timeoutMs = kPatience);
  HWND main() const { return main_; }

  // The child window that the layout table places at this control's rectangle.
  HWND Control(ControlName name, int index = -1) const;

  // A left click at a point of a control's client area.
  void Click(HWND control, int x, int y) const;
  void ClickListEntry(int index) const;
  // Replaces the text of the field that has the focus, one typed character at a time.
  void TypeReplacing(HWND field, const std::wstring& text) const;
  void PressTab(HWND from) const;
  // Opens a menu of the bar with Alt+its access key, typed on the keyboard, and chooses
  // an item with the item's access key; succeeds once the menu has closed.
  ::testing::AssertionResult ChooseMenuByKeys(wchar_t menuKey, wchar_t itemKey) const;
  // Opens a menu with Alt+menu key, then presses these keys in it (arrows, Enter).
  ::testing::AssertionResult ChooseMenuByKeys(wchar_t menuKey, const std::vector<WORD>& keys) const;
  // The main window's close box.
  void ClickCloseBox() const;

  // A visible top-level window of the program, other than the main window, of this
  // class ("#32770" for message boxes and the common dialogs), once the program has
  // caught up with it (see CatchUp); nullptr when none came.
  HWND WaitForModal(const wchar_t* className, DWORD timeoutMs = kPatience) const;
  // The program's visible windows with their class, caption and static texts, to
  // explain a failed story.
  std::wstring DescribeWindows() const;
  // True once `window` is gone or hidden and the program has caught up with the main
  // window again (the focus back in place, or the window closed).
  bool WaitGone(HWND window, DWORD timeoutMs = kPatience) const;
  // Brings the thread of `window` up to date: every repaint it owes is done now, then one
  // round trip through its message loop, after which it has nothing queued and goes
  // idle. Wine hands a program the window system's news about windows that came and
  // went (the focus moving into a dialog and back) when it goes idle; handled later,
  // while a menu is open, that news closes the menu.
  void CatchUp(HWND window) const;
  // True while the program's window thread tracks a menu.
  bool InMenu() const;
  // The control that has the keyboard focus in the program's window thread.
  HWND FocusedControl() const;
  // A message box's prompt.
  static std::wstring MessageText(HWND box);
  static std::wstring ClassOf(HWND window);
  // The first window below `parent`, at any depth, with this text or of this class.
  static HWND ChildWithText(HWND parent, const std::wstring& text);
  static HWND ChildOfClass(HWND parent, const wchar_t* className);
  // A button pressed as a click on it does.
  static void Press(HWND button);
  // A key pressed and released, or characters typed, in the window that has the focus.
  static void PressKey(HWND focused, WORD vk);
  static void Type(HWND focused, const std::wstring& text);

  std::wstring Text(HWND window) const;
  // Polls `condition` every `stepMs` until it holds; false when it never did.
  bool WaitUntil(const auto& condition, DWORD timeoutMs = kPatience, DWORD stepMs = 50) const {
    for (DWORD waited = 0; waited < timeoutMs; waited += stepMs) {
      if (condition()) return true;
      Sleep(stepMs);
    }
    return condition();
  }
  // True once the process has ended, and ended well (exit code 0): a crash on the way
  // out would show the user an error report.
  bool WaitForExit(DWORD timeoutMs = kPatience);
  // The exit code once the process has ended.
  std::optional<DWORD> ExitCode() const;

 private:
  // A visible top-level window of the program, other than the main window, of this class.
  HWND VisibleWindowOfClass(const wchar_t* className) const;

  PROCESS_INFORMATION process_{};
  HWND main_ = nullptr;
};

// A window of the driving process that takes the activation from the program for as
// long as it lives, as the taskbar or another program does when the user closes the
// program from there.
class AnotherProgramActive {
 public:
  AnotherProgramActive();
  ~AnotherProgramActive();
  AnotherProgramActive(const AnotherProgramActive&) = delete;
  AnotherProgramActive& operator=(const AnotherProgramActive&) = delete;

 private:
  HWND window_ = nullptr;
};

// The folder of the running test binary.
std::wstring ThisProgramFolder();
