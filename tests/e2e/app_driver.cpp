#include "tests/e2e/app_driver.h"

#include <cmath>
#include <vector>

#include "ui/form1_view.h"

std::wstring ThisProgramFolder() {
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, n);
  return folder.substr(0, folder.find_last_of(L'\\'));
}

AppDriver::AppDriver(const std::wstring& folder) {
  const std::wstring exe = folder + L"\\huebrook.exe";
  CopyFileW((ThisProgramFolder() + L"\\huebrook.exe").c_str(), exe.c_str(), FALSE);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring command = L"\"" + exe + L"\"";
  CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                 &process_);
}

AppDriver::~AppDriver() {
  if (process_.hProcess != nullptr) {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.hProcess, 1);
      WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
}

namespace {

struct WindowSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindVisibleMainWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  wchar_t title[64] = {};
  GetWindowTextW(window, title, 64);
  if (pid == search->processId && IsWindowVisible(window) && std::wstring(title) == kProgramTitle) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

struct ChildSearch {
  HWND parent;
  RECT expected;
  HWND found;
};

BOOL CALLBACK FindChildAt(HWND child, LPARAM param) {
  auto* search = reinterpret_cast<ChildSearch*>(param);
  if (GetParent(child) != search->parent) return TRUE;
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(HWND_DESKTOP, search->parent, reinterpret_cast<POINT*>(&r), 2);
  auto close = [](LONG a, LONG b) { return std::abs(a - b) <= 2; };
  if (close(r.left, search->expected.left) && close(r.top, search->expected.top) &&
      close(r.right, search->expected.right) && close(r.bottom, search->expected.bottom)) {
    search->found = child;
    return FALSE;
  }
  return TRUE;
}

// Twips to pixels at the window's DPI (the tests run at 96 DPI: 15 twips a pixel).
LONG Pixels(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }

}  // namespace

HWND AppDriver::WaitForMainWindow(DWORD timeoutMs) {
  WaitUntil(timeoutMs, [&] {
    WindowSearch search{process_.dwProcessId, nullptr};
    EnumWindows(FindVisibleMainWindow, reinterpret_cast<LPARAM>(&search));
    main_ = search.found;
    return main_ != nullptr;
  });
  return main_;
}

