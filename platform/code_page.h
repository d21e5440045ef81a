#pragma once
// The program's texts in the files' 8-bit code page and back: the system ANSI code page
// on Windows, code page 932 elsewhere.
#include <string>
#include <string_view>

namespace platform {

// Characters the code page cannot hold become "?". Bytes that are no character of the
// code page (a file saved as UTF-8, say) never stop the conversion: each stands for
// itself as a character from U+DC80 to U+DCFF and becomes that byte again, so text read
// and written back is unchanged.
std::string ToCodePage(std::wstring_view text);
// The same bytes, added to the end of `bytes`.
void AppendToCodePage(std::string& bytes, std::wstring_view text);
std::wstring FromCodePage(std::string_view bytes);
// The same characters as FromCodePage(bytes), into `text`, whose storage is reused:
// a reader that decodes line after line needs no allocation per line.
void FromCodePage(std::string_view bytes, std::wstring& text);

}  // namespace platform
