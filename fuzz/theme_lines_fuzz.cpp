// How bytes are cut into lines: CR LF or a lone CR ends a line, and a lone LF stays in
// it (the host's rule) or ends it too (the theme files' rule); nothing else is lost or
// added; lines joined again with CR LF cut the same way; fed in pieces, as a file is
// read, they cut as whole. The theme-file reader's quick path for ASCII lines reads
// exactly as the general path through the code page.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "platform/code_page.h"
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
std::vector<std::string> LinesInPieces(std::string_view bytes, platform::LineEnds ends) {
  std::vector<std::string> lines;
  auto keep = [&lines](std::string_view line) { lines.emplace_back(line); };
  platform::LineSplitter splitter(ends);
  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::size_t length = std::min<std::size_t>(bytes.size() - at, 1 + static_cast<unsigned char>(bytes[at]) % 7);
    splitter.Feed(bytes.substr(at, length), keep);
    at += length;
  }
  splitter.FeedLast({}, keep);
  return lines;
}

// The lines of `bytes` under one rule, checked against the bytes themselves.
std::vector<std::string_view> CheckedLines(std::string_view bytes, platform::LineEnds ends) {
  const bool lfEnds = ends == platform::LineEnds::CrLfCrOrLf;
  const std::vector<std::string_view> lines = platform::SplitLines(bytes, ends);

  // The lines stand in the bytes in order, each followed by CR LF, a lone CR or (under
  // the theme files' rule) a lone LF; the last one may end the bytes instead. No line
  // holds a character that ends one.
  std::size_t at = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    FUZZ_CHECK(line.data() == bytes.data() + at);
    FUZZ_CHECK(line.find('\r') == std::string_view::npos);
    if (lfEnds) FUZZ_CHECK(line.find('\n') == std::string_view::npos);
    at += line.size();
    if (at == bytes.size()) {
      FUZZ_CHECK(i + 1 == lines.size());
      break;
    }
    if (bytes[at] == '\n') {
      FUZZ_CHECK(lfEnds);
      ++at;
      continue;
    }
    FUZZ_CHECK(bytes[at] == '\r');
    ++at;
    if (at < bytes.size() && bytes[at] == '\n') ++at;
  }
  FUZZ_CHECK(at == bytes.size());
  FUZZ_CHECK(LinesInPieces(bytes, ends) == std::vector<std::string>(lines.begin(), lines.end()));

  // Joined with CR LF, the lines cut the same way again.
  std::string joined;
  for (std::string_view line : lines) {
    joined += line;
    joined += "\r\n";
  }
  const std::vector<std::string_view> again = platform::SplitLines(joined, ends);
  FUZZ_CHECK(again.size() == lines.size());
  for (std::size_t i = 0; i < lines.size() && i < again.size(); ++i) FUZZ_CHECK(again[i] == lines[i]);
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckedLines(bytes, platform::LineEnds::CrOrCrLf);
  const std::vector<std::string_view> lines = CheckedLines(bytes, platform::LineEnds::CrLfCrOrLf);

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
