#include "window_test_support.h"

#include <vector>

void PumpMessages(HWND dialog) {
  for (int round = 0; round < 4; ++round) {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (!dialog || !IsWindow(dialog) || !IsDialogMessageW(dialog, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
    Sleep(5);
  }
}

void PostClick(HWND control) {
  RECT client{};
  GetClientRect(control, &client);
  const LPARAM point = MAKELPARAM(client.right / 2, client.bottom / 2);
  PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageW(control, WM_LBUTTONUP, 0, point);
}

void PostKey(HWND target, UINT virtualKey) {
  PostMessageW(target, WM_KEYDOWN, virtualKey, 1);
  PostMessageW(target, WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001u));
}

void PostChar(HWND target, wchar_t character) {
  PostMessageW(target, WM_CHAR, character, 1);
}

RECT RectInParent(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

namespace {

struct Search {
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  if (IsWindowVisible(window) && ClassOf(window) == search->className) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
  for (DWORD waited = 0; waited < timeoutMs; waited += 20) {
    if (condition()) return true;
    Sleep(20);
  }
  return condition();
}

HWND WaitForWindow(DWORD threadId, const wchar_t* className, DWORD timeoutMs) {
  Search search{className, nullptr};
  WaitFor([&] {
    EnumThreadWindows(threadId, MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  }, timeoutMs);
  return search.found;
}

DialogAnswerer::DialogAnswerer(const wchar_t* className, std::function<void(HWND)> answer) {
  const DWORD uiThread = GetCurrentThreadId();
  thread_ = std::thread([this, uiThread, className, answer = std::move(answer)] {
    const HWND dialog = WaitForWindow(uiThread, className);
    if (!dialog) return;
    found_ = true;
    answer(dialog);
  });
}

DialogAnswerer::~DialogAnswerer() {
  if (thread_.joinable()) thread_.join();
}

bool DialogAnswerer::Found() {
  if (thread_.joinable()) thread_.join();
  return found_;
}

void PressButton(HWND dialog, int buttonId) {
  PostMessageW(GetDlgItem(dialog, buttonId), BM_CLICK, 0, 0);
}