HWND AppDriver::Control(ControlName name, int index) const {
  const ControlSpec* spec = FindControl(Form1Controls(), name, index);
  if (spec == nullptr || main_ == nullptr) return nullptr;
  HDC dc = GetDC(main_);
  int dpi = GetDeviceCaps(dc, LOGPIXELSX);
  ReleaseDC(main_, dc);
  ChildSearch search{main_,
                     {Pixels(spec->rect.left, dpi), Pixels(spec->rect.top, dpi),
                      Pixels(spec->rect.left + spec->rect.width, dpi), Pixels(spec->rect.top + spec->rect.height, dpi)},
                     nullptr};
  EnumChildWindows(main_, FindChildAt, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void AppDriver::Click(HWND control, int x, int y) const {
  PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void AppDriver::ClickListEntry(int index) const {
  HWND list = Control(ControlName::List1);
  int height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  Click(list, 10, height * index + height / 2);
}

void AppDriver::TypeReplacing(HWND field, const std::wstring& text) const {
  Click(field, 3, 3);
  PostMessageW(field, EM_SETSEL, 0, -1);
  for (wchar_t c : text) PostMessageW(field, WM_CHAR, c, 1);
}

void AppDriver::PressTab(HWND from) const {
  PostMessageW(from, WM_KEYDOWN, VK_TAB, 1);
  PostMessageW(from, WM_KEYUP, VK_TAB, 0xC0000001);
}

namespace {
INPUT Key(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}
}  // namespace

bool AppDriver::ChooseMenuByKeys(wchar_t menuKey, wchar_t itemKey) const {
  return ChooseMenuByKeys(menuKey, std::vector<WORD>{static_cast<WORD>(itemKey)});
}

bool AppDriver::ChooseMenuByKeys(wchar_t menuKey, const std::vector<WORD>& keys) const {
  SetForegroundWindow(main_);
  if (!WaitUntil(3000, [&] { return GetForegroundWindow() == main_; })) return false;
  INPUT open[] = {Key(VK_MENU, false), Key(static_cast<WORD>(menuKey), false), Key(static_cast<WORD>(menuKey), true),
                  Key(VK_MENU, true)};
  SendInput(4, open, sizeof(INPUT));
  // The menu opens in the program's own loop; its items take keys once it shows.
  if (WaitForModal(L"#32768", 3000) == nullptr) return false;
  for (WORD key : keys) {
    INPUT press[] = {Key(key, false), Key(key, true)};
    if (SendInput(2, press, sizeof(INPUT)) != 2) return false;
    Sleep(50);
  }
  return true;
}

void AppDriver::ClickCloseBox() const { PostMessageW(main_, WM_SYSCOMMAND, SC_CLOSE, 0); }

namespace {

struct ModalSearch {
  DWORD processId;
  HWND main;
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK FindModal(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<ModalSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  if (pid == search->processId && window != search->main && IsWindowVisible(window) &&
      std::wstring(className) == search->className) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

struct DescendantSearch {
  const std::wstring* text;
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK FindDescendant(HWND child, LPARAM param) {
  auto* search = reinterpret_cast<DescendantSearch*>(param);
  wchar_t buffer[256] = {};
  if (search->text) {
    SendMessageW(child, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buffer));
    if (*search->text != buffer) return TRUE;
  } else {
    GetClassNameW(child, buffer, 256);
    if (lstrcmpiW(buffer, search->className) != 0) return TRUE;
  }
  search->found = child;
  return FALSE;
}

BOOL CALLBACK FindLongestStatic(HWND child, LPARAM param) {
  auto* longest = reinterpret_cast<std::wstring*>(param);
  wchar_t className[64] = {};
  GetClassNameW(child, className, 64);
  if (lstrcmpiW(className, L"Static") != 0) return TRUE;
  wchar_t text[1024] = {};
  SendMessageW(child, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
  if (wcslen(text) > longest->size()) *longest = text;
  return TRUE;
}

}  // namespace

namespace {

struct Description {
  DWORD processId;
  std::wstring text;
};

BOOL CALLBACK DescribeStatic(HWND child, LPARAM param) {
  wchar_t className[64] = {};
  GetClassNameW(child, className, 64);
  wchar_t text[512] = {};
  SendMessageW(child, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  if (lstrcmpiW(className, L"Static") == 0 && text[0] != 0) {
    reinterpret_cast<Description*>(param)->text += std::wstring(L"  \"") + text + L"\"\n";
  }
  return TRUE;
}

BOOL CALLBACK DescribeTopLevel(HWND window, LPARAM param) {
  auto* description = reinterpret_cast<Description*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != description->processId || !IsWindowVisible(window)) return TRUE;
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  wchar_t title[256] = {};
  GetWindowTextW(window, title, 256);
  description->text += std::wstring(className) + L" \"" + title + L"\"\n";
  EnumChildWindows(window, DescribeStatic, param);
  return TRUE;
}

}  // namespace

std::wstring AppDriver::DescribeWindows() const {
  Description description{process_.dwProcessId, {}};
  EnumWindows(DescribeTopLevel, reinterpret_cast<LPARAM>(&description));
  return description.text;
}

HWND AppDriver::WaitForModal(const wchar_t* className, DWORD timeoutMs) const {
  HWND found = nullptr;
  WaitUntil(timeoutMs, [&] {
    ModalSearch search{process_.dwProcessId, main_, className, nullptr};
    EnumWindows(FindModal, reinterpret_cast<LPARAM>(&search));
    found = search.found;
    return found != nullptr;
  });
  return found;
}

bool AppDriver::WaitGone(HWND window, DWORD timeoutMs) const {
  return WaitUntil(timeoutMs, [&] { return !IsWindow(window) || !IsWindowVisible(window); });
}

HWND AppDriver::FocusedControl() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(process_.dwThreadId, &info) ? info.hwndFocus : nullptr;
}

std::wstring AppDriver::MessageText(HWND box) {
  std::wstring longest;
  EnumChildWindows(box, FindLongestStatic, reinterpret_cast<LPARAM>(&longest));
  return longest;
}

HWND AppDriver::ChildWithText(HWND parent, const std::wstring& text) {
  DescendantSearch search{&text, nullptr, nullptr};
  EnumChildWindows(parent, FindDescendant, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND AppDriver::ChildOfClass(HWND parent, const wchar_t* className) {
  DescendantSearch search{nullptr, className, nullptr};
  EnumChildWindows(parent, FindDescendant, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void AppDriver::Press(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

void AppDriver::PressKey(HWND focused, WORD vk) {
  PostMessageW(focused, WM_KEYDOWN, vk, 1);
  PostMessageW(focused, WM_KEYUP, vk, 0xC0000001);
}

void AppDriver::Type(HWND focused, const std::wstring& text) {
  for (wchar_t c : text) PostMessageW(focused, WM_CHAR, c, 1);
}

std::wstring AppDriver::Text(HWND window) const {
  wchar_t text[512] = {};
  SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  return text;
}

bool AppDriver::WaitForExit(DWORD timeoutMs) {
  if (process_.hProcess == nullptr || WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
  return ExitCode() == 0u;
}

std::optional<DWORD> AppDriver::ExitCode() const {
  DWORD code = 0;
  if (process_.hProcess == nullptr || WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0 ||
      !GetExitCodeProcess(process_.hProcess, &code)) {
    return std::nullopt;
  }
  return code;
}
