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

// The lines of these bytes, each converted from the code page.
std::vector<std::wstring> DecodeLines(std::string_view bytes);

// Reads the file and converts each line from the code page.
IoStatus ReadTextLines(const std::wstring& path, std::vector<std::wstring>& lines);

// Each line converted to the code page and followed by CR LF.
std::string JoinLinesCrlf(const std::vector<std::wstring>& lines);

// JoinLinesCrlf written through WriteFileSafely.
IoStatus WriteTextLines(const std::wstring& path, const std::vector<std::wstring>& lines);

}  // namespace platform
