#pragma once
// The message loop of a window: Tab, the arrow keys and the access keys go through
// IsDialogMessageW; it returns once the window is gone (or WM_QUIT arrived, which is
// posted again for any outer loop).
#include "ui/win32/win32.h"

#include <functional>

// `takesKey`, when given, sees each message first and says whether it took it (the
// window's own shortcuts).
void RunMessageLoop(HWND window, const std::function<bool(const MSG&)>& takesKey = {});

// Runs the loop while `keepRunning` stays true (a modal dialog's loop).
void RunMessageLoopWhile(HWND window, const bool& keepRunning);
