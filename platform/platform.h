#pragma once
// Operating-system services. Everything here has a Windows and a POSIX implementation;
// nothing else in the program talks to the file system or the code page directly.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/io_status.h"

namespace platform {

// The separator that starts a name appended to a folder: "\" on Windows.
#ifdef _WIN32
inline constexpr wchar_t kPathSeparator = L'\\';
#else
inline constexpr wchar_t kPathSeparator = L'/';
#endif

// Folder + separator + name, by plain concatenation.
std::wstring PathInFolder(const std::wstring& folder, std::wstring_view name);

// The running program's folder, without a trailing separator.
std::wstring ProgramFolder();

// Tests point ProgramFolder() at a folder of their own for as long as this lives.
class ScopedProgramFolder {
 public:
  explicit ScopedProgramFolder(std::wstring folder);
  ~ScopedProgramFolder();
  ScopedProgramFolder(const ScopedProgramFolder&) = delete;
  ScopedProgramFolder& operator=(const ScopedProgramFolder&) = delete;

 private:
  std::wstring previous_;
  bool had_previous_;
};

// What stands at a path (PathKind, with IoStatus).
PathKind KindOfPath(const std::wstring& path);

// True when the path names a plain file: not a folder, and (on Windows) neither
// hidden nor a system file.
bool PlainFileExists(const std::wstring& path);

// Conversion between the program's texts and the files' 8-bit code page: the system
// ANSI code page on Windows, code page 932 elsewhere. Characters the code page cannot
// hold become "?". Bytes that are no character of the code page (a file saved as UTF-8,
// say) never stop the conversion: each stands for itself as a character from U+DC80 to
// U+DCFF and becomes that byte again, so text read and written back is unchanged.
std::string ToCodePage(std::wstring_view text);
// The same bytes, added to the end of `bytes`.
void AppendToCodePage(std::string& bytes, std::wstring_view text);
std::wstring FromCodePage(std::string_view bytes);
// The same characters as FromCodePage(bytes), into `text`, whose storage is reused:
// a reader that decodes line after line needs no allocation per line.
void FromCodePage(std::string_view bytes, std::wstring& text);

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

// The file names of the running programs, other than this process, whose program file
// lies in `folder` (compared without regard to case on Windows).
std::vector<std::wstring> ProgramsRunningFrom(const std::wstring& folder);

// UTF-8 <-> wide, for paths and messages in tests and tools.
std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);

}  // namespace platform
