#include "tests/e2e/file_drop.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/e2e/app_driver.h"  // ThisProgramFolder

namespace {

using UnixFileNameFn = char*(CDECL*)(const wchar_t*);

UnixFileNameFn UnixFileName() {
  return reinterpret_cast<UnixFileNameFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
}

// The Unix path of a file, in the helper's command line; empty when Wine knows none.
std::wstring UnixPath(const std::wstring& path) {
  char* unixName = UnixFileName()(path.c_str());
  if (unixName == nullptr) return {};
  // Wine writes Unix names in UTF-8, whatever the ANSI code page.
  const int n = MultiByteToWideChar(CP_UTF8, 0, unixName, -1, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 1), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, unixName, -1, wide.data(), n);
  wide.resize(wide.size() - 1);
  HeapFree(GetProcessHeap(), 0, unixName);
  return wide;
}

std::string ReadAll(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

bool RunsUnderWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr && UnixFileName() != nullptr;
}

::testing::AssertionResult DropFilesThroughX(POINT screenPoint, const std::vector<std::wstring>& paths,
                                             const std::wstring& log) {
  if (!RunsUnderWine()) return ::testing::AssertionFailure() << "files are dropped through X only under Wine";
  const std::wstring helper = ThisProgramFolder() + L"\\xdnd_drop";
  if (GetFileAttributesW(helper.c_str()) == INVALID_FILE_ATTRIBUTES) {
    return ::testing::AssertionFailure() << "xdnd_drop was not built beside the test (it needs libx11-dev, which "
                                            "scripts/setup installs)";
  }
  // Wine starts a Unix program as it starts a Windows one, but hands back no process to
  // wait for: the helper's last line, "finished" or "failed: why", tells how it went.
  std::wstring command = L"\"" + helper + L"\" " + std::to_wstring(screenPoint.x) + L" " + std::to_wstring(screenPoint.y);
  for (const std::wstring& path : paths) {
    const std::wstring unixPath = UnixPath(path);
    if (unixPath.empty()) return ::testing::AssertionFailure() << "no Unix path for a dropped file";
    command += L" \"" + unixPath + L"\"";
  }
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  const HANDLE out = CreateFileW(log.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) return ::testing::AssertionFailure() << "cannot create the helper's log";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = out;
  startup.hStdError = out;
  PROCESS_INFORMATION process{};
  const BOOL started =
      CreateProcessW(helper.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
  const DWORD error = GetLastError();
  CloseHandle(out);
  if (!started) return ::testing::AssertionFailure() << "xdnd_drop did not start (error " << error << ")";
  if (process.hProcess != nullptr) CloseHandle(process.hProcess);
  if (process.hThread != nullptr) CloseHandle(process.hThread);

  std::string output;
  // Each step of the helper gives up after 30 seconds; this waits for the last of them.
  const auto ended = [&] {
    output = ReadAll(log);
    return output.find("xdnd_drop: finished") != std::string::npos ||
           output.find("xdnd_drop: failed") != std::string::npos;
  };
  for (DWORD waited = 0; !ended() && waited < 90000; waited += 50) Sleep(50);
  if (output.find("xdnd_drop: finished") == std::string::npos) {
    return ::testing::AssertionFailure() << "the drop did not finish; xdnd_drop wrote:\n" << output;
  }
  return ::testing::AssertionSuccess();
}
