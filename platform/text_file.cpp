// Text files line by line, in the code page.
#include "platform/text_file.h"

#include "platform/platform.h"

namespace platform {

std::vector<std::string_view> SplitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    if (bytes[i] == '\r') {
      lines.push_back(bytes.substr(start, i - start));
      ++i;
      if (i < bytes.size() && bytes[i] == '\n') ++i;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  return lines;
}

std::vector<std::wstring> DecodeLines(std::string_view bytes) {
  std::vector<std::wstring> lines;
  for (std::string_view line : SplitLines(bytes)) lines.push_back(FromCodePage(line));
  return lines;
}

IoStatus ReadTextLines(const std::wstring& path, std::vector<std::wstring>& lines) {
  std::string bytes;
  IoStatus status = ReadFileBytes(path, bytes);
  if (!status.ok()) return status;
  lines = DecodeLines(bytes);
  return status;
}

std::string JoinLinesCrlf(const std::vector<std::wstring>& lines) {
  std::string bytes;
  for (const std::wstring& line : lines) {
    bytes += ToCodePage(line);
    bytes += "\r\n";
  }
  return bytes;
}

IoStatus WriteTextLines(const std::wstring& path, const std::vector<std::wstring>& lines) {
  return WriteFileSafely(path, JoinLinesCrlf(lines));
}

}  // namespace platform
