#pragma once
// UTF-8 <-> wide, for paths on POSIX systems and for messages in tests and tools. The
// files the program reads and writes are in the code page (code_page.h), never UTF-8.
#include <string>
#include <string_view>

namespace platform {

std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);

}  // namespace platform
