// The Windows stand-ins: CreateFileW, WriteFile, FlushFileBuffers, CloseHandle and
// MoveFileExW that fail on request, and a Sleep that only counts.
#include <windows.h>

#include "tests/platform/write_faults_detail.h"

namespace {

using write_faults_detail::active;
using Strike = WriteFaultInjector::Strike;

const platform::WriteCalls& System() { return platform::SystemWriteCalls(); }

bool OfTheFile(HANDLE handle) {
  return active && active->handle && *active->handle == reinterpret_cast<long long>(handle);
}

DWORD ArmedError() { return static_cast<DWORD>(active->Armed()->error); }

HANDLE WINAPI StandInCreateFileW(LPCWSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                                 DWORD disposition, DWORD flags, HANDLE templateFile) {
  if (!active || !active->IsTemporaryOfTheFile(name)) {
    return System().CreateFileW(name, access, share, security, disposition, flags, templateFile);
  }
  if (active->Next(WriteStep::CreateTemp) != Strike::None) {
    SetLastError(ArmedError());
    return INVALID_HANDLE_VALUE;
  }
  const HANDLE handle = System().CreateFileW(name, access, share, security, disposition, flags, templateFile);
  if (handle != INVALID_HANDLE_VALUE) active->handle = reinterpret_cast<long long>(handle);
  return handle;
}

BOOL WINAPI StandInWriteFile(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped) {
  if (!OfTheFile(file)) return System().WriteFile(file, data, size, written, overlapped);
  if (active->Next(WriteStep::Write) == Strike::None) return System().WriteFile(file, data, size, written, overlapped);
  if (active->Armed()->kind == WriteFault::ShortCount) {
    // A full disk: part of the data written, success reported.
    return System().WriteFile(file, data, size / 2, written, overlapped);
  }
  if (written) *written = 0;
  SetLastError(ArmedError());
  return FALSE;
}

BOOL WINAPI StandInFlushFileBuffers(HANDLE file) {
  if (OfTheFile(file) && active->Next(WriteStep::Flush) != Strike::None) {
    SetLastError(ArmedError());
    return FALSE;
  }
  return System().FlushFileBuffers(file);
}

BOOL WINAPI StandInCloseHandle(HANDLE handle) {
  if (!OfTheFile(handle)) return System().CloseHandle(handle);
  active->handle.reset();
  const Strike strike = active->Next(WriteStep::Close);
  // A failed close (a delayed write that did not reach a network drive, say) still
  // releases the handle.
  const BOOL closed = System().CloseHandle(handle);
  if (strike == Strike::None) return closed;
  SetLastError(ArmedError());
  return FALSE;
}

BOOL WINAPI StandInMoveFileExW(LPCWSTR from, LPCWSTR to, DWORD flags) {
  if (active && active->IsTemporaryOfTheFile(from) && active->Next(WriteStep::Replace) != Strike::None) {
    SetLastError(ArmedError());
    return FALSE;
  }
  return System().MoveFileExW(from, to, flags);
}

void WINAPI StandInSleep(DWORD milliseconds) {
  if (!active) {
    System().Sleep(milliseconds);
    return;
  }
  active->CountWait();
}

}  // namespace

const platform::WriteCalls& write_faults_detail::StandIns() {
  static const platform::WriteCalls calls{System().GetFileAttributesW, StandInCreateFileW,  StandInWriteFile,
                                          StandInFlushFileBuffers,     StandInCloseHandle,  StandInMoveFileExW,
                                          System().DeleteFileW,        StandInSleep};
  return calls;
}

std::vector<WriteFault> WriteFaultTable(const WriteCallCounts& counts) {
  std::vector<WriteFault> table{
      {"CreateFileW fails", WriteStep::CreateTemp, 0, WriteFault::Error, ERROR_ACCESS_DENIED, false},
      {"CreateFileW finds every temporary name taken", WriteStep::CreateTemp, 0, WriteFault::Busy, ERROR_FILE_EXISTS, false},
  };
  for (int call = 0; call < counts[WriteStep::Write]; ++call) {
    const std::string which = " (WriteFile " + std::to_string(call + 1) + " of " + std::to_string(counts[WriteStep::Write]) + ")";
    table.push_back({"WriteFile fails" + which, WriteStep::Write, call, WriteFault::Error, ERROR_WRITE_FAULT, false});
    table.push_back({"WriteFile stops short, the disk full" + which, WriteStep::Write, call, WriteFault::ShortCount,
                     ERROR_DISK_FULL, false});
  }
  table.push_back({"FlushFileBuffers fails", WriteStep::Flush, 0, WriteFault::Error, ERROR_IO_DEVICE, false});
  table.push_back({"CloseHandle fails", WriteStep::Close, 0, WriteFault::Error, ERROR_NETNAME_DELETED, false});
  table.push_back({"MoveFileExW fails", WriteStep::Replace, 0, WriteFault::Error, ERROR_ACCESS_DENIED, false});
  table.push_back({"MoveFileExW finds the file held until the retries run out", WriteStep::Replace, 0, WriteFault::Busy,
                   ERROR_SHARING_VIOLATION, true});
  return table;
}
