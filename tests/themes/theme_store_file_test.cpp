// The theme store on disk: bytes written, files read, and failures on both sides.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "tests/platform/temp_folder.h"
#include "themes/theme_store.h"

namespace {

namespace fs = std::filesystem;

class RecordingListBox : public ThemeListBox {
 public:
  std::vector<std::wstring> entries;
  int refills = 0;
  void ReplaceListEntries(const std::vector<std::wstring_view>& names) override {
    entries.assign(names.begin(), names.end());
    ++refills;
  }
};

class ThemeStoreFile : public testing::Test {
 protected:
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(Native("store.ini"), fs::perms::owner_all, ignored);
  }

  std::wstring Path(const std::string& name) const { return temp_.File(platform::FromUtf8(name)); }
  fs::path Native(const std::string& name) const { return fs::path(Path(name)); }

  void WriteBytes(const std::string& name, const std::string& bytes) const {
    std::ofstream(Native(name), std::ios::binary) << bytes;
  }
  std::string ReadBytes(const std::string& name) const {
    std::ifstream in(Native(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  TempFolder temp_;
};

SettingsRecord CurrentValues() {
  SettingsRecord record;
  for (int s = 0; s < kColorSlotCount; ++s) record.Colors[s] = 0x1000000 | (s * 0x10203);
  record.TransformTitle = L"今";
  return record;
}

ThemeList SampleList() {
  ThemeList list(4);
  list[0].Name = L"(現在の設定)";
  list[1].Name = L"夜の海";
  list[1].TransformTitle = L" 夜 の題 ";
  list[2].Name = L"";
  list[3].Name = L"a]b";
  list[3].TransformTitle = L"x";
  for (int s = 0; s < kColorSlotCount; ++s) {
    list[1].Colors[s] = 0x010101 * s;
    list[2].Colors[s] = 0x8000 + s;
    list[3].Colors[s] = 0x7F000000 | (0xFFFFFF - s);  // the top byte is not stored
  }
  list[2].Colors[COLOR_PIANO1] = 0x1000000;  // written as &H000000, read back as 0
  return list;
}

TEST_F(ThemeStoreFile, SaveLoadSaveRoundTripKeepsThemesAndBytes) {
  const ThemeList saved = SampleList();
  ASSERT_TRUE(SaveThemeStore(saved, Path("store.ini")).ok());
  const std::string firstBytes = ReadBytes("store.ini");
  std::size_t lineEnds = 0;
  for (std::size_t at = 0; (at = firstBytes.find("\r\n", at)) != std::string::npos; at += 2) ++lineEnds;
  EXPECT_EQ(lineEnds, 3 * 20u);  // entries 1 to 3, twenty lines each

  ThemeList loaded;
  RecordingListBox listBox;
  const SettingsRecord current = CurrentValues();
  ASSERT_TRUE(LoadThemeStore(loaded, current, listBox, Path("store.ini")).ok());

  ASSERT_EQ(loaded.size(), saved.size());
  EXPECT_EQ(loaded[0].Name, L"(現在の設定)");
  EXPECT_EQ(loaded[0].Colors, current.Colors);  // all 32 bits of the current values
  EXPECT_EQ(loaded[0].TransformTitle, L"今");
  for (std::size_t i = 1; i < saved.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(loaded[i].Name, saved[i].Name);
    EXPECT_EQ(loaded[i].TransformTitle, saved[i].TransformTitle);
    for (int s = 0; s < kColorSlotCount; ++s) {
      EXPECT_EQ(loaded[i].Colors[s], saved[i].Colors[s] & 0xFFFFFF) << "slot " << s;
    }
  }
  EXPECT_EQ(listBox.refills, 1);
  EXPECT_EQ(listBox.entries,
            (std::vector<std::wstring>{L"(現在の設定)", L"夜の海", L"", L"a]b"}));

  ASSERT_TRUE(SaveThemeStore(loaded, Path("again.ini")).ok());
  EXPECT_EQ(ReadBytes("again.ini"), firstBytes);
}

TEST_F(ThemeStoreFile, StandardThemeBytesAreCrLfLinesInTheCodePage) {
  ThemeList list(3);
  list[1].Name = L"Standard";
  for (const ColorSlotInfo& info : kColorSlots) list[1].Colors[info.slot] = info.standard;
  list[2].Name = L"夜caf\u00e9";  // é has no place in code page 932
  list[2].TransformTitle = L"題";

  ASSERT_TRUE(SaveThemeStore(list, Path("store.ini")).ok());

  const std::string standard =
      "[Standard]\r\n"
      "COLOR_PIANO1=&HFFFFFF\r\nCOLOR_PIANO2=&H404040\r\nCOLOR_ROLL1=&HFFFFFF\r\n"
      "COLOR_ROLL2=&HE0E0E0\r\nCOLOR_SEPA1=&HFF40FF\r\nCOLOR_SEPA2=&HFF8080\r\n"
      "COLOR_BACK=&HFFFFFF\r\nCOLOR_FORE=&H000000\r\nCOLOR_SHADOW=&H808080\r\n"
      "COLOR_NOTE_NOR=&HFFC000\r\nCOLOR_NOTE_TOP=&HFF80FF\r\nCOLOR_NOTE_SEL=&HFF40FF\r\n"
      "COLOR_NOTE_TNOR=&H000000\r\nCOLOR_NOTE_TTOP=&H800000\r\nCOLOR_NOTE_TSEL=&H800000\r\n"
      "COLOR_NOTE_RNOR=&HFFFFFF\r\nCOLOR_NOTE_RTOP=&HC0C0C0\r\nCOLOR_NOTE_RSEL=&H808080\r\n"
      "TransformTitle=\r\n";
  std::string second = "[\x96\xe9" "caf?]\r\n";
  for (const ColorSlotInfo& info : kColorSlots) second += platform::ToUtf8(info.key) + "=&H000000\r\n";
  second += "TransformTitle=\x91\xe8\r\n";

  EXPECT_EQ(ReadBytes("store.ini"), standard + second);
}

TEST_F(ThemeStoreFile, ListWithEntryZeroOnlyGivesZeroBytes) {
  WriteBytes("store.ini", "[old]\r\n");
  ThemeList list(1);
  list[0].Name = L"(現在の設定)";
  ASSERT_TRUE(SaveThemeStore(list, Path("store.ini")).ok());
  EXPECT_TRUE(fs::exists(Native("store.ini")));
  EXPECT_EQ(fs::file_size(Native("store.ini")), 0u);
}

TEST_F(ThemeStoreFile, FailedSaveReportsAndLeavesTheOldFileWhole) {
  const std::string old = "[old]\r\nTransformTitle=keep\r\n";
  WriteBytes("store.ini", old);
  fs::permissions(Native("store.ini"), fs::perms::owner_read | fs::perms::group_read);
  fs::create_directory(Native("folder.ini"));

  const ThemeList list = SampleList();
  const std::wstring targets[] = {Path("store.ini"), Path("folder.ini"),
                                  Path("missing") + L"/store.ini"};
  for (const std::wstring& target : targets) {
    SCOPED_TRACE(platform::ToUtf8(target));
    const platform::IoStatus status = SaveThemeStore(list, target);
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.reason().empty());
  }
  EXPECT_EQ(ReadBytes("store.ini"), old);
  EXPECT_TRUE(fs::is_directory(Native("folder.ini")));
  EXPECT_FALSE(fs::exists(Native("missing")));
  // Nothing half written stays behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(temp_.path()), fs::directory_iterator()), 2);
}

TEST_F(ThemeStoreFile, NoFileGivesEntryZeroAlone) {
  ThemeList list = SampleList();
  RecordingListBox listBox;
  listBox.entries = {L"stale"};
  const SettingsRecord current = CurrentValues();

  // A folder of that name is not a file either.
  fs::create_directory(Native("folder.ini"));
  for (const std::wstring& path : {Path("absent.ini"), Path("folder.ini")}) {
    SCOPED_TRACE(platform::ToUtf8(path));
    EXPECT_TRUE(LoadThemeStore(list, current, listBox, path).ok());
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].Name, L"(現在の設定)");
    EXPECT_EQ(list[0].Colors, current.Colors);
    EXPECT_EQ(listBox.entries, std::vector<std::wstring>{L"(現在の設定)"});
  }
}

