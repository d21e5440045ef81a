#pragma once
// The outcome of a file operation: success, or a failure with the reason in the
// user's language, as the operating system words it.
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

class [[nodiscard]] IoStatus {
 public:
  static IoStatus Ok() { return IoStatus(); }
  static IoStatus Failed(std::wstring reason) {
    IoStatus s;
    s.ok_ = false;
    s.reason_ = std::move(reason);
    return s;
  }
  // No plain file at the path: nothing, a folder, or a hidden or system file. The
  // system has no words for that, so the caller words it from what was found.
  static IoStatus NoPlainFile(PathKind found) {
    IoStatus s;
    s.ok_ = false;
    s.found_ = found;
    return s;
  }
  // A file that is there and could be read, but is not written over: its shape (UTF-16,
  // lines ended by LF alone) is one the host reads otherwise than its writer meant.
  static IoStatus Refused(std::wstring reason) {
    IoStatus s = Failed(std::move(reason));
    s.refused_ = true;
    return s;
  }
  bool ok() const { return ok_; }
  // Refused, or a hidden or system file under the name: not written over, by our choice
  // rather than the system's failure.
  bool refused() const { return refused_ || found_ == PathKind::HiddenOrSystemFile; }
  const std::wstring& reason() const { return reason_; }
  // What NoPlainFile found; PlainFile for every other status.
  PathKind found() const { return found_; }

 private:
  bool ok_ = true;
  bool refused_ = false;
  std::wstring reason_;
  PathKind found_ = PathKind::PlainFile;
};

}  // namespace platform
