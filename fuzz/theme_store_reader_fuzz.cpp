// Any bytes as a theme file: reading never fails, and a file the writer made reads
// back to the same themes, so saving again gives the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
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
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string written =
      platform::JoinLinesCrlf(WriteThemeStoreLines(Read({reinterpret_cast<const char*>(data), size})));
  if (platform::JoinLinesCrlf(WriteThemeStoreLines(Read(written))) != written) std::abort();
  return 0;
}
