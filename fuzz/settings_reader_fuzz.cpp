// Any bytes as setting.ini: reading never fails, and what the writer makes of the
// record reads back to the same record (a rewrite without edits changes nothing more).
// Read and written line by line, as LoadSettings and SaveSettings do, into buffers that
// live across inputs.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "platform/code_page.h"
#include "platform/text_file.h"
#include "settings/settings_file.h"

namespace {

void Read(std::string_view bytes, SettingsRecord& record) {
  platform::ForEachLine(bytes, [&](std::string_view line) { ReadSettingsLine(record, platform::FromCodePage(line)); });
}

void Write(const SettingsRecord& record, std::string& bytes) {
  bytes.clear();
  WriteSettingsLines(record, [&](std::wstring_view line) { platform::AppendLineCrlf(bytes, line); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static std::string written;
  static std::string again;
  SettingsRecord first;
  Read({reinterpret_cast<const char*>(data), size}, first);
  Write(first, written);
  SettingsRecord second;
  Read(written, second);
  Write(second, again);
  FUZZ_CHECK(again == written);
  return 0;
}
