#pragma once
// A file's bytes as they are at one moment, and a fingerprint of them, so that a later
// look can tell whether another program has changed the file since the program read it.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/io_status.h"

namespace platform {

struct FileFingerprint {
  bool present = false;
  std::uint64_t size = 0;
  std::uint64_t hash = 0;

  static FileFingerprint Of(std::string_view bytes);
  bool operator==(const FileFingerprint&) const = default;
};

// A fingerprint made piece by piece, as a file is read: the same as FileFingerprint::Of
// the pieces taken together.
class FingerprintMaker {
 public:
  void Add(std::string_view piece);
  FileFingerprint Made() const;

 private:
  void Mix(std::uint64_t word);

  std::uint64_t size_ = 0;
  std::uint64_t hash_ = 14695981039346656037ull;  // FNV-1a's offset basis
  // The bytes of a word that the next piece completes.
  unsigned char pending_[8] = {};
  std::size_t pendingSize_ = 0;
};

struct FileSnapshot {
  PathKind kind = PathKind::Nothing;
  // Not ok: a plain file that could not be read, or a hidden or system file
  // (NoPlainFile). Ok without bytes: nothing there, or a folder.
  IoStatus status;
  // The file's bytes, unless ReadSnapshotInPieces passed them on instead.
  std::string bytes;
  // Present only for a file that was read.
  FileFingerprint asRead;

  // A plain file that was read whole.
  bool HasBytes() const { return kind == PathKind::PlainFile && status.ok(); }
  // A file is there, read or not.
  bool FileFound() const { return kind == PathKind::PlainFile || kind == PathKind::HiddenOrSystemFile; }
  FileFingerprint Fingerprint() const { return asRead; }
};

// What is at the path now: nothing, a plain file's bytes, or why there are none.
FileSnapshot TakeSnapshot(const std::wstring& path);

// The same, but the bytes are passed to `onPiece` as they are read and not kept, so a
// large file costs no buffer of its size. A piece is valid during the call only. When
// the read fails part way, `onPiece` has seen the pieces before the failure.
FileSnapshot ReadSnapshotInPieces(const std::wstring& path, const std::function<void(std::string_view)>& onPiece);

}  // namespace platform
