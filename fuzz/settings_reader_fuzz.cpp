// Any bytes as setting.ini: reading never fails, and what the writer makes of the
// record reads back to the same record (a rewrite without edits changes nothing more).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "platform/text_file.h"
#include "settings/settings_file.h"

namespace {
std::vector<std::wstring> Decode(std::string_view bytes) {
  std::vector<std::wstring> lines;
  for (std::string_view line : platform::SplitLines(bytes)) lines.push_back(platform::FromCodePage(line));
  return lines;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  SettingsRecord first;
  ReadSettingsLines(first, Decode({reinterpret_cast<const char*>(data), size}));
  const std::string written = platform::JoinLinesCrlf(WriteSettingsLines(first));
  SettingsRecord second;
  ReadSettingsLines(second, Decode(written));
  if (platform::JoinLinesCrlf(WriteSettingsLines(second)) != written) std::abort();
  return 0;
}
