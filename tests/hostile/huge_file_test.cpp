// Files of several gigabytes (a video or a disk image chosen or dropped by mistake, or a
// setting.ini gone wrong): refused before a byte is read, told with the file's name and
// size, and nothing the user has is lost or written over. The files are sparse, so they
// cost no disk space.
#ifdef _WIN32
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/file_snapshot.h"
#include "platform/files.h"
#include "platform/utf8.h"
#include "settings/settings_file.h"
#include "tests/hostile/allocation_meter.h"
#include "tests/ui/form1_test_support.h"
#include "themes/theme_store.h"
#include "ui/form1_texts.h"

namespace {

constexpr std::uint64_t kHugeSize = std::uint64_t{5} << 30;  // 5 GB

// A sparse file of kHugeSize bytes that starts like a theme file.
void WriteHugeFile(const std::wstring& path) {
#ifdef _WIN32
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, "[Night]\r\n", 9, &written, nullptr);
  LARGE_INTEGER end;
  end.QuadPart = static_cast<LONGLONG>(kHugeSize);
  EXPECT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file));
  CloseHandle(file);
#else
  {
    std::ofstream(std::filesystem::path(path), std::ios::binary) << "[Night]\r\n";
  }
  std::filesystem::resize_file(std::filesystem::path(path), kHugeSize);
#endif
  ASSERT_EQ(platform::FileSize(path), kHugeSize);
}

std::wstring HugeReason(FileRole role = FileRole::Themes) {
  return FailureReason(platform::IoStatus::TooLarge(kHugeSize), Language::Japanese, role);
}

TEST(HugeFile, IsRefusedBeforeAByteIsRead) {
  TempFolder folder;
  const std::wstring path = folder.File(L"huge.txt");
  WriteHugeFile(path);
  AllocationMeter meter;
  std::string bytes;
  const platform::IoStatus read = platform::ReadFileBytes(path, bytes);
  EXPECT_EQ(read.trouble(), platform::FileTrouble::TooLarge);
  EXPECT_EQ(read.size(), kHugeSize);
  EXPECT_EQ(platform::TakeSnapshot(path).status.trouble(), platform::FileTrouble::TooLarge);
  const ThemeFileRead themes = ReadThemeFileToAdd(path);
  EXPECT_EQ(themes.status.trouble(), platform::FileTrouble::TooLarge);
  EXPECT_TRUE(themes.themes.empty());
  EXPECT_LT(meter.PeakBytes(), std::size_t{1} << 20);
  EXPECT_NE(HugeReason().find(L"5.0 GB"), std::wstring::npos);
}

TEST(HugeFile, ChosenOrDroppedChangesNothingAndIsToldWithItsNameAndSize) {
  TestWindow w;
  w.StartBesideSampleFiles();
  const std::wstring huge = w.folder.File(L"movie.mp4");
  WriteHugeFile(huge);
  const std::vector<std::wstring> list = w.view.ListItems();

  w.view.AnswerFileDialog(huge);
  w.view.AnswerMessage(LoadFailedMessage(huge, HugeReason()), MsgBoxAnswer::OK);
  w.view.ChooseMenu(&Form1Events::mnOpen_Click);
  w.view.AnswerFileDialog(huge);
  w.view.AnswerMessage(LoadFailedMessage(huge, HugeReason()), MsgBoxAnswer::OK);
  w.view.ChooseMenu(&Form1Events::mnAddThemes_Click);
  w.view.AnswerMessage(DroppedFilesRefusedMessage({{huge, HugeReason()}}, false), MsgBoxAnswer::OK);
  w.view.DropFiles({huge});

  EXPECT_EQ(w.view.ListItems(), list);
  EXPECT_FALSE(w.form.State().ThemeListChanged);
}

// Such a file under the name of setting.ini or lirvacolors.ini is told at start-up and
// never written over, whatever the user does.
TEST(HugeFile, UnderTheNameOfOurFilesIsToldAtStartUpAndNeverWrittenOver) {
  for (const wchar_t* name : {kSettingsFileName, kThemeStoreFileName}) {
    SCOPED_TRACE(platform::ToUtf8(name));
    TestWindow w;
    w.WriteSettingsFile(SampleSettings());
    w.WriteStoreFile(SampleThemes());
    WriteHugeFile(w.folder.File(name));
    const FileRole role = std::wstring_view(name) == kSettingsFileName ? FileRole::HostSettings : FileRole::Themes;
    w.view.AnswerMessage(UnreadAtStartMessage({{name, HugeReason(role)}}), MsgBoxAnswer::OK);
    w.view.Open();

    w.view.Focus(Control::Field(COLOR_BACK));
    w.view.Type(L"0000FF");
    w.view.AnswerMessage(ApplyToNewThemeQuestion(Language::Japanese), MsgBoxAnswer::Yes);
    w.view.AnswerInputBox({ClickOk()});
    w.view.ChooseMenu(&Form1Events::mnNewTheme_Click);
    if (std::wstring_view(name) == kThemeStoreFileName) w.view.AnswerMessage(kCloseQuestion, MsgBoxAnswer::Yes);
    EXPECT_TRUE(w.view.AskClose(CloseReason::CloseBox));
    EXPECT_EQ(platform::FileSize(w.folder.File(name)), kHugeSize);
  }
}

}  // namespace
