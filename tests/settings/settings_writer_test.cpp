// Writing setting.ini: the fixed order, every written-as form, and the lines kept
// aside at load time.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/program_folder.h"
#include "platform/utf8.h"
#include "settings/settings_file.h"
#include "settings_folder.h"

namespace {

bool Has(const std::vector<std::wstring>& lines, std::wstring_view line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool HasKey(const std::vector<std::wstring>& lines, std::wstring_view key) {
  return std::any_of(lines.begin(), lines.end(), [&](const std::wstring& line) {
    return line.starts_with(key) && line.size() > key.size() && line[key.size()] == L'=';
  });
}

// The record as a load without a file leaves it, whatever its folder.
SettingsRecord Defaults() {
  SettingsRecord s;
  SetStandardColors(s);
  SetDefaultSettings(s);
  return s;
}

TEST(SaveSettings, WithoutAFileAndWithoutEditsWritesExactly23Lines) {
  SettingsFolder folder;
  SettingsRecord s;
  LoadSettings(s);
  ASSERT_TRUE(SaveSettings(s).ok());

  const std::string sep = platform::ToUtf8(std::wstring(1, platform::kPathSeparator));
  const std::string expected = "Tool1Path=" + folder.FolderUtf8() + sep + "wavtool.exe\r\n" +
                               "Tool2Path=" + folder.FolderUtf8() + sep + "resampler.exe\r\n" +
                               "COLOR_PIANO1=&HFFFFFF\r\n"
                               "COLOR_PIANO2=&H404040\r\n"
                               "COLOR_ROLL1=&HFFFFFF\r\n"
                               "COLOR_ROLL2=&HE0E0E0\r\n"
                               "COLOR_SEPA1=&HFF40FF\r\n"
                               "COLOR_SEPA2=&HFF8080\r\n"
                               "COLOR_BACK=&HFFFFFF\r\n"
                               "COLOR_FORE=&H0\r\n"
                               "COLOR_SHADOW=&H808080\r\n"
                               "COLOR_NOTE_NOR=&HFFC000\r\n"
                               "COLOR_NOTE_TOP=&HFF80FF\r\n"
                               "COLOR_NOTE_SEL=&HFF40FF\r\n"
                               "COLOR_NOTE_TNOR=&H0\r\n"
                               "COLOR_NOTE_TTOP=&H800000\r\n"
                               "COLOR_NOTE_TSEL=&H800000\r\n"
                               "COLOR_NOTE_RNOR=&HFFFFFF\r\n"
                               "COLOR_NOTE_RTOP=&HC0C0C0\r\n"
                               "COLOR_NOTE_RSEL=&H808080\r\n"
                               "CompPitchDatas=1\r\n"
                               "EncPitchDatas=1\r\n"
                               "MainWindow=\r\n";
  const std::string written = folder.ReadSettings();
  EXPECT_EQ(written, expected);
  EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 23);
}

TEST(WriteSettingsLines, WritesEveryFieldInTheFixedOrderThenTheKeptLines) {
  SettingsRecord s = Defaults();
  s.OtoList = {{10, L"ten"}, {0, L"a\tb"}, {3, L""}};
  s.CacheEnable = s.CacheDeleteOnUnload = s.CacheDeleteBySize = s.CacheDeleteByDate = true;
  s.CacheDeleteSize = 500;
  s.CacheDeleteInterval = -3;
  s.Tool1Path = L"w";
  s.Tool2Path = L"r";
  s.History = {L"x", L"", L"y"};
  s.DebugMode = s.PropExpandDetail = true;
  for (int slot = 0; slot < kColorSlotCount; ++slot) s.Colors[slot] = slot;
  s.Colors[COLOR_BACK] = -1;
  s.Colors[COLOR_FORE] = 0x8000;
  s.TransformTitle = L"T";
  s.FormIcon = L"I";
  s.CheckVoiceFile = s.NonBatchMode = s.OldTime = s.NoCopyVoiceParam = s.ExcludeVowelOnSetParam = true;
  s.CompPitchDatas = false;
  s.EncPitchDatas = true;
  s.MainWindow = L"1,2,3,4";
  s.VoiceRoot = L"V";
  s.DefaultVoice = L"D";
  s.MultiMove = false;
  s.OnlyConcat = true;
  s.OtherLines = {L"Newer=1", L"[odd]"};

  const std::vector<std::wstring> expected = {
      L"OtoList0=a,b", L"OtoList10=ten", L"CacheEnable=1", L"CacheDeleteOnUnload=1", L"CacheDeleteBySize=1",
      L"CacheDeleteSize=500", L"CacheDeleteByDate=1", L"CacheDeleteInterval=-3", L"Tool1Path=w", L"Tool2Path=r",
      L"History1=x", L"History2=", L"History3=y", L"DebugMode=True", L"PropExpandDetail=1",
      L"COLOR_PIANO1=&H0", L"COLOR_PIANO2=&H1", L"COLOR_ROLL1=&H2", L"COLOR_ROLL2=&H3", L"COLOR_SEPA1=&H4",
      L"COLOR_SEPA2=&H5", L"COLOR_BACK=&HFFFFFFFF", L"COLOR_FORE=&H8000", L"COLOR_SHADOW=&H8",
      L"COLOR_NOTE_NOR=&H9", L"COLOR_NOTE_TOP=&HA", L"COLOR_NOTE_SEL=&HB", L"COLOR_NOTE_TNOR=&HC",
      L"COLOR_NOTE_TTOP=&HD", L"COLOR_NOTE_TSEL=&HE", L"COLOR_NOTE_RNOR=&HF", L"COLOR_NOTE_RTOP=&H10",
      L"COLOR_NOTE_RSEL=&H11", L"TransformTitle=T", L"FormIcon=I", L"CheckVoiceFile=1", L"NonBatchMode=1",
      L"CompPitchDatas=0", L"EncPitchDatas=1", L"OldTime=1", L"NoCopyVoiceParam=1", L"ExcludeVowelOnSetParam=1",
      L"MainWindow=1,2,3,4", L"VoiceRoot=V", L"DefaultVoice=D", L"MultiMove=False", L"OnlyConcat=True",
      L"Newer=1", L"[odd]",
  };
  EXPECT_EQ(WriteSettingsLines(s), expected);
}

TEST(WriteSettingsLines, LeavesOutWhatItsConditionsDoNotWrite) {
  SettingsRecord s = Defaults();
  s.CacheDeleteSize = 500;
  s.CacheDeleteInterval = 7;
  s.OtoList = {{4, L""}};
  const std::vector<std::wstring> lines = WriteSettingsLines(s);
  for (std::wstring_view key : {L"CacheDeleteBySize", L"CacheDeleteSize", L"CacheDeleteByDate", L"CacheDeleteInterval",
                                L"MultiMove", L"OnlyConcat", L"TransformTitle", L"FormIcon", L"VoiceRoot",
                                L"DefaultVoice", L"DebugMode", L"CacheEnable", L"OtoList4", L"History1"}) {
    SCOPED_TRACE(platform::ToUtf8(key));
    EXPECT_FALSE(HasKey(lines, key));
  }
  EXPECT_TRUE(Has(lines, L"MainWindow="));
  EXPECT_TRUE(Has(lines, L"CompPitchDatas=1"));
}

}  // namespace
