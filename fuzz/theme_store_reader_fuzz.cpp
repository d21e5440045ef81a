// Any bytes as a theme file: reading never fails, and a file the writer made reads
// back to the same themes, so saving again gives the same bytes. Read as LoadThemeStore
// reads a file's bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "platform/text_file.h"
#include "themes/theme_store.h"
#include "themes/theme_store_reader.h"

namespace {

void ReadAndWrite(std::string_view bytes, std::string& written) {
  ThemeStoreReader reader(ThemeList(1));
  ReadThemeStoreBytes(bytes, reader);
  written.clear();
  WriteThemeStoreLines(reader.TakeThemes(), [&](std::wstring_view line) { platform::AppendLineCrlf(written, line); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Across inputs, so that their room is allocated once.
  static std::string written;
  static std::string again;
  ReadAndWrite({reinterpret_cast<const char*>(data), size}, written);
  ReadAndWrite(written, again);
  FUZZ_CHECK(again == written);
  return 0;
}
