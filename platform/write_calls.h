#pragma once
// The system calls that WriteFileSafely makes, gathered in one table. The program always
// uses the system's own; tests put stand-ins in their place to make each step of a write
// fail in turn (a full disk, a flush that fails, a file held open by another program).
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/types.h>
#endif

namespace platform {

#ifdef _WIN32
struct WriteCalls {
  decltype(&::GetFileAttributesW) GetFileAttributesW;
  decltype(&::CreateFileW) CreateFileW;
  decltype(&::WriteFile) WriteFile;
  decltype(&::FlushFileBuffers) FlushFileBuffers;
  decltype(&::CloseHandle) CloseHandle;
  decltype(&::MoveFileExW) MoveFileExW;
  decltype(&::DeleteFileW) DeleteFileW;
  decltype(&::Sleep) Sleep;
};
#else
struct WriteCalls {
  int (*Mkstemp)(char* pattern);
  ssize_t (*Write)(int fd, const void* data, size_t size);
  int (*Fchmod)(int fd, mode_t mode);
  int (*Fsync)(int fd);
  int (*Close)(int fd);
  int (*Rename)(const char* from, const char* to);
  int (*Unlink)(const char* path);
};
#endif

// The system's own calls.
const WriteCalls& SystemWriteCalls();

// The table WriteFileSafely uses.
const WriteCalls& CurrentWriteCalls();

// Puts `calls` in the system's place for as long as it lives; tests only.
class ScopedWriteCalls {
 public:
  explicit ScopedWriteCalls(const WriteCalls& calls);
  ~ScopedWriteCalls();
  ScopedWriteCalls(const ScopedWriteCalls&) = delete;
  ScopedWriteCalls& operator=(const ScopedWriteCalls&) = delete;

 private:
  const WriteCalls* previous_;
};

}  // namespace platform
