// The POSIX stand-ins: mkstemp, write, fchmod, fsync, close and rename that fail on request.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/utf8.h"
#include "tests/platform/write_faults_detail.h"

namespace {

using write_faults_detail::active;
using Strike = WriteFaultInjector::Strike;

const platform::WriteCalls& System() { return platform::SystemWriteCalls(); }

bool OfTheFile(int fd) { return active && active->handle && *active->handle == fd; }

int Fail(int error) {
  errno = error;
  return -1;
}

int StandInMkstemp(char* pattern) {
  if (!active || !active->IsTemporaryOfTheFile(platform::FromUtf8(pattern))) return System().Mkstemp(pattern);
  if (active->Next(WriteStep::CreateTemp) != Strike::None) return Fail(static_cast<int>(active->Armed()->error));
  const int fd = System().Mkstemp(pattern);
  if (fd >= 0) active->handle = fd;
  return fd;
}

ssize_t StandInWrite(int fd, const void* data, size_t size) {
  if (!OfTheFile(fd)) return System().Write(fd, data, size);
  switch (active->Next(WriteStep::Write)) {
    case Strike::None:
      return System().Write(fd, data, size);
    case Strike::First:
      if (active->Armed()->kind == WriteFault::ShortCount && size > 1) return System().Write(fd, data, size / 2);
      return Fail(static_cast<int>(active->Armed()->error));
    case Strike::Later:
      break;
  }
  return Fail(static_cast<int>(active->Armed()->error));
}

int StandInFchmod(int fd, mode_t mode) {
  if (OfTheFile(fd) && active->Next(WriteStep::SetMode) != Strike::None) {
    return Fail(static_cast<int>(active->Armed()->error));
  }
  return System().Fchmod(fd, mode);
}

int StandInFsync(int fd) {
  if (OfTheFile(fd) && active->Next(WriteStep::Flush) != Strike::None) {
    return Fail(static_cast<int>(active->Armed()->error));
  }
  return System().Fsync(fd);
}

int StandInClose(int fd) {
  if (!OfTheFile(fd)) return System().Close(fd);
  active->handle.reset();
  const Strike strike = active->Next(WriteStep::Close);
  // A failed close still releases the descriptor, as close(2) does on Linux: the
  // error tells of data that never reached the disk.
  const int result = System().Close(fd);
  if (strike != Strike::None) return Fail(static_cast<int>(active->Armed()->error));
  return result;
}

int StandInRename(const char* from, const char* to) {
  if (active && active->IsTemporaryOfTheFile(platform::FromUtf8(from)) &&
      active->Next(WriteStep::Replace) != Strike::None) {
    return Fail(static_cast<int>(active->Armed()->error));
  }
  return System().Rename(from, to);
}

}  // namespace

const platform::WriteCalls& write_faults_detail::StandIns() {
  static const platform::WriteCalls calls{StandInMkstemp, StandInWrite,  StandInFchmod, StandInFsync,
                                          StandInClose,   StandInRename, ::unlink};
  return calls;
}

std::vector<WriteFault> WriteFaultTable(const WriteCallCounts& counts) {
  std::vector<WriteFault> table{
      {"mkstemp fails", WriteStep::CreateTemp, 0, WriteFault::Error, EACCES, false},
  };
  for (int call = 0; call < counts[WriteStep::Write]; ++call) {
    const std::string which = " (write " + std::to_string(call + 1) + " of " + std::to_string(counts[WriteStep::Write]) + ")";
    table.push_back({"write fails" + which, WriteStep::Write, call, WriteFault::Error, EIO, false});
    table.push_back({"write stops short, the disk full" + which, WriteStep::Write, call, WriteFault::ShortCount, ENOSPC, false});
  }
  table.push_back({"fchmod fails", WriteStep::SetMode, 0, WriteFault::Error, EPERM, false});
  table.push_back({"fsync fails", WriteStep::Flush, 0, WriteFault::Error, EIO, false});
  table.push_back({"close fails", WriteStep::Close, 0, WriteFault::Error, EDQUOT, false});
  table.push_back({"rename fails", WriteStep::Replace, 0, WriteFault::Error, EACCES, false});
  // POSIX renames over a file that another program has open; a busy target is rare
  // and not worth waiting for.
  table.push_back({"rename finds the target busy", WriteStep::Replace, 0, WriteFault::Busy, EBUSY, false});
  return table;
}
