#include "tests/e2e/story.h"

#include <chrono>
#include <fstream>
#include <iostream>
#include <thread>

#include "platform/code_page.h"
#include "ui/form1_view.h"
#include "tests/e2e/screen_capture.h"

namespace fs = std::filesystem;

namespace {

std::wstring Hex(Color c, bool pad) {
  wchar_t text[16];
  swprintf(text, 16, pad ? L"%06X" : L"%X", static_cast<unsigned>(c));
  return text;
}

}  // namespace

std::string Lines(const std::vector<std::wstring>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += platform::ToCodePage(line) + "\r\n";
  return bytes;
}

std::vector<std::wstring> SettingLines(const std::wstring& folder, const ColorArray& colors, const std::wstring& title) {
  std::vector<std::wstring> lines = {
      L"OtoList0=" + folder + L"\\voice,あ,0,100,200,50,20",
      L"CacheEnable=1",
      L"Tool1Path=" + folder + L"\\wavtool.exe",
      L"Tool2Path=" + folder + L"\\resampler.exe",
      L"History1=" + folder + L"\\さくら.ust",
  };
  for (const auto& slot : kColorSlots) lines.push_back(std::wstring(slot.key) + L"=&H" + Hex(colors[slot.slot], false));
  lines.push_back(L"TransformTitle=" + title);
  lines.push_back(L"CompPitchDatas=1");
  lines.push_back(L"EncPitchDatas=1");
  lines.push_back(L"MainWindow=10,20,800,600");
  lines.push_back(L"FutureOption=7");  // a key a newer host writes and we keep
  return lines;
}

std::vector<std::wstring> ThemeLines(const std::wstring& name, const ColorArray& colors, const std::wstring& title) {
  std::vector<std::wstring> lines = {L"[" + name + L"]"};
  for (const auto& slot : kColorSlots) lines.push_back(std::wstring(slot.key) + L"=&H" + Hex(colors[slot.slot], true));
  lines.push_back(L"TransformTitle=" + title);
  return lines;
}

ColorArray StandardColors() {
  ColorArray colors{};
  for (const auto& slot : kColorSlots) colors[slot.slot] = slot.standard;
  return colors;
}

std::string Utf8(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
  return bytes;
}

std::string StoreBytes(const std::vector<StoredTheme>& themes) {
  std::string bytes;
  for (const auto& theme : themes) bytes += Lines(ThemeLines(theme.name, theme.colors, theme.title));
  return bytes;
}

const ColorArray kNightColors = {0x303030, 0x101010, 0x282020, 0x201818, 0x8080FF, 0x604040,
                                 0x181010, 0xE0E0E0, 0x404040, 0x40A0FF, 0x8060FF, 0x6040C0,
                                 0xFFFFFF, 0xFFFFFF, 0xE0E0FF, 0x505050, 0x707070, 0x606060};
const StoredTheme kNight = {L"夜空", kNightColors, L"夜の歌"};
const StoredTheme kStandard = {L"Standard", StandardColors(), L""};
const StoredTheme kSea = {L"海", {0xFFF0E0, 0x804020, 0xFFE8D0, 0xF0D8C0, 0xC08040, 0xE0B080, 0xFFF8F0, 0x402010,
                                  0xC0A080, 0xFF8000, 0xFFC040, 0xC06000, 0xFFFFFF, 0x000000, 0x000000, 0xFFFFFF,
                                  0xE0E0E0, 0xC0C0C0},
                          L"波"};
const wchar_t kStartTitle[] = L"元のタイトル";

Story::Story() {
  // A folder with a Japanese name, so that every path goes through the Unicode calls.
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  folder_ = fs::temp_directory_path() /
            (L"huebrook-e2e-歌声-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
             platform::FromCodePage(std::string(test->name())));
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
  fs::create_directories(folder_);
}

Story::~Story() {
  app_.reset();  // the program goes before its folder
  std::error_code ignored;
  fs::permissions(File(L"setting.ini"), fs::perms::owner_write, fs::perm_options::add, ignored);
  fs::remove_all(folder_, ignored);
}

void Story::TearDown() {
  if (!HasFailure() || !app_) return;
  if (const auto code = app_->ExitCode()) {
    std::cout << "The program ended with exit code " << *code << "\n";
    return;
  }
  std::cout << "The program runs and shows:\n" << Utf8(app_->DescribeWindows());
  if (app_->main() != nullptr && IsWindow(app_->main())) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    ScreenCapture(GetDesktopWindow()).SaveBmp(ThisProgramFolder() + L"\\e2e-failed-" +
                                              platform::FromCodePage(std::string(test->name())) + L".bmp");
  }
}

void Story::WriteLirvaFolder(const std::vector<StoredTheme>& store) {
  Write(L"wavtool.exe", "");
  Write(L"resampler.exe", "");
  settingBytes_ = Lines(SettingLines(folder_.wstring(), StandardColors(), kStartTitle));
  Write(L"setting.ini", settingBytes_);
  // Whole seconds survive every file system's date resolution.
  writtenAt_ = std::chrono::floor<std::chrono::seconds>(fs::file_time_type::clock::now() - std::chrono::hours(1));
  fs::last_write_time(File(L"setting.ini"), writtenAt_);
  storeBytes_ = StoreBytes(store);
  std::error_code ignored;
  fs::remove(File(L"lirvacolors.ini"), ignored);
  if (!store.empty()) {
    Write(L"lirvacolors.ini", storeBytes_);
    fs::last_write_time(File(L"lirvacolors.ini"), writtenAt_);
  }
}

