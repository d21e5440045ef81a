#pragma once
// A file's bytes as they are at one moment, and a fingerprint of them, so that a later
// look can tell whether another program has changed the file since the program read it.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/io_status.h"

namespace platform {

struct FileFingerprint {
  bool Present = false;
  std::uint64_t Size = 0;
  std::uint64_t Hash = 0;

  static FileFingerprint Of(std::string_view bytes);
  bool operator==(const FileFingerprint&) const = default;
};

struct FileSnapshot {
  PathKind Kind = PathKind::Nothing;
  // Not ok: a plain file that could not be read, or a hidden or system file
  // (NoPlainFile). Ok without bytes: nothing there, or a folder.
  IoStatus Status;
  std::string Bytes;

  bool HasBytes() const { return Kind == PathKind::PlainFile && Status.ok(); }
  // A file is there, read or not.
  bool FileFound() const { return Kind == PathKind::PlainFile || Kind == PathKind::HiddenOrSystemFile; }
  // Present only for a file that was read.
  FileFingerprint Fingerprint() const { return HasBytes() ? FileFingerprint::Of(Bytes) : FileFingerprint{}; }
};

// What is at the path now: nothing, a plain file's bytes, or why there are none.
FileSnapshot TakeSnapshot(const std::wstring& path);

}  // namespace platform
