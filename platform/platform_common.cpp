// Services that are the same on every system.
#include <cstdint>
#include <optional>
#include <utility>

#include "platform/platform.h"
#include "platform/system_services.h"
#include "platform/write_calls.h"

namespace platform {

namespace detail {
// Set only by tests through ScopedProgramFolder.
std::optional<std::wstring>& ProgramFolderOverride() {
  static std::optional<std::wstring> folder;
  return folder;
}
}  // namespace detail

std::wstring PathInFolder(const std::wstring& folder, std::wstring_view name) {
  std::wstring path = folder;
  path += kPathSeparator;
  path += name;
  return path;
}

std::wstring ProgramFolder() {
  if (const auto& folder = detail::ProgramFolderOverride()) return *folder;
  return detail::SystemProgramFolder();
}

ScopedProgramFolder::ScopedProgramFolder(std::wstring folder)
    : had_previous_(detail::ProgramFolderOverride().has_value()) {
  if (had_previous_) previous_ = *detail::ProgramFolderOverride();
  detail::ProgramFolderOverride() = std::move(folder);
}

ScopedProgramFolder::~ScopedProgramFolder() {
  if (had_previous_) {
    detail::ProgramFolderOverride() = previous_;
  } else {
    detail::ProgramFolderOverride().reset();
  }
}

namespace {
const WriteCalls* currentWriteCalls = nullptr;
}  // namespace

const WriteCalls& CurrentWriteCalls() { return currentWriteCalls ? *currentWriteCalls : SystemWriteCalls(); }

ScopedWriteCalls::ScopedWriteCalls(const WriteCalls& calls) : previous_(currentWriteCalls) {
  currentWriteCalls = &calls;
}

ScopedWriteCalls::~ScopedWriteCalls() { currentWriteCalls = previous_; }

namespace {

// A byte that is no character of the code page stands for itself in the text, as one of
// these characters (lone low surrogates, which no code page gives), and is written back
// as the very byte: a line of a file in another encoding survives a rewrite unchanged.
constexpr wchar_t kFirstRawByte = 0xDC80;  // for byte 0x80; the bytes below are ASCII
constexpr wchar_t kLastRawByte = 0xDCFF;

// Nearly every line of these files is ASCII, which every ANSI code page maps to itself:
// such text is converted directly, without a search for bytes that stand for themselves.
bool IsAscii(std::string_view bytes) {
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// Appends `text` when it is ASCII; false, with nothing appended, when it is not.
bool AppendIfAscii(std::string& bytes, std::wstring_view text) {
  std::uint32_t bits = 0;
  for (wchar_t c : text) bits |= static_cast<std::uint32_t>(c);
  if (bits >= 0x80) return false;
  const std::size_t at = bytes.size();
  bytes.resize(at + text.size());
  for (std::size_t i = 0; i < text.size(); ++i) bytes[at + i] = static_cast<char>(text[i]);
  return true;
}

// The bytes decode, and what they decode to is written back as the same bytes.
bool DecodeExactly(std::string_view bytes, std::wstring& text) {
  return detail::DecodeStrictly(bytes, text) && detail::EncodeSubstituting(text) == bytes;
}

// The byte that text[i], a raw byte, stands for; or "?" when it starts a two-byte
// character and the text that follows it (a name's "]", a typed letter) would make a
// character of it, which would swallow that text on the next read.
char RawByte(std::wstring_view text, std::size_t i) {
  const char raw = static_cast<char>(0x80 + (text[i] - kFirstRawByte));
  const std::size_t next = i + 1;
  if (!detail::IsLeadByte(static_cast<unsigned char>(raw)) || next >= text.size()) return raw;
  if (text[next] >= kFirstRawByte && text[next] <= kLastRawByte) return raw;  // as it was read
  // Two UTF-16 units for a character beyond the basic plane on Windows.
  const std::size_t length = text[next] >= 0xD800 && text[next] <= 0xDBFF && next + 1 < text.size() ? 2 : 1;
  const std::string following = detail::EncodeSubstituting(text.substr(next, length));
  std::wstring joined;
  if (!following.empty() && detail::DecodeStrictly(std::string{raw, following[0]}, joined) && joined.size() == 1) {
    return '?';
  }
  return raw;
}

// FromCodePage for bytes that are not all ASCII.
std::wstring DecodeWithRawBytes(std::string_view bytes) {
  std::wstring text;
  if (DecodeExactly(bytes, text)) return text;
  // Character by character, so that only the bytes that are no character stand for
  // themselves.
  text.clear();
  std::wstring one;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      text += static_cast<wchar_t>(b);
      ++i;
      continue;
    }
    const std::size_t length = detail::IsLeadByte(b) && i + 1 < bytes.size() ? 2 : 1;
    if (DecodeExactly(bytes.substr(i, length), one) && !one.empty()) {
      text += one;
      i += length;
    } else {
      text += static_cast<wchar_t>(kFirstRawByte + (b - 0x80));
      ++i;
    }
  }
  return text;
}

}  // namespace

std::wstring FromCodePage(std::string_view bytes) {
  std::wstring text;
  FromCodePage(bytes, text);
  return text;
}

void FromCodePage(std::string_view bytes, std::wstring& text) {
  if (!IsAscii(bytes)) {
    text = DecodeWithRawBytes(bytes);
    return;
  }
  // Not assign(begin, end): from char iterators it builds a temporary string first.
  text.resize(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) text[i] = static_cast<unsigned char>(bytes[i]);
}

void AppendToCodePage(std::string& bytes, std::wstring_view text) {
  if (AppendIfAscii(bytes, text)) return;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const bool raw = i < text.size() && text[i] >= kFirstRawByte && text[i] <= kLastRawByte;
    if (i < text.size() && !raw) continue;
    const std::wstring_view run = text.substr(start, i - start);
    if (!AppendIfAscii(bytes, run)) bytes += detail::EncodeSubstituting(run);
    if (raw) bytes += RawByte(text, i);
    start = i + 1;
  }
}

std::string ToCodePage(std::wstring_view text) {
  std::string bytes;
  AppendToCodePage(bytes, text);
  return bytes;
}

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

std::string ToUtf8(std::wstring_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = static_cast<char32_t>(text[i]);
    // UTF-16 surrogate pairs (Windows' wchar_t).
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
      char32_t low = static_cast<char32_t>(text[i + 1]);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::wstring FromUtf8(std::string_view text) {
  std::wstring out;
  std::size_t i = 0;
  while (i < text.size()) {
    unsigned char b = static_cast<unsigned char>(text[i]);
    char32_t c = 0xFFFD;
    std::size_t extra = 0;
    if (b < 0x80) {
      c = b;
    } else if ((b & 0xE0) == 0xC0) {
      c = b & 0x1F;
      extra = 1;
    } else if ((b & 0xF0) == 0xE0) {
      c = b & 0x0F;
      extra = 2;
    } else if ((b & 0xF8) == 0xF0) {
      c = b & 0x07;
      extra = 3;
    }
    ++i;
    for (std::size_t k = 0; k < extra; ++k, ++i) {
      if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
        c = 0xFFFD;
        break;
      }
      c = (c << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
    }
    if (c >= 0x10000 && sizeof(wchar_t) == 2) {
      c -= 0x10000;
      out += static_cast<wchar_t>(0xD800 + (c >> 10));
      out += static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
    } else {
      out += static_cast<wchar_t>(c);
    }
  }
  return out;
}

}  // namespace platform
