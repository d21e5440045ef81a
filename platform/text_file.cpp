// Text files line by line, in the code page.
#include "platform/text_file.h"

#include "platform/platform.h"

namespace platform {

std::vector<std::string_view> SplitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  ForEachLine(bytes, [&lines](std::string_view line) { lines.push_back(line); });
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
