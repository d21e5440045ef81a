// setting.ini files no host writes but a user may have: huge ones, odd numbers, NUL
// bytes, other encodings, other line ends, texts the code page cannot hold. None stops
// the program or costs more than a small multiple of its size; each reads as the host
// would read it; a rewrite without edits changes only what the format forces.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/code_page.h"
#include "platform/files.h"
#include "platform/text_file.h"
#include "settings/settings_file.h"
#include "tests/hostile/allocation_meter.h"
#include "tests/settings/settings_folder.h"

using namespace std::string_literals;

namespace {

std::vector<std::string> CrLfLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(bytes.substr(start, end - start));
  }
  EXPECT_EQ(start, bytes.size()) << "the last line has no CR LF";
  return lines;
}

bool HasLine(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Loads and saves: the file the program would write at the close without edits.
std::string Rewrite(const SettingsFolder& folder) {
  const SettingsRecord s = folder.Load();
  EXPECT_TRUE(SaveSettings(s).ok());
  return folder.ReadSettings();
}

// Odd lines a user or a tool may leave: each kept byte for byte through a rewrite, or
// changed only as the format says; a second rewrite changes nothing more.
TEST(HostileSettings, OddLinesAreKeptOrChangedOnlyAsTheFormatSays) {
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> kept;    // lines that come back as they were
    std::vector<std::string> forced;  // lines that come back in the format's own form
  };
  const std::string utf8Title = "TransformTitle=\xE6\xAD\x8C\xE5\xA3\xB0";  // 歌声 in UTF-8
  const Case cases[] = {
      {"OtoList and History numbers out of range",
       "OtoList99999999999=a\r\nOtoList-1=b\r\nOtoList2147483647=c\r\nOtoList007=d\r\n"
       "History-5=x\r\nHistory99999999999999999999=y\r\n",
       {"OtoList99999999999=a", "OtoList-1=b", "OtoList2147483647=c", "OtoList007=d"},
       {"History1=x", "History2=y"}},
      {"NUL bytes in keys, values and lines",
       "VoiceRoot=a\0b\r\nFu\0ture=1\r\n\0\0\r\n"s,
       {"VoiceRoot=a\0b"s, "Fu\0ture=1"s, "\0\0"s},
       {}},
      {"saved by Notepad as UTF-8", utf8Title + "\r\nMainWindow=1,2,3,4\r\n", {utf8Title, "MainWindow=1,2,3,4"}, {}},
      {"saved by Notepad as UTF-8 with a byte-order mark",
       "\xEF\xBB\xBFOtoList0=voice,\xE3\x81\x82\r\n" + utf8Title + "\r\n",
       {"\xEF\xBB\xBFOtoList0=voice,\xE3\x81\x82", utf8Title},
       {}},
      {"lone CR line ends", "CacheEnable=1\rFutureKey=\x89\xCC\rMainWindow=5", {"FutureKey=\x89\xCC", "MainWindow=5"},
       {"CacheEnable=1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SettingsFolder folder;
    folder.WriteSettings(c.bytes);
    SettingsLoadResult result;
    folder.Load(&result);
    EXPECT_TRUE(result.found);
    EXPECT_TRUE(result.status.ok());
    const std::string first = Rewrite(folder);
    const std::vector<std::string> lines = CrLfLines(first);
    for (const std::string& line : c.kept) EXPECT_TRUE(HasLine(lines, line)) << ::testing::PrintToString(line);
    for (const std::string& line : c.forced) EXPECT_TRUE(HasLine(lines, line)) << ::testing::PrintToString(line);
    EXPECT_EQ(Rewrite(folder), first);
  }
}

// What the host sees in a UTF-8 file is its bytes as Shift-JIS: the program shows the
// same, and a byte-order mark makes the first key one neither of them knows.
TEST(HostileSettings, UnicodeTextsReadAsTheHostReadsThem) {
  SettingsFolder folder;
  folder.WriteSettings("\xEF\xBB\xBF" "CacheEnable=1\r\nTransformTitle=\xE6\xAD\x8C\xE5\xA3\xB0\r\n");
  const SettingsRecord s = folder.Load();
  EXPECT_FALSE(s.CacheEnable);
  EXPECT_EQ(s.TransformTitle, platform::FromCodePage("\xE6\xAD\x8C\xE5\xA3\xB0"));
  EXPECT_NE(s.TransformTitle, L"歌声");
}

// A UTF-16 file gives the host no line it knows, and a file whose lines end in LF alone
// reads as one line. Either is read as the host reads it, the user is told why, and it
// is never written over.
TEST(HostileSettings, Utf16AndLoneLineFeedFilesAreReadAsTheHostDoesAndNotToBeWritten) {
  struct Case {
    const char* name;
    std::string bytes;
    platform::TextShape shape;
  };
  std::string utf16 = "\xFF\xFE";
  for (char c : std::string("CacheEnable=1\r\nTransformTitle=x\r\n")) utf16 += std::string{c, '\0'};
  const Case cases[] = {
      {"UTF-16", utf16, platform::TextShape::Utf16},
      {"lone LF", "CacheEnable=1\nTransformTitle=x\nMainWindow=1,2,3,4\n", platform::TextShape::LoneLineFeeds},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SettingsFolder folder;
    const SettingsRecord defaults = folder.Load();
    folder.WriteSettings(c.bytes);
    SettingsLoadResult result;
    const SettingsRecord s = folder.Load(&result);
    EXPECT_TRUE(result.found);
    EXPECT_FALSE(result.status.ok());
    EXPECT_EQ(result.status.trouble(), platform::TroubleOfShape(c.shape));
    // Neither gives the host TransformTitle or a true CacheEnable; the tool paths are
    // the defaults in the program's folder, as with no file.
    EXPECT_TRUE(s.TransformTitle.empty());
    EXPECT_FALSE(s.CacheEnable);
    if (c.shape == platform::TextShape::Utf16) {
      EXPECT_EQ(s, defaults);
    } else {
      // The whole file is one CacheEnable line whose value runs on to the second "=":
      // a rewrite would keep nothing else of it.
      EXPECT_TRUE(s.OtherLines.empty());
      EXPECT_EQ(s.MainWindow, L"");
    }
  }
}

// Texts the code page cannot hold become "?" in the file; everything else in it stays.
TEST(HostileSettings, TextsTheCodePageCannotHoldBecomeQuestionMarks) {
  SettingsFolder folder;
  folder.WriteSettings("FutureKey=1\r\n");
  SettingsRecord s = folder.Load();
  s.TransformTitle = L"caf\u00E9 \uD55C\uAE00 歌";
  ASSERT_TRUE(SaveSettings(s).ok());
  const std::vector<std::string> lines = CrLfLines(folder.ReadSettings());
  EXPECT_TRUE(HasLine(lines, "TransformTitle=caf? ?? \x89\xCC"));
  EXPECT_TRUE(HasLine(lines, "FutureKey=1"));
  EXPECT_EQ(folder.Load().TransformTitle, L"caf? ?? 歌");
}

// --- Size ---------------------------------------------------------------------------------

// Reading costs little more than the file itself and what the record keeps of it:
// each text character takes sizeof(wchar_t) bytes, each kept line one string (a few
// words) and the slack of the growing list.
std::size_t ReadingBound(std::size_t fileBytes, std::size_t lines) {
  return fileBytes * (1 + 2 * sizeof(wchar_t)) + lines * 4 * sizeof(std::wstring) + (1u << 20);
}

// A million lines, half of them kept in the record (History), half aside (keys the
// record does not know).
TEST(HostileSettings, AMillionLinesReadInBoundedMemoryAndRewriteTheSame) {
  SettingsFolder folder;
  std::string bytes;
  for (int i = 0; i < 500'000; ++i) {
    const std::string n = std::to_string(i);
    bytes += "History" + n + "=C:\\voice\\a.ust\r\nFuture" + n + "=1\r\n";
  }
  folder.WriteSettings(bytes);
  SettingsRecord s;
  {
    AllocationMeter meter;
    s = folder.Load();
    EXPECT_LE(meter.PeakBytes(), ReadingBound(bytes.size(), 1'000'000));
  }
  EXPECT_EQ(s.History.size(), 500'000u);
  EXPECT_EQ(s.OtherLines.size(), 500'000u);
  {
    AllocationMeter meter;
    ASSERT_TRUE(SaveSettings(s).ok());
    // Only the new file's bytes, while they grow, besides the record.
    EXPECT_LE(meter.PeakBytes(), 3 * bytes.size() + (1u << 20));
  }
  std::string first;
  ASSERT_TRUE(platform::ReadFileBytes(SettingsPath(), first).ok());
  ASSERT_TRUE(SaveSettings(folder.Load()).ok());
  std::string second;
  ASSERT_TRUE(platform::ReadFileBytes(SettingsPath(), second).ok());
  EXPECT_TRUE(first == second);
}

// One line of ten megabytes, in the record (TransformTitle) and aside (a key it does not know).
TEST(HostileSettings, ATenMegabyteLineIsKeptWhole) {
  for (const std::string key : {"TransformTitle", "FutureKey"}) {
    SCOPED_TRACE(key);
    SettingsFolder folder;
    const std::string line = key + "=" + std::string(10u << 20, 'x');
    folder.WriteSettings(line + "\r\n");
    SettingsRecord s;
    {
      AllocationMeter meter;
      s = folder.Load();
      EXPECT_LE(meter.PeakBytes(), ReadingBound(line.size(), 1));
    }
    ASSERT_TRUE(SaveSettings(s).ok());
    std::string written;
    ASSERT_TRUE(platform::ReadFileBytes(SettingsPath(), written).ok());
    EXPECT_NE(written.find("\r\n" + line + "\r\n"), std::string::npos);
  }
}

}  // namespace
