#include "ui/win32/message_loop.h"

namespace {

// False when the loop has to end: WM_QUIT (posted again) or an error.
bool PumpOne(HWND window, const std::function<bool(const MSG&)>& takesKey = {}) {
  MSG message{};
  const BOOL got = GetMessageW(&message, nullptr, 0, 0);
  if (got == 0) {
    PostQuitMessage(static_cast<int>(message.wParam));
    return false;
  }
  if (got == -1) return false;
  if (takesKey && takesKey(message)) return true;
  if (!IsWindow(window) || !IsDialogMessageW(window, &message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}

}  // namespace

void RunMessageLoop(HWND window, const std::function<bool(const MSG&)>& takesKey) {
  while (IsWindow(window) && PumpOne(window, takesKey)) {
  }
}

void RunMessageLoopWhile(HWND window, const bool& keepRunning) {
  while (keepRunning && IsWindow(window) && PumpOne(window)) {
  }
}
