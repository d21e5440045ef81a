// Which programs run from a folder: the host editor started from its own folder
// rewrites setting.ini when it exits.
#include <windows.h>
#include <tlhelp32.h>

#include <string>
#include <vector>

#include "platform/running_programs.h"

namespace platform {

namespace {

// The long, absolute form of a path, so that two spellings of one folder compare equal.
std::wstring Canonical(const std::wstring& path) {
  DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (n == 0) return path;
  std::wstring full(n, L'\0');
  full.resize(GetFullPathNameW(path.c_str(), n, full.data(), nullptr));
  n = GetLongPathNameW(full.c_str(), nullptr, 0);
  if (n == 0) return full;
  std::wstring longer(n, L'\0');
  longer.resize(GetLongPathNameW(full.c_str(), longer.data(), n));
  return longer;
}

bool SameText(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

std::wstring ImagePath(DWORD processId) {
  const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (process == nullptr) return {};
  std::wstring path(32768, L'\0');
  DWORD size = static_cast<DWORD>(path.size());
  const bool found = QueryFullProcessImageNameW(process, 0, path.data(), &size) != FALSE;
  CloseHandle(process);
  path.resize(found ? size : 0);
  return path;
}

}  // namespace

std::vector<std::wstring> ProgramsRunningFrom(const std::wstring& folder) {
  std::vector<std::wstring> names;
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return names;
  const std::wstring wanted = Canonical(folder);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ProcessID == GetCurrentProcessId()) continue;
    const std::wstring image = ImagePath(entry.th32ProcessID);
    const std::size_t slash = image.find_last_of(L"\\/");
    if (slash == std::wstring::npos) continue;
    if (SameText(Canonical(image.substr(0, slash)), wanted)) names.push_back(image.substr(slash + 1));
  }
  CloseHandle(snapshot);
  return names;
}

}  // namespace platform
