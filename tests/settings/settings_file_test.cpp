// setting.ini on disk: round trips, lines kept through a rewrite, Shift-JIS text and
// failed writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/program_folder.h"
#include "settings/settings_file.h"
#include "settings_folder.h"

namespace {

int CountEntries(const SettingsFolder& folder) {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(folder.Folder()))) {
    (void)entry;
    ++count;
  }
  return count;
}

// Everything the writer can write, with tool paths that exist so that a load keeps them.
SettingsRecord RichRecord(const SettingsFolder& folder) {
  folder.Write(L"wavtool.exe", "MZ");
  folder.Write(L"resampler.exe", "MZ");
  SettingsRecord s;
  SetStandardColors(s);
  SetDefaultSettings(s);
  s.OtoList = {{0, L"a\tb\tc"}, {7, L"seven"}, {2000000000, L"far"}};
  s.CacheEnable = s.CacheDeleteBySize = s.CacheDeleteByDate = true;
  s.CacheDeleteSize = -12;
  s.CacheDeleteInterval = 30;
  s.Tool1Path = folder.File(L"wavtool.exe");
  s.Tool2Path = folder.File(L"resampler.exe");
  s.History = {L"C:\\songs\\a.ust", L"", L"C:\\songs\\b.ust"};
  s.DebugMode = s.OnlyConcat = s.OldTime = true;
  s.MultiMove = s.EncPitchDatas = false;
  s.Colors[COLOR_BACK] = -1;
  s.Colors[COLOR_FORE] = 0x8000;
  s.TransformTitle = L"夜の歌ソ表";
  s.MainWindow = L"10,20,300,400";
  s.VoiceRoot = L"voice";
  s.OtherLines = {L"NewerKey=1", L"OtoList07=kept", L"[odd line]"};
  return s;
}

TEST(SettingsFile, AWrittenFileLoadedAndWrittenAgainIsByteIdentical) {
  SettingsFolder folder;
  const SettingsRecord original = RichRecord(folder);
  ASSERT_TRUE(SaveSettings(original).ok());
  const std::string first = folder.ReadSettings();

  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    SettingsLoadResult result;
    const SettingsRecord loaded = folder.Load(&result);
    ASSERT_TRUE(result.found && result.status.ok());
    EXPECT_EQ(loaded, original);
    ASSERT_TRUE(SaveSettings(loaded).ok());
    EXPECT_EQ(folder.ReadSettings(), first);
  }
}

TEST(SettingsFile, ARewriteKeepsTheHostsOtherLinesAfterTheRecordsOwnInTheirOrder) {
  SettingsFolder folder;
  folder.WriteSettings(
      "[Lirva]\r\n"
      "OtoList3=x,y\r\n"
      "NewerKey=1\r\n"
      "COLOR_BACK=&HFF\r\n"
      "OtoList1=first\r\n"
      "OtoListHistory=a\r\n"
      "\r\n"
      "Tool1Path=\r\n"
      "AnotherNewKey=a=b\r\n"
      "History9=h\r\n"
      "MultiMove=True\r\n");
  ASSERT_TRUE(SaveSettings(folder.Load()).ok());
  // The record's own lines come first, in their fixed order (OtoList by position)...
  const std::string written = folder.ReadSettings();
  EXPECT_TRUE(written.starts_with("OtoList1=first\r\nOtoList3=x,y\r\nTool1Path="));
  EXPECT_NE(written.find("\r\nHistory1=h\r\nCOLOR_PIANO1=&HFFFFFF\r\n"), std::string::npos);
  EXPECT_NE(written.find("\r\nCOLOR_BACK=&HFF\r\n"), std::string::npos);
  // ...then what the record does not hold, unchanged and in the host's order.
  EXPECT_TRUE(written.ends_with(
      "\r\nMainWindow=\r\n"
      "[Lirva]\r\n"
      "NewerKey=1\r\n"
      "OtoListHistory=a\r\n"
      "AnotherNewKey=a=b\r\n"));
  EXPECT_EQ(written.find("MultiMove"), std::string::npos);

  // From then on the file stays as it is.
  ASSERT_TRUE(SaveSettings(folder.Load()).ok());
  EXPECT_EQ(folder.ReadSettings(), written);
}

TEST(SettingsFile, AJapaneseTransformTitleRoundTripsInShiftJis) {
  // 夜の歌ソ表: the second bytes of ソ and 表 are 0x5C, a backslash in ASCII.
  const std::string title = "\x96\xE9\x82\xCC\x89\xCC\x83\x5C\x95\x5C";
  SettingsFolder folder;
  folder.WriteSettings("TransformTitle=" + title + "\r\n");
  SettingsRecord s = folder.Load();
  EXPECT_EQ(s.TransformTitle, L"夜の歌ソ表");

  ASSERT_TRUE(SaveSettings(s).ok());
  EXPECT_NE(folder.ReadSettings().find("\r\nTransformTitle=" + title + "\r\n"), std::string::npos);

  s.TransformTitle = L"新しい題";
  ASSERT_TRUE(SaveSettings(s).ok());
  EXPECT_NE(folder.ReadSettings().find("\r\nTransformTitle=\x90\x56\x82\xB5\x82\xA2\x91\xE8\r\n"), std::string::npos);
  EXPECT_EQ(folder.Load().TransformTitle, L"新しい題");
}

TEST(SettingsFile, AFailedSaveLeavesTheOldFileAsItWasAndSaysWhy) {
  SettingsFolder folder;
  const std::string old = "COLOR_BACK=&H1\r\nNewerKey=1\r\n";
  folder.WriteSettings(old);
  SettingsRecord s = folder.Load();
  s.Colors[COLOR_BACK] = 2;

  // A read-only file is refused, even for root.
  const std::filesystem::path file(SettingsPath());
  std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                         std::filesystem::perms::others_read);
  const platform::IoStatus status = SaveSettings(s);
  EXPECT_FALSE(status.ok());
  EXPECT_FALSE(status.reason().empty());
  EXPECT_EQ(folder.ReadSettings(), old);
  EXPECT_EQ(CountEntries(folder), 1);  // no temporary file left behind
  std::filesystem::permissions(file, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
}

TEST(SettingsFile, SavingWhereNoFileCanBeIsReported) {
  SettingsFolder folder;
  const SettingsRecord s = folder.Load();
  {
    platform::ScopedProgramFolder missing(folder.File(L"no such folder"));
    EXPECT_FALSE(SaveSettings(s).ok());
  }
  std::filesystem::create_directory(std::filesystem::path(folder.File(L"setting.ini")));
  EXPECT_FALSE(SaveSettings(s).ok());
  EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(folder.File(L"setting.ini"))));
  EXPECT_EQ(CountEntries(folder), 1);
}

}  // namespace
