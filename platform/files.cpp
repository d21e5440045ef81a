// The parts of reading a file that are the same on every system: the size limit, and
// the pieces gathered into one string.
#include "platform/files.h"

#include <cstdint>

#include "platform/system_services.h"

namespace platform {

IoStatus ReadFilePieces(const std::wstring& path, const std::function<void(std::string_view)>& onPiece) {
  // Told before a byte is read, so that a file chosen by mistake (a video, a disk
  // image) costs nothing; counted while reading too, since the size the system tells
  // is only what the file claimed a moment ago.
  const std::uint64_t claimed = FileSize(path);
  if (claimed > kLargestFileRead) return IoStatus::TooLarge(claimed);
  struct GrewTooLarge {};
  std::uint64_t read = 0;
  try {
    return detail::ReadFilePiecesOfSystem(path, [&](std::string_view piece) {
      read += piece.size();
      if (read > kLargestFileRead) throw GrewTooLarge{};
      onPiece(piece);
    });
  } catch (const GrewTooLarge&) {
    return IoStatus::TooLarge(read);
  }
}

IoStatus ReadFileBytes(const std::wstring& path, std::string& bytes) {
  bytes.clear();
  // The bytes grow as they arrive: a size the file claims is no promise, so no room
  // is taken from it.
  IoStatus status = CatchingOutOfMemory(
      [&] { return ReadFilePieces(path, [&bytes](std::string_view piece) { bytes.append(piece); }); });
  if (!status.ok()) std::string().swap(bytes);
  return status;
}

}  // namespace platform
