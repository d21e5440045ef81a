#pragma once
// Files on disk: what stands at a path, its size, reading it whole or piece by piece,
// and replacing it safely. Nothing else in the program opens a file.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/io_status.h"

namespace platform {

// What stands at a path (PathKind, with IoStatus).
PathKind KindOfPath(const std::wstring& path);

// True when the path names a plain file: not a folder, and (on Windows) neither
// hidden nor a system file.
bool PlainFileExists(const std::wstring& path);

// Whether the two paths name one and the same existing file, however each is spelled
// (case, short names, links).
bool SameFile(const std::wstring& a, const std::wstring& b);

// The file's length in bytes; 0 when it cannot be told.
std::uint64_t FileSize(const std::wstring& path);

// No file the program reads is anywhere near this large: a store of a million themes
// is about half of it. A larger file is refused before a byte of it is read
// (IoStatus::TooLarge), so that a file chosen by mistake never takes the program down.
inline constexpr std::uint64_t kLargestFileRead = std::uint64_t{1} << 30;

// Reads the whole file as bytes. Another program holding the file for a moment (the
// host, a virus scanner) is waited for briefly, as for a write.
IoStatus ReadFileBytes(const std::wstring& path, std::string& bytes);

// Reads the file from start to end through one buffer of kFilePieceSize bytes and
// passes on each piece read, in order; a piece is valid during the call only. Memory
// stays the same whatever the file's size: a store of 100,000 themes is some 45 MB,
// and memory never touched before costs more to fill than the bytes cost to read.
// A file larger than kLargestFileRead is refused (also one that grows past it while
// being read); an allocation failure of `onPiece` goes to the caller as thrown.
inline constexpr std::size_t kFilePieceSize = 65536;
IoStatus ReadFilePieces(const std::wstring& path, const std::function<void(std::string_view)>& onPiece);

// Replaces the file with these bytes without ever leaving it half written: a new
// temporary file beside it is written, checked, flushed and closed, then moved over
// the target in one step. A read-only target is a failure. On any failure the old
// file is left exactly as it was and the temporary file is removed.
IoStatus WriteFileSafely(const std::wstring& path, std::string_view bytes);

}  // namespace platform
