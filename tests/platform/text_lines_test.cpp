#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/text_file.h"

namespace {

std::vector<std::string> Split(std::string_view bytes) {
  std::vector<std::string> out;
  for (auto line : platform::SplitLines(bytes)) out.emplace_back(line);
  return out;
}

TEST(SplitLines, CrLfAndLoneCrEndLinesButLoneLfDoesNot) {
  struct Case {
    std::string bytes;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\nb\r\n", {"a\nb"}},
      {"\r\n\r\nx", {"", "", "x"}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"a\n", {"a\n"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(Split(c.bytes), c.lines);
  }
}

TEST(JoinLinesCrlf, EndsEveryLineWithCrLf) {
  EXPECT_EQ(platform::JoinLinesCrlf({}), "");
  EXPECT_EQ(platform::JoinLinesCrlf({L"a", L"", L"b"}), "a\r\n\r\nb\r\n");
}

}  // namespace
