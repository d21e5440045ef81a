#include "tests/e2e/keyboard.h"

#include <vector>

namespace {

INPUT Key(WORD vk, WORD scan, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = scan;
  input.ki.dwFlags = flags;
  return input;
}

bool Send(std::vector<INPUT> inputs) {
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  // The program's loop takes the keys in its own time.
  Sleep(60);
  return sent == inputs.size();
}

}  // namespace

bool PressKeys(std::initializer_list<WORD> keys) {
  for (const WORD key : keys) {
    if (!Send({Key(key, 0, 0), Key(key, 0, KEYEVENTF_KEYUP)})) return false;
  }
  return true;
}

bool PressWith(WORD modifier, WORD key) {
  return Send({Key(modifier, 0, 0), Key(key, 0, 0), Key(key, 0, KEYEVENTF_KEYUP), Key(modifier, 0, KEYEVENTF_KEYUP)});
}

bool PressWithAlt(WORD key) { return PressWith(VK_MENU, key); }

bool TypeKeys(const std::wstring& text) {
  for (const wchar_t c : text) {
    if (!Send({Key(0, c, KEYEVENTF_UNICODE), Key(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP)})) return false;
  }
  return true;
}
