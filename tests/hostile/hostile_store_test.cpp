// Theme stores and theme files no program of ours wrote: a million themes, other
// encodings and line ends, NUL bytes, names the code page cannot hold.
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace std::string_literals;

#include "platform/code_page.h"
#include "platform/files.h"
#include "platform/text_file.h"
#include "tests/hostile/allocation_meter.h"
#include "tests/platform/temp_folder.h"
#include "themes/theme_store.h"

namespace {

constexpr wchar_t kCurrentSettings[] = L"(現在の設定)";

std::string Read(const std::wstring& path) {
  std::string bytes;
  EXPECT_TRUE(platform::ReadFileBytes(path, bytes).ok());
  return bytes;
}

std::vector<std::wstring> Names(const ThemeList& list) {
  std::vector<std::wstring> names;
  for (const Theme& theme : list) names.push_back(theme.Name);
  return names;
}

// A section costs a theme record whatever its size in the file, so a store of bare
// section lines is bounded per section; the bytes themselves as for any file.
TEST(HostileStore, AMillionThemesReadInBoundedMemory) {
  TempFolder folder;
  std::string bytes;
  for (int i = 0; i < 1'000'000; ++i) {
    bytes += '[';
    bytes += std::to_string(i);
    bytes += "]\r\n";
  }
  folder.Write(L"store.ini", bytes);
  ThemeList list(1);
  std::vector<std::wstring> shown;
  {
    AllocationMeter meter;
    ASSERT_TRUE(LoadThemeStore(list, SettingsRecord{}, kCurrentSettings, folder.File(L"store.ini")).ok());
    // The list box's copy of each name counts here too.
    const std::vector<std::wstring_view> names = ThemeNames(list);
    shown.assign(names.begin(), names.end());
    const std::size_t perTheme = 2 * sizeof(Theme) + 2 * sizeof(std::wstring);
    EXPECT_LE(meter.PeakBytes(), bytes.size() * (1 + 2 * sizeof(wchar_t)) + 1'000'001 * perTheme + (1u << 20));
  }
  ASSERT_EQ(list.size(), 1'000'001u);
  EXPECT_EQ(list[1'000'000].Name, L"999999");
  EXPECT_EQ(shown.size(), list.size());
}

std::string Utf16(const std::wstring& text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (wchar_t c : text) {
    const char high = static_cast<char>((c >> 8) & 0xFF);
    const char low = static_cast<char>(c & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

// A store saved by an editor in another shape: what is kept of it, and what a rewrite
// without edits makes of it (the format's own shape, after which nothing changes).
TEST(HostileStore, OtherShapesReadAsDecidedAndRewriteKeepingTheirThemes) {
  const std::string section = "[Night]\r\nCOLOR_BACK=&H102030\r\nTransformTitle=\x89\xCC\r\n";
  const std::string utf8Section = "[\xE5\xA4\x9C]\r\nCOLOR_BACK=&H102030\r\nTransformTitle=\xE6\xAD\x8C\r\n";
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::wstring> names;  // after entry 0
    std::wstring firstTitle;
  };
  const Case cases[] = {
      // An editor's Unicode is read as such, and written back in the code page.
      {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + utf8Section + "[Day]\r\n", {L"夜", L"Day"}, L"歌"},
      {"UTF-8 without a mark", utf8Section + "[Day]\r\n", {L"夜", L"Day"}, L"歌"},
      {"UTF-16", Utf16(L"[夜]\r\nCOLOR_BACK=&H102030\r\nTransformTitle=歌\r\n[Day]\r\n", false), {L"夜", L"Day"}, L"歌"},
      {"UTF-16, big-endian", Utf16(L"[夜]\r\nTransformTitle=歌\r\n", true), {L"夜"}, L"歌"},
      {"lone CR line ends", "[Night]\rCOLOR_BACK=&H102030\rTransformTitle=\x89\xCC\r[Day]", {L"Night", L"Day"}, L"歌"},
      {"NUL bytes", "[N\0ght]\r\nTransformTitle=a\0b\r\n"s, {L"N\0ght"s}, L"a\0b"s},
      // Bytes that are no Shift-JIS come back as they were.
      {"bytes of no encoding", "[\x80Night\xFF]\r\n" + section.substr(9), {platform::FromCodePage("\x80Night\xFF")}, L"歌"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    folder.Write(L"store.ini", c.bytes);
    ThemeList list(1);
    ASSERT_TRUE(LoadThemeStore(list, SettingsRecord{}, kCurrentSettings, folder.File(L"store.ini")).ok());
    std::vector<std::wstring> expected{kCurrentSettings};
    expected.insert(expected.end(), c.names.begin(), c.names.end());
    EXPECT_EQ(Names(list), expected);
    ASSERT_GE(list.size(), 2u);
    EXPECT_EQ(list[1].TransformTitle, c.firstTitle);

    ASSERT_TRUE(SaveThemeStore(list, folder.File(L"store.ini")).ok());
    const std::string first = Read(folder.File(L"store.ini"));
    ThemeList again(1);
    ASSERT_TRUE(LoadThemeStore(again, SettingsRecord{}, kCurrentSettings, folder.File(L"store.ini")).ok());
    EXPECT_EQ(Names(again), expected);
    ASSERT_TRUE(SaveThemeStore(again, folder.File(L"store.ini")).ok());
    EXPECT_EQ(Read(folder.File(L"store.ini")), first);
  }
}

// Names and titles the code page cannot hold are written with "?" in their place.
TEST(HostileStore, NamesTheCodePageCannotHoldAreWrittenWithQuestionMarks) {
  TempFolder folder;
  ThemeList list(2);
  list[1].Name = L"\uD55C\uAE00 caf\u00E9";
  list[1].TransformTitle = L"歌\u00E9";
  ASSERT_TRUE(SaveThemeStore(list, folder.File(L"store.ini")).ok());
  const std::string bytes = Read(folder.File(L"store.ini"));
  EXPECT_EQ(bytes.substr(0, bytes.find("\r\n")), "[?? caf?]");
  EXPECT_NE(bytes.find("\r\nTransformTitle=\x89\xCC?\r\n"), std::string::npos);
}

}  // namespace
