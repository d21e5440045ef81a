#pragma once
// What each system's own file (platform_win.cpp, platform_posix.cpp) defines for the
// services that are the same everywhere (program_folder.cpp, code_page.cpp, files.cpp).
// Internal to platform/.
#include <functional>
#include <string>
#include <string_view>

#include "platform/io_status.h"

namespace platform::detail {

std::wstring SystemProgramFolder();
// The whole text, with "?" for a character the code page cannot hold.
std::string EncodeSubstituting(std::wstring_view text);
// Bytes that decode without a fault, else false.
bool DecodeStrictly(std::string_view bytes, std::wstring& text);
// Whether a byte starts a two-byte character.
bool IsLeadByte(unsigned char b);
// The file's pieces as ReadFilePieces passes them on, without its size limit.
IoStatus ReadFilePiecesOfSystem(const std::wstring& path, const std::function<void(std::string_view)>& onPiece);

}  // namespace platform::detail
