#pragma once
// The outcome of a file operation: success, or a failure with the reason in the
// user's language, as the operating system words it.
#include <cstdint>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>

namespace platform {

// What stands at a path. Only a plain file is ever read as the host's or the store's
// file; anything else there is never written over either.
enum class PathKind {
  Nothing,
  PlainFile,
  Folder,
  // Windows only: a file with the hidden or the system attribute.
  HiddenOrSystemFile,
};

// Why a file is not read as it stands, where the system has no words for it: the
// caller words these in the user's language.
enum class FileTrouble {
  None,
  SystemError,     // the system's own reason()
  NoPlainFile,     // found(): nothing, a folder, or a hidden or system file
  Utf16Text,       // saved as Unicode: the host reads no line of it as meant
  LoneLineFeeds,   // lines ended by LF alone, which the host reads as one line
  TooLarge,        // size(): larger than any file of ours or the host's can be
  OutOfMemory,     // reading it needed more memory than the system gave
};

class [[nodiscard]] IoStatus {
 public:
  IoStatus() = default;  // success
  static IoStatus Ok() { return IoStatus(); }
  static IoStatus Failed(std::wstring reason) {
    IoStatus s(FileTrouble::SystemError);
    s.reason_ = std::move(reason);
    return s;
  }
  // No plain file at the path: nothing, a folder, or a hidden or system file. The
  // system has no words for that, so the caller words it from what was found.
  static IoStatus NoPlainFile(PathKind found) {
    IoStatus s(FileTrouble::NoPlainFile);
    s.found_ = found;
    return s;
  }
  static IoStatus TooLarge(std::uint64_t size) {
    IoStatus s(FileTrouble::TooLarge);
    s.size_ = size;
    return s;
  }
  // Utf16Text, LoneLineFeeds, OutOfMemory.
  static IoStatus Because(FileTrouble trouble) { return IoStatus(trouble); }

  bool ok() const { return trouble_ == FileTrouble::None; }
  FileTrouble trouble() const { return trouble_; }
  // The system's words for a SystemError; empty otherwise.
  const std::wstring& reason() const { return reason_; }
  // What NoPlainFile found; PlainFile for every other status.
  PathKind found() const { return found_; }
  // The file's size, for TooLarge.
  std::uint64_t size() const { return size_; }
  // A file that is there, but that the program does not write over: hidden or a system
  // file, or in a shape the host reads otherwise than it was written. Unlike a failure
  // of the system, nothing mends it but the user.
  bool refused() const {
    return (trouble_ == FileTrouble::NoPlainFile && found_ == PathKind::HiddenOrSystemFile) ||
           trouble_ == FileTrouble::Utf16Text || trouble_ == FileTrouble::LoneLineFeeds;
  }

 private:
  explicit IoStatus(FileTrouble trouble) : trouble_(trouble) {}

  FileTrouble trouble_ = FileTrouble::None;
  std::wstring reason_;
  PathKind found_ = PathKind::PlainFile;
  std::uint64_t size_ = 0;
};

// The system's own wording of an error code (GetLastError() on Windows, errno
// elsewhere), as the user is told it in IoStatus::Failed.
std::wstring SystemErrorReason(unsigned long code);

// Runs a read; a failure to get memory for what it reads (std::bad_alloc, or a size
// beyond what a string can hold) becomes OutOfMemory instead of ending the program,
// which would lose every edit the user has not saved.
template <typename Read>
IoStatus CatchingOutOfMemory(Read&& read) {
  try {
    return read();
  } catch (const std::bad_alloc&) {
    return IoStatus::Because(FileTrouble::OutOfMemory);
  } catch (const std::length_error&) {
    return IoStatus::Because(FileTrouble::OutOfMemory);
  }
}

}  // namespace platform
