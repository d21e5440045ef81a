#pragma once
// Helpers for tests that run the real windows: pumping messages as the program's loop
// does, user input as posted messages, and a helper thread that answers a modal dialog
// the way a user would, by pressing one of its buttons.
#include "ui/win32/win32.h"

#include <functional>
#include <string>
#include <thread>

#include "tests/win32/window_text.h"

// Handles everything queued (through IsDialogMessageW for `dialog`), a few rounds.
void PumpMessages(HWND dialog);

// A left click in the middle of a control, as posted mouse messages.
void PostClick(HWND control);
void PostKey(HWND target, UINT virtualKey);
void PostChar(HWND target, wchar_t character);

// The control's rectangle in its parent's client coordinates.
RECT RectInParent(HWND control);


// A visible top-level window of `className` created by thread `threadId`; nullptr
// after `timeoutMs`.
HWND WaitForWindow(DWORD threadId, const wchar_t* className, DWORD timeoutMs = 10000);
// Polls `condition` until it holds; false when it did not within `timeoutMs`.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// Runs `answer` on a thread of its own with the first window of `className` that the
// calling thread shows (a message box is "#32770"). The thread is joined on
// destruction; `found` tells whether the window ever came.
class DialogAnswerer {
 public:
  DialogAnswerer(const wchar_t* className, std::function<void(HWND)> answer);
  ~DialogAnswerer();
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;
  bool Found();

 private:
  std::thread thread_;
  bool found_ = false;
};

// Presses a dialog's button with this id, as a click would.
void PressButton(HWND dialog, int buttonId);
