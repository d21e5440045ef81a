// The real programs as a script uses them: huebrook.exe and its console companion
// huebrook.com with arguments, their lines read through pipes, their exit codes, and the
// files they leave, compared with what the window does.
#include <functional>
#include <utility>
#include <vector>

#include "tests/e2e/story.h"

namespace {

constexpr const wchar_t* kPrograms[] = {L"huebrook.exe", L"huebrook.com"};

TEST_F(Story, ApplyFromTheCommandLineWritesWhatApplyAndCloseInTheWindowWrites) {
  WriteLirvaFolder();
  ASSERT_TRUE(StartProgram());
  app_->ClickListEntry(1);  // 夜空
  ASSERT_TRUE(app_->WaitUntil([&] { return app_->Text(Field(COLOR_BACK)) == L"181010"; }));
  ASSERT_TRUE(app_->ChooseMenuByKeys(L'F', L'Q'));
  ASSERT_TRUE(app_->WaitForExit());
  app_.reset();
  const std::string windowWrote = Read(L"setting.ini");
  ASSERT_NE(windowWrote, setting_ini()) << "the window wrote nothing to compare with";

  for (const wchar_t* program : kPrograms) {
    SCOPED_TRACE(Utf8(program));
    WriteLirvaFolder();
    const CommandOutput run = RunCommand(program, L"/apply 夜空");
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_EQ(Read(L"setting.ini"), windowWrote);
    // The store is only read: a script applying a theme changes setting.ini alone.
    EXPECT_TRUE(Untouched(L"lirvacolors.ini"));
    EXPECT_NE(run.out, "");
    EXPECT_EQ(run.err, "");
  }
}

TEST_F(Story, ListThroughAPipeThenAddAFileThenListAgain) {
  WriteLirvaFolder({kNight, kStandard});
  for (const wchar_t* program : kPrograms) {
    SCOPED_TRACE(Utf8(program));
    const CommandOutput run = RunCommand(program, L"/list");
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    // The console's code page: 932 here, as the program's files.
    EXPECT_EQ(run.out, Lines({L"夜空", L"Standard"}));
    EXPECT_EQ(run.err, "");
  }

  // A shared file with a readme's heading before its theme: only the theme is added.
  Write(L"共有.txt", Lines({L"[使い方]", L"このファイルを追加してください。"}) + StoreBytes({kSea}));
  const CommandOutput added = RunCommand(L"huebrook.com", L"/add 共有.txt");
  EXPECT_EQ(added.exitCode, 0u) << added.err;
  EXPECT_EQ(Read(L"lirvacolors.ini"), StoreBytes({kNight, kStandard, kSea}));
  EXPECT_EQ(RunCommand(L"huebrook.exe", L"/list").out, Lines({L"夜空", L"Standard", L"海"}));
}

// What only Windows has: a file held shut, a hidden file, a program running from the folder.
TEST_F(Story, CommandsThatCannotWriteSafelyEndWithTheirExitCodeAndTouchNothing) {
  HANDLE held = INVALID_HANDLE_VALUE;
  const struct {
    const char* what;
    const wchar_t* arguments;
    std::function<void()> arrange;
    DWORD exitCode;
  } cases[] = {
      {"setting.ini held shut by another program", L"/apply 夜空",
       [&] { held = CreateFileW(File(L"setting.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr); },
       3},
      {"the window runs from the folder", L"/apply 夜空", [&] { ASSERT_TRUE(StartProgram()); }, 4},
      {"a hidden setting.ini", L"/apply 夜空",
       [&] { SetFileAttributesW(File(L"setting.ini").c_str(), FILE_ATTRIBUTE_HIDDEN); }, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteLirvaFolder();
    if (c.arrange) c.arrange();
    std::vector<CommandOutput> runs;
    for (const wchar_t* program : kPrograms) runs.push_back(RunCommand(program, c.arguments));
    // The files are looked at once nothing holds or hides them any more.
    app_.reset();
    if (held != INVALID_HANDLE_VALUE) CloseHandle(std::exchange(held, INVALID_HANDLE_VALUE));
    SetFileAttributesW(File(L"setting.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
    for (std::size_t i = 0; i < runs.size(); ++i) {
      SCOPED_TRACE(Utf8(kPrograms[i]));
      EXPECT_EQ(runs[i].exitCode, c.exitCode) << runs[i].err;
      EXPECT_EQ(runs[i].out, "");
      EXPECT_NE(runs[i].err, "");
    }
    EXPECT_TRUE(Untouched(L"setting.ini"));
    EXPECT_TRUE(Untouched(L"lirvacolors.ini"));
  }

  // What the refusal offers: /force writes while the window runs.
  WriteLirvaFolder();
  ASSERT_TRUE(StartProgram());
  const CommandOutput forced = RunCommand(L"huebrook.com", L"/apply 夜空 /force");
  EXPECT_EQ(forced.exitCode, 0u) << forced.err;
  EXPECT_NE(Read(L"setting.ini"), setting_ini());
}

}  // namespace
