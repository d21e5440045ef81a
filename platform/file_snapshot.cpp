#include "platform/file_snapshot.h"

#include "platform/platform.h"

namespace platform {

void FingerprintMaker::Add(std::string_view piece) {
  // FNV-1a: no cryptography needed, only "are these the bytes read before".
  std::uint64_t hash = hash_;
  for (const char c : piece) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  hash_ = hash;
  size_ += piece.size();
}

FileFingerprint FileFingerprint::Of(std::string_view bytes) {
  FingerprintMaker maker;
  maker.Add(bytes);
  return maker.Made();
}

FileSnapshot ReadSnapshotInPieces(const std::wstring& path, const std::function<void(std::string_view)>& onPiece) {
  FileSnapshot snapshot;
  snapshot.Kind = KindOfPath(path);
  // A folder of the name is no file to read; a write fails there with the system's
  // own reason, so it needs no words of ours.
  if (snapshot.Kind == PathKind::Nothing || snapshot.Kind == PathKind::Folder) return snapshot;
  if (snapshot.Kind != PathKind::PlainFile) {
    snapshot.Status = IoStatus::NoPlainFile(snapshot.Kind);
    return snapshot;
  }
  FingerprintMaker fingerprint;
  snapshot.Status = ReadFilePieces(path, [&](std::string_view piece) {
    fingerprint.Add(piece);
    onPiece(piece);
  });
  if (snapshot.Status.ok()) snapshot.AsRead = fingerprint.Made();
  return snapshot;
}

FileSnapshot TakeSnapshot(const std::wstring& path) {
  std::string bytes;
  FileSnapshot snapshot = ReadSnapshotInPieces(path, [&bytes](std::string_view piece) { bytes.append(piece); });
  if (snapshot.HasBytes()) snapshot.Bytes = std::move(bytes);
  return snapshot;
}

}  // namespace platform
