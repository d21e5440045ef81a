// The commands for scripts on a program folder of their own: what each writes, and that
// every way one can fail leaves every file as it was and says why, in the user's language.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "platform/files.h"
#include "platform/program_folder.h"
#include "platform/text_file.h"
#include "platform/utf8.h"
#include "tests/settings/settings_folder.h"
#include "tests/ui/japanese_check.h"
#include "themes/theme_store.h"

// Failures name the exit code as a script sees it.
void PrintTo(ExitCode code, std::ostream* out) { *out << "exit code " << static_cast<int>(code); }

namespace {

namespace fs = std::filesystem;
using Arguments = std::vector<std::wstring>;

class RecordingConsole : public CommandConsole {
 public:
  void Print(std::wstring_view lines) override { (out += lines) += L'\n'; }
  void Complain(std::wstring_view lines) override { (err += lines) += L'\n'; }
  std::wstring out;
  std::wstring err;
};

Theme MakeTheme(const std::wstring& name, Color base, const std::wstring& title) {
  Theme theme;
  theme.Name = name;
  for (int slot = 0; slot < kColorSlotCount; ++slot) theme.Colors[slot] = base + slot;
  theme.TransformTitle = title;
  return theme;
}

const Theme kNight = MakeTheme(L"Night", 0x101010, L"夜の歌");
const Theme kSky = MakeTheme(L"夜空", 0x203040, L"");

// A theme file as the program writes one.
std::string ThemeFileBytes(const std::vector<Theme>& themes) {
  ThemeList list = {Theme{}};
  list.insert(list.end(), themes.begin(), themes.end());
  return platform::JoinLinesCrlf(WriteThemeStoreLines(list));
}

// setting.ini as the host leaves it: lines of its own, some of ours, a key we do not know.
const std::vector<std::wstring> kHostSettingLines = {
    L"History1=C:\\歌\\さくら.ust", L"COLOR_BACK=&HFFFFFF", L"TransformTitle=元の題", L"MainWindow=10,20,800,600",
    L"FutureOption=7"};

// Public, so that the cases of a table can arrange the folder through it.
class CommandRun : public testing::Test {
 public:
  CommandRun() { WriteStartingFolder(); }

  // setting.ini as the host left it and a store of Night and 夜空; nothing running.
  void WriteStartingFolder() {
    folder_.WriteSettings(platform::JoinLinesCrlf(kHostSettingLines));
    folder_.Write(kThemeStoreFileName, ThemeFileBytes({kNight, kSky}));
    running_.clear();
    whileLookingAtPrograms_ = nullptr;
  }

  ExitCode Run(const Arguments& arguments, Language language = Language::Japanese) {
    console_ = RecordingConsole();
    return RunCommand(ReadCommandLine(arguments), console_, language, [this] {
      if (whileLookingAtPrograms_) whileLookingAtPrograms_();
      return running_;
    });
  }

  std::wstring File(std::wstring_view name) const { return folder_.File(name); }
  void MakeFifo(std::wstring_view name) const {
    fs::remove(fs::path(File(name)));
    ASSERT_EQ(mkfifo(platform::ToUtf8(File(name)).c_str(), 0666), 0);
  }
  // Every entry of the folder with its bytes; a fifo is named, never opened.
  std::map<std::string, std::string> FolderContents() const {
    std::map<std::string, std::string> contents;
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(folder_.Folder()))) {
      const std::wstring name = entry.path().filename().wstring();
      contents[platform::ToUtf8(name)] = entry.is_regular_file() ? folder_.Read(name) : "(no plain file)";
    }
    return contents;
  }
  // setting.ini as the program reads it.
  SettingsRecord Settings() const { return folder_.Load(); }

  SettingsFolder folder_;
  RecordingConsole console_;
  std::vector<std::wstring> running_;
  std::function<void()> whileLookingAtPrograms_;
};

