// How the theme-file reader cuts bytes into lines: CR LF or a lone CR ends a line, a
// lone LF stays in it, and nothing else is lost or added; lines joined again with CR LF
// cut the same way; fed in pieces, as a file is read, they cut as whole. The reader's quick path for ASCII lines reads exactly as the
// general path through the code page.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "platform/platform.h"
#include "platform/text_file.h"
#include "themes/theme_store.h"
#include "themes/theme_store_reader.h"

namespace {

bool SameThemes(const ThemeList& a, const ThemeList& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].Name != b[i].Name || a[i].Colors != b[i].Colors || a[i].TransformTitle != b[i].TransformTitle) return false;
  }
  return true;
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
  const std::vector<std::string_view> lines = platform::SplitLines(bytes);

  // The lines stand in the bytes in order, each followed by CR LF or a lone CR (the
  // last one may end the bytes instead), and hold no CR themselves.
  std::size_t at = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    FUZZ_CHECK(line.data() == bytes.data() + at);
    FUZZ_CHECK(line.find('\r') == std::string_view::npos);
    at += line.size();
    if (at == size) {
      FUZZ_CHECK(i + 1 == lines.size());
      break;
    }
    FUZZ_CHECK(bytes[at] == '\r');
    ++at;
    if (at < size && bytes[at] == '\n') ++at;
  }
  FUZZ_CHECK(at == size);
  FUZZ_CHECK(LinesInPieces(bytes) == std::vector<std::string>(lines.begin(), lines.end()));

  // Joined with CR LF, the lines cut the same way again.
  std::string joined;
  for (std::string_view line : lines) {
    joined += line;
    joined += "\r\n";
  }
  const std::vector<std::string_view> again = platform::SplitLines(joined);
  FUZZ_CHECK(again.size() == lines.size());
  for (std::size_t i = 0; i < lines.size() && i < again.size(); ++i) FUZZ_CHECK(again[i] == lines[i]);

  // The reader's own way through the bytes gives what the lines give, each through the
  // code page.
  ThemeStoreReader reader;
  ReadThemeStoreBytes(bytes, reader);
  std::vector<std::wstring> wide;
  wide.reserve(lines.size());
  for (std::string_view line : lines) wide.push_back(platform::FromCodePage(line));
  const std::vector<Theme> expected = ReadThemeStoreLines(wide);
  FUZZ_CHECK(SameThemes(reader.TakeThemes(), expected));
  return 0;
}
