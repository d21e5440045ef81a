// Which programs run from a folder: a copy of a program started from a folder of its
// own is seen there, under its own file name, and nowhere else.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/program_folder.h"
#include "platform/running_programs.h"
#include "platform/utf8.h"
#include "tests/platform/temp_folder.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#endif

namespace {

namespace fs = std::filesystem;

// A program that waits until it is ended, copied into a folder under a name and run.
class RunningCopy {
 public:
  RunningCopy(const std::wstring& folder, const std::wstring& name) {
    const std::wstring path = platform::PathInFolder(folder, name);
#ifdef _WIN32
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const fs::path idle = fs::path(self).parent_path() / L"idle_program.exe";
    fs::copy_file(idle, fs::path(path));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::wstring command = L"\"" + path + L"\"";
    started_ = CreateProcessW(path.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                              &startup, &info) != FALSE;
    if (started_) {
      CloseHandle(info.hThread);
      process_ = info.hProcess;
    }
#else
    fs::copy_file("/bin/sleep", fs::path(platform::ToUtf8(path)));
    const std::string file = platform::ToUtf8(path);
    char* argv[] = {const_cast<char*>(file.c_str()), const_cast<char*>("60"), nullptr};
    started_ = posix_spawn(&pid_, file.c_str(), nullptr, nullptr, argv, environ) == 0;
#endif
  }
  ~RunningCopy() {
#ifdef _WIN32
    if (process_) {
      TerminateProcess(process_, 0);
      WaitForSingleObject(process_, 5000);
      CloseHandle(process_);
    }
#else
    if (started_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
#endif
  }
  RunningCopy(const RunningCopy&) = delete;
  RunningCopy& operator=(const RunningCopy&) = delete;
  bool started() const { return started_; }

 private:
  bool started_ = false;
#ifdef _WIN32
  HANDLE process_ = nullptr;
#else
  pid_t pid_ = 0;
#endif
};

bool Contains(const std::vector<std::wstring>& names, const std::wstring& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// The process list shows a new process once the system has set it up.
std::vector<std::wstring> RunningFromOnceSeen(const std::wstring& folder, const std::wstring& name) {
  std::vector<std::wstring> names;
  for (int attempt = 0; attempt < 100; ++attempt) {
    names = platform::ProgramsRunningFrom(folder);
    if (Contains(names, name)) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return names;
}

TEST(ProgramsRunningFrom, SeesAProgramStartedFromTheFolderAndOnlyThere) {
  TempFolder host;
  TempFolder elsewhere;
  EXPECT_TRUE(platform::ProgramsRunningFrom(host.folder()).empty());
  {
    RunningCopy editor(host.folder(), L"Lirva.exe");
    ASSERT_TRUE(editor.started());
    const std::vector<std::wstring> names = RunningFromOnceSeen(host.folder(), L"Lirva.exe");
    EXPECT_EQ(names, std::vector<std::wstring>{L"Lirva.exe"});
    EXPECT_TRUE(platform::ProgramsRunningFrom(elsewhere.folder()).empty());
  }
  EXPECT_TRUE(platform::ProgramsRunningFrom(host.folder()).empty());
}

#ifdef _WIN32
// Huebrook runs from the host's folder itself. (Natively CTest runs many copies of this
// binary at once, each one a program in this folder, so only the Windows run can tell.)
TEST(ProgramsRunningFrom, LeavesOutThisProgram) {
  for (const std::wstring& name : platform::ProgramsRunningFrom(platform::ProgramFolder())) {
    EXPECT_EQ(name.find(L"platform_tests"), std::wstring::npos) << platform::ToUtf8(name);
  }
}
#endif

}  // namespace