TEST_F(CommandRun, EveryFailureLeavesEveryFileAsItWasAndSaysWhyInTheUsersLanguage) {
  const struct {
    const char* what;
    std::function<Arguments(CommandRun&)> arguments;
    std::function<void(CommandRun&)> arrange;
    ExitCode code;
  } cases[] = {
      {"an argument that is no command", [](CommandRun&) { return Arguments{L"/bogus"}; }, nullptr, ExitCode::WrongUse},
      {"/apply of a name the store lacks", [](CommandRun&) { return Arguments{L"/apply", L"night"}; }, nullptr,
       ExitCode::NoSuchTheme},
      {"/add of a readme whose sections set nothing",
       [](CommandRun& t) { return Arguments{L"/add", t.File(L"readme.txt")}; },
       [](CommandRun& t) { t.folder_.Write(L"readme.txt", "[How to]\r\nRead this first.\r\n[Notes]\r\n"); },
       ExitCode::NoSuchTheme},
      {"/add of a file that is not there", [](CommandRun& t) { return Arguments{L"/add", t.File(L"gone.txt")}; },
       nullptr, ExitCode::FileFailed},
      {"/add of a file that cannot be read", [](CommandRun&) { return Arguments{L"/add", L"/proc/self/mem"}; },
       nullptr, ExitCode::FileFailed},
      {"/list of a store that is no plain file", [](CommandRun&) { return Arguments{L"/list"}; },
       [](CommandRun& t) { t.MakeFifo(kThemeStoreFileName); }, ExitCode::FileFailed},
      {"/add into a store that is no plain file",
       [](CommandRun& t) { return Arguments{L"/add", t.File(L"theme.txt")}; },
       [](CommandRun& t) {
         t.MakeFifo(kThemeStoreFileName);
         t.folder_.Write(L"theme.txt", ThemeFileBytes({kSky}));
       },
       ExitCode::UnsafeFile},
      {"/apply to a UTF-16 setting.ini", [](CommandRun&) { return Arguments{L"/apply", L"Night"}; },
       [](CommandRun& t) { t.folder_.WriteSettings(std::string("\xFF\xFE" "C\0=\0\r\0\n\0", 10)); },
       ExitCode::UnsafeFile},
      {"/apply to a setting.ini with lines ended by LF alone",
       [](CommandRun&) { return Arguments{L"/apply", L"Night"}; },
       [](CommandRun& t) { t.folder_.WriteSettings("History1=a.ust\nCOLOR_BACK=&HFFFFFF\n"); }, ExitCode::UnsafeFile},
      {"/apply to a setting.ini that is no plain file", [](CommandRun&) { return Arguments{L"/apply", L"Night"}; },
       [](CommandRun& t) { t.MakeFifo(kSettingsFileName); }, ExitCode::UnsafeFile},
      {"/apply to a read-only setting.ini", [](CommandRun&) { return Arguments{L"/apply", L"Night"}; },
       [](CommandRun& t) { fs::permissions(fs::path(t.File(kSettingsFileName)), fs::perms::owner_read); },
       ExitCode::FileFailed},
      {"/apply while the host runs from the folder", [](CommandRun&) { return Arguments{L"/apply", L"Night"}; },
       [](CommandRun& t) { t.running_ = {L"lirva.exe", L"resampler.exe"}; }, ExitCode::HostRunning},
      {"/export onto a file that is there, without /force",
       [](CommandRun& t) { return Arguments{L"/export", L"Night", t.File(L"out.txt")}; },
       [](CommandRun& t) { t.folder_.Write(L"out.txt", "mine"); }, ExitCode::UnsafeFile},
      {"/export /force onto something that is no plain file",
       [](CommandRun& t) { return Arguments{L"/export", L"Night", t.File(L"out.txt"), L"/force"}; },
       [](CommandRun& t) { t.MakeFifo(L"out.txt"); }, ExitCode::UnsafeFile},
      {"/export into a folder that is not there",
       [](CommandRun& t) { return Arguments{L"/export", L"Night", t.File(L"none") + L"/out.txt"}; }, nullptr,
       ExitCode::FileFailed},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CommandRun& t = *this;
    WriteStartingFolder();
    if (c.arrange) c.arrange(t);
    const std::map<std::string, std::string> before = FolderContents();

    for (const Language language : {Language::Japanese, Language::English}) {
      SCOPED_TRACE(language == Language::English ? "English" : "Japanese");
      EXPECT_EQ(Run(c.arguments(t), language), c.code);
      EXPECT_EQ(FolderContents(), before);
      EXPECT_EQ(console_.out, L"") << "a failure printed as output";
      // The message's first line is ours; the system's reason may follow on the next.
      const std::wstring told = console_.err.substr(0, console_.err.find(L'\n'));
      EXPECT_EQ(HoldsJapanese(told), language == Language::Japanese) << platform::ToUtf8(told);
    }
    fs::permissions(fs::path(t.File(kSettingsFileName)), fs::perms::owner_all);
    for (const wchar_t* made : {L"readme.txt", L"theme.txt", L"out.txt", kSettingsFileName, kThemeStoreFileName}) {
      fs::remove(fs::path(t.File(made)));
    }
  }
}

TEST_F(CommandRun, ApplyWritesTheFirstThemeOfTheNameAndKeepsEveryOtherSetting) {
  const Theme later = MakeTheme(L"Night", 0x505050, L"後の夜");
  folder_.Write(kThemeStoreFileName, ThemeFileBytes({kNight, kSky, later}));
  const std::string store = folder_.Read(kThemeStoreFileName);
  SettingsRecord expected = Settings();
  expected.Colors = kNight.Colors;
  expected.TransformTitle = kNight.TransformTitle;

  ASSERT_EQ(Run({L"/apply", L"Night"}), ExitCode::Done);
  EXPECT_EQ(Settings(), expected);
  EXPECT_EQ(folder_.Read(kThemeStoreFileName), store) << "applying a theme rewrote the store";
  EXPECT_NE(console_.out, L"");
  EXPECT_NE(console_.err.find(L"2"), std::wstring::npos) << "no note of the two themes named alike";
}

