// Any bytes as a theme file: reading never fails, and a file the writer made reads
// back to the same themes, so saving again gives the same bytes. The same bytes split
// into pieces, as a file is read, give the same lines as split whole.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "platform/text_file.h"
#include "themes/theme_store.h"

namespace {
ThemeList Read(std::string_view bytes) {
  std::vector<std::wstring> lines;
  for (std::string_view line : platform::SplitLines(bytes)) lines.push_back(platform::FromCodePage(line));
  ThemeList list(1);
  for (Theme& theme : ReadThemeStoreLines(lines)) list.push_back(std::move(theme));
  return list;
}

// The lines of `bytes` fed in pieces whose lengths the bytes themselves choose.
std::vector<std::string> LinesInPieces(std::string_view bytes) {
  std::vector<std::string> lines;
  auto keep = [&lines](std::string_view line) { lines.emplace_back(line); };
  platform::LineSplitter splitter;
  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::size_t length = std::min<std::size_t>(bytes.size() - at, 1 + static_cast<unsigned char>(bytes[at]) % 7);
    splitter.Feed(bytes.substr(at, length), keep);
    at += length;
  }
  splitter.FeedLast({}, keep);
  return lines;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string_view> whole = platform::SplitLines(bytes);
  if (LinesInPieces(bytes) != std::vector<std::string>(whole.begin(), whole.end())) std::abort();

  const std::string written = platform::JoinLinesCrlf(WriteThemeStoreLines(Read(bytes)));
  if (platform::JoinLinesCrlf(WriteThemeStoreLines(Read(written))) != written) std::abort();
  return 0;
}
