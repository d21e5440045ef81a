#include "tests/e2e/app_driver.h"

#include "tests/win32/window_text.h"

#include <cmath>
#include <functional>
#include <vector>

#include "ui/form1_view.h"
#include "ui/drawing_rules.h"

std::wstring ThisProgramFolder() {
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, n);
  return folder.substr(0, folder.find_last_of(L'\\'));
}

AppDriver::AppDriver(const std::wstring& folder, Program program) {
  const std::wstring exe = folder + L"\\huebrook.exe";
  if (program == Program::BesideTheTest) {
    CopyFileW((ThisProgramFolder() + L"\\huebrook.exe").c_str(), exe.c_str(), FALSE);
  }
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

BOOL CALLBACK VisitStep(HWND window, LPARAM param) {
  return (*reinterpret_cast<const std::function<bool(HWND)>*>(param))(window) ? TRUE : FALSE;
}

// Calls `visit` for every top-level window (no parent) or every descendant of `parent`
// until it returns false.
void EachWindow(HWND parent, const std::function<bool(HWND)>& visit) {
  const LPARAM param = reinterpret_cast<LPARAM>(&visit);
  if (parent) {
    EnumChildWindows(parent, VisitStep, param);
  } else {
    EnumWindows(VisitStep, param);
  }
}

HWND FirstWindow(HWND parent, const std::function<bool(HWND)>& match) {
  HWND found = nullptr;
  EachWindow(parent, [&](HWND window) {
    if (!match(window)) return true;
    found = window;
    return false;
  });
  return found;
}

DWORD ProcessOf(HWND window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  return pid;
}

std::wstring TitleOf(HWND window) {
  wchar_t title[256] = {};
  GetWindowTextW(window, title, 256);
  return title;
}

bool IsStatic(HWND window) { return lstrcmpiW(ClassOf(window).c_str(), L"Static") == 0; }

// Twips to pixels at the window's DPI, as the program places its controls.
LONG Pixels(int twips, int dpi) { return TwipsToPixel(twips, dpi); }

}  // namespace

HWND AppDriver::WaitForMainWindow(DWORD timeoutMs) {
  WaitUntil([&] {
    main_ = FirstWindow(nullptr, [&](HWND window) {
      return ProcessOf(window) == process_.dwProcessId && IsWindowVisible(window) && TitleOf(window) == kProgramTitle;
    });
    return main_ != nullptr;
  }, timeoutMs);
  return main_;
}

HWND AppDriver::Control(ControlName name, int index) const {
  const ControlSpec* spec = FindControl(Form1Controls(), name, index);
  if (spec == nullptr || main_ == nullptr) return nullptr;
  HDC dc = GetDC(main_);
  int dpi = GetDeviceCaps(dc, LOGPIXELSX);
  ReleaseDC(main_, dc);
  const RECT expected{Pixels(spec->rect.left, dpi), Pixels(spec->rect.top, dpi),
                      Pixels(spec->rect.left + spec->rect.width, dpi),
                      Pixels(spec->rect.top + spec->rect.height, dpi)};
  auto within2 = [](LONG a, LONG b) { return std::abs(a - b) <= 2; };
  return FirstWindow(main_, [&](HWND child) {
    if (GetParent(child) != main_) return false;
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, main_, reinterpret_cast<POINT*>(&r), 2);
    return within2(r.left, expected.left) && within2(r.top, expected.top) && within2(r.right, expected.right) &&
           within2(r.bottom, expected.bottom);
  });
}

