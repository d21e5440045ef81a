// The code-page conversions that are the same on every system; the system's own
// converter sits behind system_services.h.
#include "platform/code_page.h"

#include <cstdint>

#include "platform/system_services.h"

namespace platform {

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

}  // namespace platform