bool Story::StartProgram() {
  LaunchProgram();
  return app_->WaitForMainWindow() != nullptr;
}

void Story::LaunchProgram() { app_ = std::make_unique<AppDriver>(folder_.wstring()); }

::testing::AssertionResult Story::AnswerMessageBox(const std::wstring& prompt, int answer, bool wholePrompt) {
  const HWND box = app_->WaitForModal(L"#32770");
  if (box == nullptr) return ::testing::AssertionFailure() << "no message box came";
  const std::wstring caption = app_->Text(box);
  const std::wstring shown = AppDriver::MessageText(box);
  const HWND button = GetDlgItem(box, answer);
  const bool matches = wholePrompt ? shown == prompt : shown.starts_with(prompt);
  if (caption != kProgramTitle || !matches || button == nullptr) {
    return ::testing::AssertionFailure() << "message box " << Utf8(caption) << ": " << Utf8(shown) << (button ? "" : " (without that button)");
  }
  AppDriver::Press(button);
  if (!app_->WaitGone(box)) return ::testing::AssertionFailure() << "the message box stayed";
  return ::testing::AssertionSuccess();
}

void ChooseFile(AppDriver& app, HWND dialog, const std::wstring& path) {
  const HWND box = AppDriver::ChildOfClass(GetDlgItem(dialog, kFileNameBox), L"Edit");
  ASSERT_NE(box, nullptr) << "no file name box";
  SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  AppDriver::PressKey(box, VK_RETURN);
  ASSERT_TRUE(app.WaitGone(dialog)) << "the file dialog stayed";
}

namespace {

// Everything a pipe carries until its last writer is gone.
void Drain(HANDLE pipe, std::string& into) {
  char buffer[4096];
  DWORD n = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &n, nullptr) && n > 0) into.append(buffer, n);
}

}  // namespace

CommandOutput Story::RunCommand(const std::wstring& program, const std::wstring& arguments) const {
  CommandOutput result;
  const std::wstring path = File(program);
  // Copied once: a program the story started from the folder holds its file.
  if (!Exists(program) && !CopyFileW((ThisProgramFolder() + L"\\" + program).c_str(), path.c_str(), FALSE)) {
    ADD_FAILURE() << "no " << Utf8(program) << " beside the test";
    return result;
  }
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  HANDLE outRead = nullptr, outWrite = nullptr, errRead = nullptr, errWrite = nullptr;
  if (!CreatePipe(&outRead, &outWrite, &inherited, 0) || !CreatePipe(&errRead, &errWrite, &inherited, 0)) {
    ADD_FAILURE() << "no pipes";
    return result;
  }
  SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = outWrite;
  startup.hStdError = errWrite;
  std::wstring command = L"\"" + path + L"\" " + arguments;
  PROCESS_INFORMATION process{};
  const bool started = CreateProcessW(path.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      folder_.c_str(), &startup, &process);
  // Only the program holds the writing ends now: the pipes end when it does.
  CloseHandle(outWrite);
  CloseHandle(errWrite);
  if (started) {
    std::thread outReader([&] { Drain(outRead, result.out); });
    std::thread errReader([&] { Drain(errRead, result.err); });
    if (WaitForSingleObject(process.hProcess, AppDriver::kPatience) == WAIT_TIMEOUT) {
      ADD_FAILURE() << Utf8(program + L" " + arguments) << " did not end: it waits for something";
      TerminateProcess(process.hProcess, 1);
      WaitForSingleObject(process.hProcess, 5000);
    }
    outReader.join();
    errReader.join();
    GetExitCodeProcess(process.hProcess, &result.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  } else {
    ADD_FAILURE() << Utf8(program) << " did not start";
  }
  CloseHandle(outRead);
  CloseHandle(errRead);
  return result;
}

std::wstring Story::File(const std::wstring& name) const { return folder_.wstring() + L"\\" + name; }

void Story::Write(const std::wstring& name, const std::string& bytes) const {
  std::ofstream(fs::path(File(name)), std::ios::binary) << bytes;
}

std::string Story::Read(const std::wstring& name) const {
  std::ifstream in(fs::path(File(name)), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Story::Exists(const std::wstring& name) const { return fs::exists(fs::path(File(name))); }

bool Story::Untouched(const std::wstring& name) const {
  const std::string& written = name == L"setting.ini" ? settingBytes_ : storeBytes_;
  std::error_code error;
  const auto time = fs::last_write_time(fs::path(File(name)), error);
  return !error && time == writtenAt_ && Read(name) == written;
}

std::vector<std::wstring> Story::ListEntries() const {
  std::vector<std::wstring> entries;
  const HWND list = List();
  const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    entries.push_back(text);
  }
  return entries;
}

bool Story::RulerBandShows(Color color) const {
  const HWND preview = app_->Control(ControlName::Picture1);
  return app_->WaitUntil([&] { return ScreenCapture(app_->main()).PixelInClient(preview, 200, 20) == color; });
}

int Story::ListSelection() const { return static_cast<int>(SendMessageW(List(), LB_GETCURSEL, 0, 0)); }
