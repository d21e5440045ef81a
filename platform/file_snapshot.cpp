#include "platform/file_snapshot.h"

#include "platform/platform.h"

namespace platform {

FileFingerprint FileFingerprint::Of(std::string_view bytes) {
  // FNV-1a: no cryptography needed, only "are these the bytes read before".
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return {true, bytes.size(), hash};
}

FileSnapshot TakeSnapshot(const std::wstring& path) {
  FileSnapshot snapshot;
  snapshot.Kind = KindOfPath(path);
  // A folder of the name is no file to read; a write fails there with the system's
  // own reason, so it needs no words of ours.
  if (snapshot.Kind == PathKind::Nothing || snapshot.Kind == PathKind::Folder) return snapshot;
  if (snapshot.Kind != PathKind::PlainFile) {
    snapshot.Status = IoStatus::NoPlainFile(snapshot.Kind);
    return snapshot;
  }
  snapshot.Status = ReadFileBytes(path, snapshot.Bytes);
  if (!snapshot.Status.ok()) snapshot.Bytes.clear();
  return snapshot;
}

}  // namespace platform
