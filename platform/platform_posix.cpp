// POSIX services: used by the native build, where the tests run. Files are in code
// page 932, as on the users' Japanese systems.
#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>

#include "platform/files.h"
#include "platform/io_status.h"
#include "platform/system_services.h"
#include "platform/utf8.h"
#include "platform/write_calls.h"

namespace platform {

namespace detail {
std::wstring SystemProgramFolder() {
  char buffer[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return L".";
  std::string path(buffer, static_cast<std::size_t>(n));
  std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return L".";
  return FromUtf8(path.substr(0, slash));
}
}  // namespace detail

namespace {

std::wstring ErrnoReason(int error) { return SystemErrorReason(static_cast<unsigned long>(error)); }

class Iconv {
 public:
  Iconv(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  ~Iconv() {
    if (handle_ != reinterpret_cast<iconv_t>(-1)) iconv_close(handle_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;
  bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return handle_; }

 private:
  iconv_t handle_;
};

// Converts as much as iconv can; on a character it cannot convert (or an incomplete
// one at the end) it emits `substitute` and skips `skip` input bytes.
std::string Convert(const Iconv& cd, const char* in, std::size_t inLeft, const std::string& substitute,
                    std::size_t skip) {
  std::string out;
  char buffer[4096];
  iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
  while (inLeft > 0) {
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    char* inPtr = const_cast<char*>(in);
    std::size_t r = iconv(cd.get(), &inPtr, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    in = inPtr;
    if (r == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) continue;
      out += substitute;
      std::size_t n = skip < inLeft ? skip : inLeft;
      in += n;
      inLeft -= n;
      iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
    }
  }
  return out;
}

}  // namespace

std::wstring SystemErrorReason(unsigned long code) { return FromUtf8(std::strerror(static_cast<int>(code))); }

const WriteCalls& SystemWriteCalls() {
  static const WriteCalls calls{::mkstemp, ::write, ::fchmod, ::fsync, ::close, ::rename, ::unlink};
  return calls;
}

namespace detail {

std::string EncodeSubstituting(std::wstring_view text) {
  static const Iconv cd("CP932", "WCHAR_T");
  if (!cd.valid()) return ToUtf8(text);
  return Convert(cd, reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t), "?",
                 sizeof(wchar_t));
}

bool DecodeStrictly(std::string_view bytes, std::wstring& text) {
  static const Iconv cd("WCHAR_T", "CP932");
  if (!cd.valid()) {
    text = FromUtf8(bytes);
    return true;
  }
  iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
  text.resize(bytes.size());
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  char* out = reinterpret_cast<char*>(text.data());
  std::size_t outLeft = text.size() * sizeof(wchar_t);
  // One byte never gives more than one character, so the output always fits.
  const bool ok = iconv(cd.get(), &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
  text.resize(text.size() - outLeft / sizeof(wchar_t));
  return ok;
}

// Code page 932: these bytes start a two-byte character.
bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

}  // namespace detail

PathKind KindOfPath(const std::wstring& path) {
  struct stat st;
  if (stat(ToUtf8(path).c_str(), &st) != 0) return PathKind::Nothing;
  if (S_ISDIR(st.st_mode)) return PathKind::Folder;
  // A device or a pipe under the name is no file to read or replace either.
  if (!S_ISREG(st.st_mode)) return PathKind::HiddenOrSystemFile;
  return PathKind::PlainFile;
}

bool PlainFileExists(const std::wstring& path) { return KindOfPath(path) == PathKind::PlainFile; }

bool SameFile(const std::wstring& a, const std::wstring& b) {
  struct stat first;
  struct stat second;
  if (stat(ToUtf8(a).c_str(), &first) != 0 || stat(ToUtf8(b).c_str(), &second) != 0) return false;
  return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

std::uint64_t FileSize(const std::wstring& path) {
  struct stat st;
  if (stat(ToUtf8(path).c_str(), &st) != 0 || st.st_size < 0) return 0;
  return static_cast<std::uint64_t>(st.st_size);
}

IoStatus detail::ReadFilePiecesOfSystem(const std::wstring& path, const std::function<void(std::string_view)>& onPiece) {
  int fd = open(ToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return IoStatus::Failed(ErrnoReason(errno));
  char buffer[kFilePieceSize];
  for (;;) {
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      int error = errno;
      close(fd);
      return IoStatus::Failed(ErrnoReason(error));
    }
    if (n == 0) break;
    onPiece(std::string_view(buffer, static_cast<std::size_t>(n)));
  }
  close(fd);
  return IoStatus::Ok();
}

IoStatus WriteFileSafely(const std::wstring& path, std::string_view bytes) {
  const WriteCalls& sys = CurrentWriteCalls();
  const std::string target = ToUtf8(path);
  struct stat st;
  if (stat(target.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return IoStatus::Failed(ErrnoReason(EISDIR));
    // Root may write anywhere; the file's own read-only mark still stands.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return IoStatus::Failed(ErrnoReason(EACCES));
  }
  std::string temp = target + ".XXXXXX";
  int fd = sys.Mkstemp(temp.data());
  if (fd < 0) return IoStatus::Failed(ErrnoReason(errno));
  auto fail = [&](int error) {
    if (fd >= 0) sys.Close(fd);
    sys.Unlink(temp.c_str());
    return IoStatus::Failed(ErrnoReason(error));
  };
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = sys.Write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail(errno);
    }
    if (n == 0) return fail(ENOSPC);
    done += static_cast<std::size_t>(n);
  }
  // The new file keeps the permissions a plain create would have given it.
  mode_t mask = umask(0);
  umask(mask);
  if (sys.Fchmod(fd, 0666 & ~mask) != 0) return fail(errno);
  if (sys.Fsync(fd) != 0) return fail(errno);
  int closing = fd;
  fd = -1;
  if (sys.Close(closing) != 0) return fail(errno);
  if (sys.Rename(temp.c_str(), target.c_str()) != 0) return fail(errno);
  return IoStatus::Ok();
}

}  // namespace platform