void AppDriver::Click(HWND control, int x, int y) const {
  // The pointer goes where the click is, as a mouse would be. Between the button's down
  // and up the control holds the capture, and a mouse move that the window system
  // sends meanwhile (a window came or went under the pointer) would otherwise drag a
  // list's selection to the line at the pointer.
  POINT at{x, y};
  ClientToScreen(control, &at);
  SetCursorPos(at.x, at.y);
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

::testing::AssertionResult AppDriver::ChooseMenuByKeys(wchar_t menuKey, wchar_t itemKey) const {
  return ChooseMenuByKeys(menuKey, std::vector<WORD>{static_cast<WORD>(itemKey)});
}

::testing::AssertionResult AppDriver::ChooseMenuByKeys(wchar_t menuKey, const std::vector<WORD>& keys) const {
  SetForegroundWindow(main_);
  if (!WaitUntil([&] { return GetForegroundWindow() == main_; })) {
    return ::testing::AssertionFailure() << "the main window never came to the foreground";
  }
  // A menu opened before the program has taken in the news of the dialogs that just
  // closed would be closed again by that news.
  CatchUp(main_);
  INPUT open[] = {Key(VK_MENU, false), Key(static_cast<WORD>(menuKey), false), Key(static_cast<WORD>(menuKey), true),
                  Key(VK_MENU, true)};
  if (SendInput(4, open, sizeof(INPUT)) != 4) return ::testing::AssertionFailure() << "the keys were not sent";
  HWND popup = nullptr;
  if (!WaitUntil([&] { return (popup = VisibleWindowOfClass(L"#32768")) != nullptr; }, kPatience, 5)) {
    return ::testing::AssertionFailure() << "no menu opened";
  }
  // The menu takes keys from its thread's queue whatever window they are for; sent to
  // the menu's own window, keys that come after the menu closed are dropped with it
  // instead of reaching the control that has the focus then.
  for (WORD key : keys) {
    if (!PostMessageW(popup, WM_KEYDOWN, key, 1)) {
      return ::testing::AssertionFailure() << "the menu closed before it took its keys";
    }
    // The key that chooses an item closes the menu as it goes down, which may be before
    // its up is posted: that up then has nowhere to go, and needs none.
    PostMessageW(popup, WM_KEYUP, key, 0xC0000001);
  }
  if (!WaitUntil([&] { return !InMenu(); })) return ::testing::AssertionFailure() << "the menu stayed open";
  return ::testing::AssertionSuccess();
}

void AppDriver::ClickCloseBox() const { PostMessageW(main_, WM_SYSCOMMAND, SC_CLOSE, 0); }

std::wstring AppDriver::DescribeWindows() const {
  std::wstring text;
  EachWindow(nullptr, [&](HWND window) {
    if (ProcessOf(window) != process_.dwProcessId || !IsWindowVisible(window)) return true;
    text += ClassOf(window) + L" \"" + TitleOf(window) + L"\"\n";
    EachWindow(window, [&](HWND child) {
      const std::wstring shown = TextOf(child);
      if (IsStatic(child) && !shown.empty()) text += L"  \"" + shown + L"\"\n";
      return true;
    });
    return true;
  });
  return text;
}

HWND AppDriver::VisibleWindowOfClass(const wchar_t* className) const {
  return FirstWindow(nullptr, [&](HWND window) {
    return ProcessOf(window) == process_.dwProcessId && window != main_ && IsWindowVisible(window) &&
           ClassOf(window) == className;
  });
}

HWND AppDriver::WaitForModal(const wchar_t* className, DWORD timeoutMs) const {
  HWND found = nullptr;
  if (WaitUntil([&] { return (found = VisibleWindowOfClass(className)) != nullptr; }, timeoutMs)) CatchUp(found);
  return found;
}

bool AppDriver::WaitGone(HWND window, DWORD timeoutMs) const {
  if (!WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs)) return false;
  if (main_ != nullptr && IsWindow(main_)) CatchUp(main_);
  return true;
}

void AppDriver::CatchUp(HWND window) const {
  // Both calls return once the window's thread has done what they ask, or at once for a
  // window that is gone meanwhile.
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kPatience, &ignored);
}

bool AppDriver::InMenu() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(process_.dwThreadId, &info) && (info.flags & GUI_INMENUMODE) != 0;
}

HWND AppDriver::FocusedControl() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(process_.dwThreadId, &info) ? info.hwndFocus : nullptr;
}

std::wstring AppDriver::MessageText(HWND box) {
  std::wstring longest;
  EachWindow(box, [&](HWND child) {
    const std::wstring shown = TextOf(child);
    if (IsStatic(child) && shown.size() > longest.size()) longest = shown;
    return true;
  });
  return longest;
}

HWND AppDriver::ChildWithText(HWND parent, const std::wstring& text) {
  return FirstWindow(parent, [&](HWND child) { return TextOf(child) == text; });
}

HWND AppDriver::ChildOfClass(HWND parent, const wchar_t* className) {
  return FirstWindow(parent, [&](HWND child) { return lstrcmpiW(ClassOf(child).c_str(), className) == 0; });
}

void AppDriver::Press(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

void AppDriver::PressKey(HWND focused, WORD vk) {
  PostMessageW(focused, WM_KEYDOWN, vk, 1);
  PostMessageW(focused, WM_KEYUP, vk, 0xC0000001);
}

void AppDriver::Type(HWND focused, const std::wstring& text) {
  for (wchar_t c : text) PostMessageW(focused, WM_CHAR, c, 1);
}

std::wstring AppDriver::Text(HWND window) const { return TextOf(window); }

std::wstring AppDriver::ClassOf(HWND window) { return ::ClassOf(window); }

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

AnotherProgramActive::AnotherProgramActive() {
  window_ = CreateWindowExW(0, L"STATIC", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(window_);
  SetFocus(window_);
}

AnotherProgramActive::~AnotherProgramActive() { DestroyWindow(window_); }
