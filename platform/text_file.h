#pragma once
// Line-oriented text files in the 8-bit code page, as the host writes them.
#include <string>
#include <string_view>
#include <vector>

#include "platform/io_status.h"

namespace platform {

// CR LF or a lone CR ends a line; a lone LF stays part of the line; a last line
// without a line end is taken. Empty lines are kept (callers decide).
std::vector<std::string_view> SplitLines(std::string_view bytes);

// The same lines one at a time, without a list of them all; of bytes or of text.
template <typename Char, typename Visit>
void ForEachLine(std::basic_string_view<Char> text, Visit&& visit) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != Char('\r')) continue;
    visit(text.substr(start, i - start));
    if (i + 1 < text.size() && text[i + 1] == Char('\n')) ++i;
    start = i + 1;
  }
  if (start < text.size()) visit(text.substr(start));
}

// What a text file is, as the host's way of reading 8-bit lines sees it.
enum class TextShape {
  CodePageLines,  // 8-bit text with CR LF or CR line ends, as the host writes it
  Utf16,          // saved as Unicode (a UTF-16 byte-order mark): no line reads as meant
  LoneLineFeeds,  // lines ended by LF alone, which do not end a line for the host
};
TextShape ShapeOfText(std::string_view bytes);
// Why a file of that shape is neither read as meant nor written over, in the user's words.
std::wstring WhyNotCodePageLines(TextShape shape);

// Files of our own (the theme store, theme files) that an editor saved in a Unicode
// encoding: marked as UTF-16 or UTF-8, or unmarked UTF-8 with characters beyond ASCII,
// which code-page text with Japanese in it practically never is.
enum class UnicodeText { None, Utf8, Utf16 };
UnicodeText UnicodeEncodingOf(std::string_view bytes);
// The text of such a file, without its mark.
std::wstring DecodeUnicode(std::string_view bytes, UnicodeText encoding);

// Reads the file and converts each line from the code page.
IoStatus ReadTextLines(const std::wstring& path, std::vector<std::wstring>& lines);

// Each line converted to the code page and followed by CR LF.
std::string JoinLinesCrlf(const std::vector<std::wstring>& lines);
// One such line added to the bytes of a file being made.
void AppendLineCrlf(std::string& bytes, std::wstring_view line);

// JoinLinesCrlf written through WriteFileSafely.
IoStatus WriteTextLines(const std::wstring& path, const std::vector<std::wstring>& lines);

}  // namespace platform