TEST_F(ThemeStoreFile, WithoutAPathTheStoreBesideTheProgramIsRead) {
  platform::ScopedProgramFolder programFolder(temp_.folder());
  EXPECT_EQ(ThemeStorePath(), Path("lirvacolors.ini"));
  // Double-byte and single-byte (half-width kana) characters of code page 932.
  WriteBytes("lirvacolors.ini",
             "[\x96\xe9]\r\nCOLOR_BACK=&H8000\r\n[\xb1\xb2]\r\nTransformTitle=\x91\xe8\r\n");

  ThemeList list;
  RecordingListBox listBox;
  ASSERT_TRUE(LoadThemeStore(list, CurrentValues(), listBox).ok());
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[1].Name, L"夜");
  EXPECT_EQ(list[1].Colors[COLOR_BACK], 0x8000);
  EXPECT_EQ(list[2].Name, L"ｱｲ");
  EXPECT_EQ(list[2].TransformTitle, L"題");
  EXPECT_EQ(listBox.entries, (std::vector<std::wstring>{L"(現在の設定)", L"夜", L"ｱｲ"}));
}

TEST_F(ThemeStoreFile, LineEndsAreCrLfOrLoneCrButNeverLoneLf) {
  WriteBytes("cr.ini", "[a]\rCOLOR_BACK=&HFF\r\n\r\n[b]\rTransformTitle=t\n2\r");
  WriteBytes("lf.ini", "[Night]\nCOLOR_BACK=&HFF\n");

  ThemeList list;
  RecordingListBox listBox;
  ASSERT_TRUE(LoadThemeStore(list, CurrentValues(), listBox, Path("cr.ini")).ok());
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[1].Colors[COLOR_BACK], 0xFF);
  EXPECT_EQ(list[2].Name, L"b");
  EXPECT_EQ(list[2].TransformTitle, L"t\n2");

  ASSERT_TRUE(LoadThemeStore(list, CurrentValues(), listBox, Path("lf.ini")).ok());
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[1].Name, L"Night]\nCOLOR_BACK=&HFF");
  EXPECT_EQ(list[1].Colors, ColorArray{});
  EXPECT_EQ(listBox.entries.size(), 2u);
}