TEST_F(CommandRun, ApplyKeepsWhatTheHostWroteWhileWeLookedAndForceWritesWhileItRuns) {
  // The host saves its window position and a history entry while the programs are looked
  // at: the close's merge keeps its lines and puts ours in.
  whileLookingAtPrograms_ = [this] {
    std::vector<std::wstring> lines = kHostSettingLines;
    lines.push_back(L"History2=C:\\歌\\つぼみ.ust");
    lines[3] = L"MainWindow=30,40,640,480";
    folder_.WriteSettings(platform::JoinLinesCrlf(lines));
  };
  ASSERT_EQ(Run({L"/apply", L"夜空"}), ExitCode::Done);
  SettingsRecord settings = Settings();
  EXPECT_EQ(settings.History, (std::vector<std::wstring>{L"C:\\歌\\さくら.ust", L"C:\\歌\\つぼみ.ust"}));
  EXPECT_EQ(settings.MainWindow, L"30,40,640,480");
  EXPECT_EQ(settings.Colors, kSky.Colors);

  // Saved meanwhile with lines the host would misread: its file is left as it saved it.
  whileLookingAtPrograms_ = [this] { folder_.WriteSettings("History1=a.ust\nCOLOR_BACK=&HFFFFFF\n"); };
  EXPECT_EQ(Run({L"/apply", L"Night"}), ExitCode::UnsafeFile);
  EXPECT_EQ(folder_.ReadSettings(), "History1=a.ust\nCOLOR_BACK=&HFFFFFF\n");
  EXPECT_EQ(console_.out, L"");

  // Forced, the programs are not even looked at.
  WriteStartingFolder();
  running_ = {L"lirva.exe"};
  whileLookingAtPrograms_ = [] { ADD_FAILURE() << "a forced /apply asked which programs run"; };
  ASSERT_EQ(Run({L"/apply", L"Night", L"/force"}), ExitCode::Done);
  settings = Settings();
  EXPECT_EQ(settings.Colors, kNight.Colors);
  EXPECT_EQ(settings.TransformTitle, kNight.TransformTitle);
}

TEST_F(CommandRun, ExportWritesTheThemeAloneAndReplacesAFileOnlyWhenForced) {
  const std::wstring out = File(L"書き出し.txt");
  const auto exported = [&] { return ReadThemeFile(out).themes; };

  ASSERT_EQ(Run({L"/export", L"夜空", out}), ExitCode::Done);
  EXPECT_EQ(exported(), std::vector<Theme>{kSky});
  EXPECT_EQ(Run({L"/export", L"Night", out}), ExitCode::UnsafeFile);
  EXPECT_EQ(exported(), std::vector<Theme>{kSky});
  ASSERT_EQ(Run({L"/export", L"Night", out, L"/force"}), ExitCode::Done);
  EXPECT_EQ(exported(), std::vector<Theme>{kNight});
}

TEST_F(CommandRun, AddAppendsTheSectionsThatSetValuesAndListPrintsThemAll) {
  folder_.Write(L"shared.txt", platform::JoinLinesCrlf({L"[使い方]", L"このファイルをHuebrookに追加します。", L"[海]",
                                                        L"COLOR_BACK=&HFFF8F0", L"[Empty]", L"[Dawn]",
                                                        L"TransformTitle=朝"}));
  ASSERT_EQ(Run({L"/add", File(L"shared.txt")}), ExitCode::Done);
  EXPECT_NE(console_.out.find(L"2"), std::wstring::npos) << platform::ToUtf8(console_.out);

  ASSERT_EQ(Run({L"/list"}), ExitCode::Done);
  EXPECT_EQ(console_.out, L"Night\n夜空\n海\nDawn\n");
  const std::vector<Theme> stored = ReadThemeFile(File(kThemeStoreFileName)).themes;
  ASSERT_EQ(stored.size(), 4u);
  EXPECT_EQ(stored[0], kNight);
  EXPECT_EQ(stored[1], kSky);
  EXPECT_EQ(stored[2].Colors[COLOR_BACK], 0xFFF8F0);
  EXPECT_EQ(stored[3].TransformTitle, L"朝");
}

TEST_F(CommandRun, HelpAndAListWithoutAStoreCreateNothing) {
  fs::remove(fs::path(File(kThemeStoreFileName)));
  const std::map<std::string, std::string> before = FolderContents();
  EXPECT_EQ(Run({L"/list"}), ExitCode::Done);
  EXPECT_EQ(console_.out, L"");
  EXPECT_EQ(Run({L"/?"}, Language::English), ExitCode::Done);
  EXPECT_NE(console_.out.find(L"Exit codes"), std::wstring::npos);
  EXPECT_EQ(console_.err, L"");
  EXPECT_EQ(FolderContents(), before);
}

}  // namespace
