// Text files line by line, in the code page.
#include "platform/text_file.h"

#include "platform/code_page.h"
#include "platform/files.h"
#include "platform/utf8.h"

namespace platform {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

bool StartsWithUtf16Mark(std::string_view bytes) {
  return bytes.starts_with(kUtf16LittleEndianMark) || bytes.starts_with(kUtf16BigEndianMark);
}

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing
// beyond U+10FFFF) and whether they hold a character beyond ASCII.
enum class Utf8Kind { Ascii, BeyondAscii, NotUtf8 };

Utf8Kind Utf8KindOf(std::string_view bytes) {
  bool beyondAscii = false;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      ++i;
      continue;
    }
    std::size_t extra = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;  // the second byte's range
    if (b >= 0xC2 && b <= 0xDF) {
      extra = 1;
    } else if (b >= 0xE0 && b <= 0xEF) {
      extra = 2;
      if (b == 0xE0) low = 0xA0;
      if (b == 0xED) high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      extra = 3;
      if (b == 0xF0) low = 0x90;
      if (b == 0xF4) high = 0x8F;
    } else {
      return Utf8Kind::NotUtf8;
    }
    if (i + extra >= bytes.size()) return Utf8Kind::NotUtf8;
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto c = static_cast<unsigned char>(bytes[i + k]);
      if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF)) return Utf8Kind::NotUtf8;
    }
    beyondAscii = true;
    i += extra + 1;
  }
  return beyondAscii ? Utf8Kind::BeyondAscii : Utf8Kind::Ascii;
}

}  // namespace

void UnicodeSniffer::FeedLine(std::string_view line) {
  // The line ends are ASCII and never inside a UTF-8 character, so the file is UTF-8
  // exactly when each of its lines is.
  if (firstLine_) {
    firstLine_ = false;
    if (StartsWithUtf16Mark(line)) utf16Mark_ = true;
    if (line.starts_with(kUtf8Mark)) utf8Mark_ = true;
  }
  switch (Utf8KindOf(line)) {
    case Utf8Kind::Ascii:
      break;
    case Utf8Kind::BeyondAscii:
      beyondAscii_ = true;
      break;
    case Utf8Kind::NotUtf8:
      notUtf8_ = true;
      break;
  }
}

UnicodeText UnicodeSniffer::Encoding() const {
  if (utf16Mark_) return UnicodeText::Utf16;
  if (utf8Mark_ || (beyondAscii_ && !notUtf8_)) return UnicodeText::Utf8;
  return UnicodeText::None;
}

UnicodeText UnicodeEncodingOf(std::string_view bytes) {
  UnicodeSniffer sniffer;
  ForEachLine(bytes, [&sniffer](std::string_view line) { sniffer.FeedLine(line); });
  return sniffer.Encoding();
}

std::wstring DecodeUnicode(std::string_view bytes, UnicodeText encoding) {
  if (encoding == UnicodeText::Utf8) {
    if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
    return FromUtf8(bytes);
  }
  if (encoding != UnicodeText::Utf16) return FromCodePage(bytes);
  const bool bigEndian = bytes.starts_with(kUtf16BigEndianMark);
  std::wstring text;
  text.reserve(bytes.size() / 2);
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    char32_t unit = bigEndian ? (first << 8 | second) : (second << 8 | first);
    // Where wchar_t holds whole characters, a surrogate pair becomes one.
    if (sizeof(wchar_t) == 4 && unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
      const auto third = static_cast<unsigned char>(bytes[i + 2]);
      const auto fourth = static_cast<unsigned char>(bytes[i + 3]);
      const char32_t low = bigEndian ? (third << 8 | fourth) : (fourth << 8 | third);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    text += static_cast<wchar_t>(unit);
  }
  return text;
}

TextShape ShapeOfText(std::string_view bytes) {
  if (StartsWithUtf16Mark(bytes)) return TextShape::Utf16;
  for (std::size_t i = bytes.find('\n'); i != std::string_view::npos; i = bytes.find('\n', i + 1)) {
    if (i == 0 || bytes[i - 1] != '\r') return TextShape::LoneLineFeeds;
  }
  return TextShape::CodePageLines;
}

FileTrouble TroubleOfShape(TextShape shape) {
  switch (shape) {
    case TextShape::Utf16: return FileTrouble::Utf16Text;
    case TextShape::LoneLineFeeds: return FileTrouble::LoneLineFeeds;
    case TextShape::CodePageLines: break;
  }
  return FileTrouble::None;
}

std::vector<std::string_view> SplitLines(std::string_view bytes, LineEnds ends) {
  std::vector<std::string_view> lines;
  ForEachLine(bytes, [&lines](std::string_view line) { lines.push_back(line); }, ends);
  return lines;
}

std::vector<std::wstring> DecodeLines(std::string_view bytes) {
  std::vector<std::wstring> lines;
  ForEachLine(bytes, [&lines](std::string_view line) { lines.push_back(FromCodePage(line)); });
  return lines;
}

IoStatus ReadFileLines(const std::wstring& path, const std::function<void(std::string_view)>& onLine) {
  LineSplitter splitter;
  IoStatus status = ReadFilePieces(path, [&](std::string_view piece) { splitter.Feed(piece, onLine); });
  if (status.ok()) splitter.FeedLast({}, onLine);
  return status;
}

IoStatus ReadTextLines(const std::wstring& path, std::vector<std::wstring>& lines) {
  std::vector<std::wstring> read;
  IoStatus status = ReadFileLines(path, [&read](std::string_view line) { read.push_back(FromCodePage(line)); });
  if (status.ok()) lines = std::move(read);
  return status;
}

void AppendLineCrlf(std::string& bytes, std::wstring_view line) {
  AppendToCodePage(bytes, line);
  bytes += "\r\n";
}

std::string JoinLinesCrlf(const std::vector<std::wstring>& lines) {
  std::string bytes;
  for (const std::wstring& line : lines) AppendLineCrlf(bytes, line);
  return bytes;
}

IoStatus WriteTextLines(const std::wstring& path, const std::vector<std::wstring>& lines) {
  return WriteFileSafely(path, JoinLinesCrlf(lines));
}

}  // namespace platform