// Large stores are read piece by piece, and the list is sized from the file's length.
TEST_F(ThemeStoreFile, AStoreOfManyPiecesLoadsEveryThemeAsSaved) {
  ThemeList saved(1);
  for (int i = 0; i < 1500; ++i) {
    Theme theme;
    theme.Name = L"夜の海 " + std::to_wstring(i);
    if (i % 3 == 0) theme.TransformTitle = L"題" + std::to_wstring(i);
    for (int s = 0; s < kColorSlotCount; ++s) theme.Colors[s] = (i * 7919 + s * 104729) & 0xFFFFFF;
    saved.push_back(theme);
  }
  ASSERT_TRUE(SaveThemeStore(saved, Path("store.ini")).ok());
  ASSERT_GT(ReadBytes("store.ini").size(), 8 * platform::kFilePieceSize);

  ThemeList loaded;
  RecordingListBox listBox;
  ASSERT_TRUE(LoadThemeStore(loaded, CurrentValues(), listBox, Path("store.ini")).ok());
  ASSERT_EQ(loaded.size(), saved.size());
  for (std::size_t i = 1; i < saved.size(); ++i) {
    SCOPED_TRACE(i);
    ASSERT_EQ(loaded[i].Name, saved[i].Name);
    ASSERT_EQ(loaded[i].TransformTitle, saved[i].TransformTitle);
    ASSERT_EQ(loaded[i].Colors, saved[i].Colors);
  }
  ASSERT_EQ(listBox.entries.size(), saved.size());
  EXPECT_EQ(listBox.entries.back(), L"夜の海 1499");
  // The close compares the store on disk with what start-up read: unchanged, they agree.
  EXPECT_EQ(ReadThemeFile(Path("store.ini")).AsRead, platform::TakeSnapshot(Path("store.ini")).Fingerprint());
}

// Sections far shorter than the writer's: more themes than the file's length suggests.
TEST_F(ThemeStoreFile, AStoreOfBareSectionLinesLoadsEveryTheme) {
  std::string bytes;
  for (int i = 0; i < 5000; ++i) bytes += "[" + std::to_string(i) + "]\r\n";
  WriteBytes("store.ini", bytes);

  ThemeList loaded;
  RecordingListBox listBox;
  ASSERT_TRUE(LoadThemeStore(loaded, CurrentValues(), listBox, Path("store.ini")).ok());
  ASSERT_EQ(loaded.size(), 5001u);
  EXPECT_EQ(loaded[5000].Name, L"4999");
  EXPECT_EQ(listBox.entries.size(), 5001u);
}

#ifdef __linux__
// A file that exists but cannot be read: the kernel refuses reads of a process's own
// memory at address 0, even for root.
const std::wstring kUnreadableFile = L"/proc/self/mem";

TEST_F(ThemeStoreFile, UnreadableFileKeepsThePreviousList) {
  ThemeList list = SampleList();
  RecordingListBox listBox;
  listBox.entries = {L"(現在の設定)", L"夜の海", L"", L"a]b"};

  const platform::IoStatus status = LoadThemeStore(list, CurrentValues(), listBox, kUnreadableFile);

  EXPECT_FALSE(status.ok());
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[1].Name, L"夜の海");
  EXPECT_EQ(list[0].Colors, SampleList()[0].Colors);  // entry 0 as it was, too
  EXPECT_EQ(listBox.refills, 0);
  EXPECT_EQ(listBox.entries.size(), 4u);
}

TEST_F(ThemeStoreFile, UnreadableFileAtStartUpStillGivesEntryZero) {
  ThemeList list;
  RecordingListBox listBox;
  EXPECT_FALSE(LoadThemeStore(list, CurrentValues(), listBox, kUnreadableFile).ok());
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].Colors, CurrentValues().Colors);
  EXPECT_EQ(listBox.entries, std::vector<std::wstring>{L"(現在の設定)"});
}
#endif

}  // namespace
