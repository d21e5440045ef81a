// Reading setting.ini: every value rule through a file in a program folder of the
// test's own.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "platform/utf8.h"
#include "settings/settings_file.h"
#include "settings_folder.h"

namespace {

std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string bytes;
  for (std::string_view line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

// What a load without a file holds is pinned down line by line by the writer's
// 23-line test; here the result and the equality with an empty file.
TEST(LoadSettings, AnEmptyFileGivesTheSameRecordAsNoFileButCountsAsRead) {
  SettingsFolder folder;
  SettingsLoadResult result;
  const SettingsRecord missing = folder.Load(&result);
  EXPECT_FALSE(result.found);
  EXPECT_TRUE(result.status.ok());
  EXPECT_EQ(missing.CacheDeleteSize, 0);
  EXPECT_EQ(missing.Tool1Path, folder.File(L"wavtool.exe"));
  EXPECT_TRUE(missing.MultiMove);

  folder.WriteSettings("");
  const SettingsRecord empty = folder.Load(&result);
  EXPECT_TRUE(result.found && result.status.ok());
  EXPECT_EQ(empty, missing);

  // A second load starts again from the defaults.
  SettingsRecord reloaded = empty;
  reloaded.History = {L"a"};
  reloaded.OtherLines = {L"b"};
  reloaded.MultiMove = false;
  LoadSettings(reloaded);
  EXPECT_EQ(reloaded, empty);
}

TEST(LoadSettings, FlagsAreTrueOnlyForTheirExactTrueText) {
  const struct {
    std::string key;
    std::string trueText;
    bool SettingsRecord::*field;
  } flags[] = {
      {"CacheEnable", "1", &SettingsRecord::CacheEnable},
      {"CacheDeleteOnUnload", "1", &SettingsRecord::CacheDeleteOnUnload},
      {"CacheDeleteBySize", "1", &SettingsRecord::CacheDeleteBySize},
      {"CacheDeleteByDate", "1", &SettingsRecord::CacheDeleteByDate},
      {"PropExpandDetail", "1", &SettingsRecord::PropExpandDetail},
      {"DebugMode", "True", &SettingsRecord::DebugMode},
      {"CheckVoiceFile", "1", &SettingsRecord::CheckVoiceFile},
      {"NonBatchMode", "1", &SettingsRecord::NonBatchMode},
      {"CompPitchDatas", "1", &SettingsRecord::CompPitchDatas},
      {"EncPitchDatas", "1", &SettingsRecord::EncPitchDatas}, {"OldTime", "1", &SettingsRecord::OldTime},
      {"NoCopyVoiceParam", "1", &SettingsRecord::NoCopyVoiceParam},
      {"ExcludeVowelOnSetParam", "1", &SettingsRecord::ExcludeVowelOnSetParam},
      {"MultiMove", "True", &SettingsRecord::MultiMove}, {"OnlyConcat", "True", &SettingsRecord::OnlyConcat},
  };
  SettingsFolder folder;
  for (const auto& flag : flags) {
    SCOPED_TRACE(flag.key);
    folder.WriteSettings(Lines({flag.key + "=" + flag.trueText}));
    EXPECT_TRUE(folder.Load().*flag.field);
    for (std::string other : {"", "0", "true", "TRUE", "1 ", "-1", "True", "1"}) {
      if (other == flag.trueText) continue;
      SCOPED_TRACE(other);
      folder.WriteSettings(Lines({flag.key + "=" + flag.trueText, flag.key + "=" + other}));
      EXPECT_FALSE(folder.Load().*flag.field);
    }
  }
}

TEST(LoadSettings, IntegersAndColoursFollowTheNumericTextRule) {
  using Field = std::function<std::int32_t(const SettingsRecord&)>;
  const Field size = [](const SettingsRecord& s) { return s.CacheDeleteSize; };
  const Field interval = [](const SettingsRecord& s) { return s.CacheDeleteInterval; };
  const auto color = [](ColorSlot slot) { return Field([slot](const SettingsRecord& s) { return s.Colors[slot]; }); };
  const struct {
    std::string line;
    Field field;
    std::int32_t expected;
  } cases[] = {
      {"COLOR_ROLL1=&H8000", color(COLOR_ROLL1), 32768}, {"COLOR_BACK=", color(COLOR_BACK), 0},
      {"COLOR_BACK=FFFFFF", color(COLOR_BACK), 0}, {"COLOR_BACK=16777215", color(COLOR_BACK), 16777215},
      {"COLOR_BACK=&HFFFFFFFF", color(COLOR_BACK), -1}, {"COLOR_FORE=&hff", color(COLOR_FORE), 255},
      {"COLOR_NOTE_RSEL=&H 12 34", color(COLOR_NOTE_RSEL), 0x1234},
      {"COLOR_PIANO1=2.5", color(COLOR_PIANO1), 2},
      {"COLOR_PIANO1=&H123456789", color(COLOR_PIANO1), std::numeric_limits<std::int32_t>::max()},
      {"CacheDeleteSize=&HFFFF", size, -1}, {"CacheDeleteSize=2.5", size, 2},
      {"CacheDeleteSize=3.5", size, 4}, {"CacheDeleteSize=1.5E2", size, 150},
      {"CacheDeleteSize=500MB", size, 500}, {"CacheDeleteInterval=-7", interval, -7},
      {"CacheDeleteInterval=99999999999", interval, std::numeric_limits<std::int32_t>::max()},
      {"CacheDeleteInterval=abc", interval, 0},
  };
  SettingsFolder folder;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    folder.WriteSettings(Lines({c.line}));
    EXPECT_EQ(c.field(folder.Load()), c.expected);
  }
  // Every colour key lands in its own slot.
  std::string bytes;
  for (int slot = 0; slot < kColorSlotCount; ++slot) {
    bytes += platform::ToUtf8(kColorSlots[slot].key) + "=" + std::to_string(slot + 100) + "\r\n";
  }
  folder.WriteSettings(bytes);
  const SettingsRecord s = folder.Load();
  for (int slot = 0; slot < kColorSlotCount; ++slot) EXPECT_EQ(s.Colors[slot], slot + 100);
}

TEST(LoadSettings, TextsAreTakenAsTheyStandUpToASecondEqualsSign) {
  SettingsFolder folder;
  folder.WriteSettings(Lines({"VoiceRoot=a=b", "DefaultVoice= spaced ", "FormIcon=icon.ico", "TransformTitle=Title",
                              "MainWindow=10,20,300,400"}));
  SettingsRecord s = folder.Load();
  EXPECT_EQ(s.VoiceRoot, L"a");
  EXPECT_EQ(s.DefaultVoice, L" spaced ");
  EXPECT_EQ(s.FormIcon, L"icon.ico");
  EXPECT_EQ(s.TransformTitle, L"Title");
  EXPECT_EQ(s.MainWindow, L"10,20,300,400");
  EXPECT_TRUE(s.OtherLines.empty());

  folder.WriteSettings(Lines({"MainWindow=10,20,300,400", "MainWindow="}));
  EXPECT_EQ(folder.Load().MainWindow, L"");
}

TEST(LoadSettings, LinesThatMatchNoKeyChangeNothingAndAreKeptInOrder) {
  SettingsFolder folder;
  const SettingsRecord defaults = folder.Load();
  const std::vector<std::string> strangers = {"CacheEnable =1", " CacheEnable=1", "cacheenable=1", "[Section]",
                                              "no equals sign", "=1", "COLOR_back=&H0", "NewerHostKey=x=y"};
  std::string bytes = "\r\n";
  for (const std::string& line : strangers) bytes += line + "\r\n\r\n";
  folder.WriteSettings(bytes);

  SettingsRecord s = folder.Load();
  std::vector<std::wstring> expected;
  for (const std::string& line : strangers) expected.push_back(platform::FromUtf8(line));
  EXPECT_EQ(s.OtherLines, expected);
  s.OtherLines.clear();
  EXPECT_EQ(s, defaults);
}

TEST(LoadSettings, CrOnlyAndCrLfLineEndsGiveTheSameRecord) {
  const std::vector<std::string> lines = {"COLOR_BACK=&HFF", "History1=a", "History2=b", "OtoList3=x,y",
                                          "Unknown=1", "MultiMove=False", "TransformTitle=t"};
  std::string crlf, cr;
  for (const std::string& line : lines) {
    crlf += line + "\r\n";
    cr += line + "\r";
  }
  cr.pop_back();  // a last line without a line end is taken too
  SettingsFolder folder;
  folder.WriteSettings(crlf);
  const SettingsRecord fromCrlf = folder.Load();
  folder.WriteSettings(cr);
  const SettingsRecord fromCr = folder.Load();
  EXPECT_EQ(fromCr, fromCrlf);
  EXPECT_EQ(fromCr.Colors[COLOR_BACK], 0xFF);
  EXPECT_EQ(fromCr.History.size(), 2u);
  EXPECT_EQ(fromCr.TransformTitle, L"t");
}

TEST(LoadSettings, TheLastOccurrenceOfAKeyWins) {
  SettingsFolder folder;
  folder.WriteSettings(Lines({"COLOR_BACK=&H1", "TransformTitle=first", "COLOR_BACK=&H2", "CacheEnable=1",
                              "TransformTitle=second", "CacheEnable=0"}));
  const SettingsRecord s = folder.Load();
  EXPECT_EQ(s.Colors[COLOR_BACK], 2);
  EXPECT_EQ(s.TransformTitle, L"second");
  EXPECT_FALSE(s.CacheEnable);
  EXPECT_TRUE(s.OtherLines.empty());
}

TEST(LoadSettings, HistoryEntriesKeepFileOrderWhateverTheirKeys) {
  SettingsFolder folder;
  folder.WriteSettings(Lines({"History5=five", "History=plain", "OtoListHistory=a", "HistoryA=letter", "History2="}));
  const SettingsRecord s = folder.Load();
  EXPECT_EQ(s.History, (std::vector<std::wstring>{L"five", L"plain", L"letter", L""}));
  // OtoListHistory is an OtoList line without a position: kept, never a History entry.
  EXPECT_EQ(s.OtherLines, std::vector<std::wstring>{L"OtoListHistory=a"});
}

TEST(LoadSettings, MoreThan32766HistoryLinesAreAllKept) {
  constexpr int kCount = 40000;
  std::vector<std::wstring> lines;
  for (int i = 0; i < kCount; ++i) lines.push_back(L"History=e" + std::to_wstring(i));
  SettingsRecord s;
  ReadSettingsLines(s, lines);
  ASSERT_EQ(s.History.size(), static_cast<std::size_t>(kCount));
  EXPECT_EQ(s.History.back(), L"e39999");
  const std::vector<std::wstring> written = WriteSettingsLines(s);
  EXPECT_NE(std::find(written.begin(), written.end(), L"History40000=e39999"), written.end());
}

TEST(LoadSettings, OtoListLinesWithAPlainPositionFillTheListAndOthersAreKept) {
  SettingsFolder folder;
  folder.WriteSettings(Lines({
      "OtoList2=b,c,d",
      "OtoList0=a",
      "OtoList2147483647=last",  // the largest position costs one entry, not two billion
      "OtoList5=gone",
      "OtoList5=",               // the last line wins, and empty is no entry
      "OtoList=no number",
      "OtoList07=leading zero",
      "OtoList-1=negative",
      "OtoList2147483648=too big",
      "OtoList99999999999999999999=far too big",
      "OtoList3x=junk",
      "OtoList4=a=b",            // would come back without "=b"
      "OtoList6=tab\there",      // would come back with a comma
  }));
  const SettingsRecord s = folder.Load();
  const std::map<std::int32_t, std::wstring> expected = {{0, L"a"}, {2, L"b\tc\td"}, {2147483647, L"last"}};
  EXPECT_EQ(s.OtoList, expected);
  EXPECT_EQ(s.OtherLines, (std::vector<std::wstring>{L"OtoList=no number", L"OtoList07=leading zero",
                                                     L"OtoList-1=negative", L"OtoList2147483648=too big",
                                                     L"OtoList99999999999999999999=far too big",
                                                     L"OtoList3x=junk", L"OtoList4=a=b", L"OtoList6=tab\there"}));
}

TEST(LoadSettings, ToolPathsThatNameNoPlainFileFallBackToTheDefaults) {
  SettingsFolder folder;
  folder.Write(L"tool.exe", "MZ");
  std::filesystem::create_directory(std::filesystem::path(folder.File(L"folder.exe")));
  const std::string existing = platform::ToUtf8(folder.File(L"tool.exe"));
  const std::string missing = platform::ToUtf8(folder.File(L"missing.exe"));
  const std::string aFolder = platform::ToUtf8(folder.File(L"folder.exe"));

  folder.WriteSettings(Lines({"Tool1Path=" + existing, "Tool2Path=" + missing}));
  SettingsRecord s = folder.Load();
  EXPECT_EQ(platform::ToUtf8(s.Tool1Path), existing);
  EXPECT_EQ(s.Tool2Path, folder.File(L"resampler.exe"));

  folder.WriteSettings(Lines({"Tool1Path=" + aFolder, "Tool2Path=" + existing}));
  s = folder.Load();
  EXPECT_EQ(s.Tool1Path, folder.File(L"wavtool.exe"));
  EXPECT_EQ(platform::ToUtf8(s.Tool2Path), existing);

  folder.WriteSettings(Lines({"Tool1Path=", "Tool2Path="}));
  s = folder.Load();
  EXPECT_EQ(s.Tool1Path, folder.File(L"wavtool.exe"));
  EXPECT_EQ(s.Tool2Path, folder.File(L"resampler.exe"));
}

#ifdef __linux__
TEST(LoadSettings, AFileThatCannotBeReadIsReportedAndFillsNothing) {
  // A plain file whose reading fails even for root: the process's own memory at
  // address 0 is never mapped.
  SettingsFolder folder;
  std::error_code error;
  std::filesystem::create_symlink("/proc/self/mem", std::filesystem::path(folder.File(L"setting.ini")), error);
  if (error || !std::filesystem::is_regular_file("/proc/self/mem")) GTEST_SKIP() << "no /proc/self/mem";
  const SettingsRecord defaults = [] {
    SettingsFolder empty;
    return empty.Load();
  }();

  SettingsLoadResult result;
  SettingsRecord s = folder.Load(&result);
  EXPECT_TRUE(result.found);
  EXPECT_FALSE(result.status.ok());
  EXPECT_FALSE(result.status.reason().empty());
  EXPECT_FALSE(result.found && result.status.ok());
  EXPECT_EQ(s.Tool1Path, folder.File(L"wavtool.exe"));
  s.Tool1Path = defaults.Tool1Path;
  s.Tool2Path = defaults.Tool2Path;
  EXPECT_EQ(s, defaults);
}
#endif

}  // namespace
