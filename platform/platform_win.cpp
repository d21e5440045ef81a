// Windows services. Every call is the Unicode form; files are in the ANSI code page,
// which is 932 (Shift-JIS) on the users' Japanese systems.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/io_status.h"
#include "platform/system_services.h"
#include "platform/write_calls.h"

namespace platform {

namespace detail {
std::wstring SystemProgramFolder() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return L".";
    if (n < buffer.size()) {
      std::wstring path(buffer.data(), n);
      std::size_t slash = path.find_last_of(L"\\/");
      return slash == std::wstring::npos ? L"." : path.substr(0, slash);
    }
    buffer.resize(buffer.size() * 2);
  }
}
}  // namespace detail

namespace {

std::wstring SystemReason(DWORD error) { return SystemErrorReason(error); }

class FileHandle {
 public:
  explicit FileHandle(HANDLE h, decltype(&::CloseHandle) close = ::CloseHandle) : handle_(h), close_(close) {}
  ~FileHandle() { Close(); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  void Reset(HANDLE h) {
    Close();
    handle_ = h;
  }
  BOOL Close() {
    BOOL ok = TRUE;
    if (valid()) ok = close_(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    return ok;
  }

 private:
  HANDLE handle_;
  decltype(&::CloseHandle) close_;
};

std::wstring FullPath(const std::wstring& path) {
  DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (n == 0) return path;
  std::wstring full(n, L'\0');
  n = GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
  full.resize(n);
  return full;
}

// How long a read or a write waits for a file another program holds: 20 x 100 ms.
constexpr int kTransientRetries = 20;
constexpr DWORD kTransientRetryMs = 100;

bool Transient(DWORD error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION; }

}  // namespace

std::wstring SystemErrorReason(unsigned long error) {
  wchar_t* text = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                               FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring reason;
  if (n != 0 && text != nullptr) {
    reason.assign(text, n);
    while (!reason.empty() && (reason.back() == L'\r' || reason.back() == L'\n' || reason.back() == L' ')) {
      reason.pop_back();
    }
  }
  if (text != nullptr) LocalFree(text);
  if (reason.empty()) reason = L"Windows error " + std::to_wstring(error);
  return reason;
}

const WriteCalls& SystemWriteCalls() {
  static const WriteCalls calls{::GetFileAttributesW, ::CreateFileW,  ::WriteFile, ::FlushFileBuffers,
                                ::CloseHandle,        ::MoveFileExW,  ::DeleteFileW, ::Sleep};
  return calls;
}

namespace detail {

std::string EncodeSubstituting(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const char substitute[] = "?";
  int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, substitute, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, out.data(), n, substitute, nullptr);
  return out;
}

bool DecodeStrictly(std::string_view bytes, std::wstring& text) {
  text.clear();
  if (bytes.empty()) return true;
  const int length = static_cast<int>(bytes.size());
  const int n = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
  if (n == 0) return false;
  text.resize(static_cast<std::size_t>(n));
  MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), length, text.data(), n);
  return true;
}

bool IsLeadByte(unsigned char b) { return IsDBCSLeadByteEx(CP_ACP, b) != FALSE; }

}  // namespace detail

PathKind KindOfPath(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Nothing;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return PathKind::Folder;
  if (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) return PathKind::HiddenOrSystemFile;
  return PathKind::PlainFile;
}

bool PlainFileExists(const std::wstring& path) { return KindOfPath(path) == PathKind::PlainFile; }

namespace {

// The volume and index that name a file whatever path leads to it.
std::optional<BY_HANDLE_FILE_INFORMATION> FileIdentity(const std::wstring& path) {
  FileHandle file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION info{};
  if (!file.valid() || !GetFileInformationByHandle(file.get(), &info)) return std::nullopt;
  return info;
}

}  // namespace

bool SameFile(const std::wstring& a, const std::wstring& b) {
  const auto first = FileIdentity(a);
  const auto second = FileIdentity(b);
  return first && second && first->dwVolumeSerialNumber == second->dwVolumeSerialNumber &&
         first->nFileIndexHigh == second->nFileIndexHigh && first->nFileIndexLow == second->nFileIndexLow;
}

std::uint64_t FileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

IoStatus detail::ReadFilePiecesOfSystem(const std::wstring& path, const std::function<void(std::string_view)>& onPiece) {
  // The host or a virus scanner may hold the file for a moment, as at a write; a read
  // that gave up at once would make the file count as unreadable for the whole run.
  FileHandle file(INVALID_HANDLE_VALUE);
  for (int attempt = 0; !file.valid(); ++attempt) {
    file.Reset(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.valid()) break;
    const DWORD error = GetLastError();
    if (!Transient(error) || attempt >= kTransientRetries) return IoStatus::Failed(SystemReason(error));
    Sleep(kTransientRetryMs);
  }
  char buffer[kFilePieceSize];
  for (int attempt = 0;;) {
    DWORD n = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr)) {
      // A byte-range lock another program holds for a moment.
      const DWORD error = GetLastError();
      if (!Transient(error) || ++attempt > kTransientRetries) return IoStatus::Failed(SystemReason(error));
      Sleep(kTransientRetryMs);
      continue;
    }
    if (n == 0) break;
    onPiece(std::string_view(buffer, n));
  }
  return IoStatus::Ok();
}

IoStatus WriteFileSafely(const std::wstring& path, std::string_view bytes) {
  const WriteCalls& sys = CurrentWriteCalls();
  // MoveFileExW wants absolute paths to replace in one step; ReplaceFileW is avoided
  // because Wine moves the old file away first.
  const std::wstring target = FullPath(path);
  DWORD attributes = sys.GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return IoStatus::Failed(SystemReason(ERROR_ACCESS_DENIED));
    // Windows refuses to replace a read-only file and Wine silently does; either way
    // the user marked it so, and we never clear the mark.
    if (attributes & FILE_ATTRIBUTE_READONLY) return IoStatus::Failed(SystemReason(ERROR_ACCESS_DENIED));
  }

  std::wstring temp;
  FileHandle file(INVALID_HANDLE_VALUE, sys.CloseHandle);
  DWORD createError = ERROR_FILE_EXISTS;
  for (int attempt = 0; attempt < 100 && !file.valid(); ++attempt) {
    temp = target + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(attempt) + L".tmp";
    file.Reset(sys.CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.valid()) break;
    createError = GetLastError();
    if (createError != ERROR_FILE_EXISTS && createError != ERROR_ALREADY_EXISTS) break;
  }
  if (!file.valid()) return IoStatus::Failed(SystemReason(createError));

  auto fail = [&](DWORD error) {
    file.Close();
    sys.DeleteFileW(temp.c_str());
    return IoStatus::Failed(SystemReason(error));
  };

  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
    DWORD written = 0;
    if (!sys.WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr)) return fail(GetLastError());
    // A full disk can report success for a short write.
    if (written != chunk) return fail(ERROR_DISK_FULL);
    done += written;
  }
  if (!sys.FlushFileBuffers(file.get())) return fail(GetLastError());
  if (!file.Close()) return fail(GetLastError());

  // Another program (the host, an editor, a virus scanner) may hold the file for a
  // moment; try again briefly before giving up.
  for (int attempt = 0;; ++attempt) {
    if (sys.MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return IoStatus::Ok();
    }
    DWORD error = GetLastError();
    if (!Transient(error) || attempt >= kTransientRetries) return fail(error);
    sys.Sleep(kTransientRetryMs);
  }
}

}  // namespace platform
