#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_file.h"

namespace {

std::vector<std::string> Split(std::string_view bytes) {
  std::vector<std::string> out;
  for (auto line : platform::SplitLines(bytes)) out.emplace_back(line);
  return out;
}

struct LinesCase {
  std::string bytes;
  std::vector<std::string> lines;
};

const LinesCase kLineCases[] = {
    {"", {}},
    {"a", {"a"}},
    {"a\r\n", {"a"}},
    {"a\r\nb", {"a", "b"}},
    {"a\rb\r", {"a", "b"}},
    {"a\nb\r\n", {"a\nb"}},
    {"\r\n\r\nx", {"", "", "x"}},
    {"a\r\r\nb", {"a", "", "b"}},
    {"a\n", {"a\n"}},
    {"\n\r\n\n", {"\n", "\n"}},
    // Shift-JIS whose trail bytes look like "[" and "}": still one line each.
    {"[\x83" "e\x81[\x83}]\r\nTransformTitle=\x91\xe8\r", {"[\x83" "e\x81[\x83}]", "TransformTitle=\x91\xe8"}},
};

TEST(SplitLines, CrLfAndLoneCrEndLinesButLoneLfDoesNot) {
  for (const auto& c : kLineCases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(Split(c.bytes), c.lines);
  }
}

// A file arrives in pieces; a CR LF may be cut between two of them.
TEST(LineSplitter, PiecesGiveTheSameLinesWhereverTheBytesAreCut) {
  for (const auto& c : kLineCases) {
    for (std::size_t pieceLength = 1; pieceLength <= c.bytes.size() + 1; ++pieceLength) {
      for (std::size_t firstCut = 0; firstCut <= c.bytes.size(); ++firstCut) {
        SCOPED_TRACE(c.bytes + " first cut " + std::to_string(firstCut) + ", then every " +
                     std::to_string(pieceLength));
        std::vector<std::string> lines;
        auto keep = [&lines](std::string_view line) { lines.emplace_back(line); };
        platform::LineSplitter splitter;
        const std::string_view bytes = c.bytes;
        splitter.Feed(bytes.substr(0, firstCut), keep);
        std::size_t at = firstCut;
        for (; at + pieceLength < bytes.size(); at += pieceLength) splitter.Feed(bytes.substr(at, pieceLength), keep);
        splitter.FeedLast(bytes.substr(std::min(at, bytes.size())), keep);
        EXPECT_EQ(lines, c.lines);
      }
    }
  }
}

TEST(JoinLinesCrlf, EndsEveryLineWithCrLf) {
  EXPECT_EQ(platform::JoinLinesCrlf({}), "");
  EXPECT_EQ(platform::JoinLinesCrlf({L"a", L"", L"b"}), "a\r\n\r\nb\r\n");
}

}  // namespace
