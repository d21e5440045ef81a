#include "tests/ui/form1_test_support.h"

#include <filesystem>

#include "platform/files.h"
#include "platform/text_file.h"
#include "platform/utf8.h"
#include "settings/settings_file.h"
#include "themes/color_text.h"
#include "themes/theme_store.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

void TestWindow::StartBesideSampleFiles() {
  WriteSettingsFile(SampleSettings());
  WriteStoreFile(SampleThemes());
  view.Open();
  EXPECT_TRUE(view.Surface().TakeOneRedrawShowing(settings.Colors));
}

void TestWindow::WriteSettingsFile(const SettingsRecord& record) { folder.Write(L"setting.ini", SettingsBytes(record)); }

void TestWindow::WriteStoreFile(const std::vector<Theme>& themes) {
  ::ThemeList list{Theme{}};
  list.insert(list.end(), themes.begin(), themes.end());
  folder.Write(L"lirvacolors.ini", StoreBytes(list));
}

SettingsRecord TestWindow::SettingsAsRead() const {
  SettingsRecord record;
  LoadSettings(record);
  return record;
}

std::string TestWindow::SettingsBytes(const SettingsRecord& record) {
  return platform::JoinLinesCrlf(WriteSettingsLines(record));
}

std::string TestWindow::StoreBytes(const ::ThemeList& list) { return platform::JoinLinesCrlf(WriteThemeStoreLines(list)); }

SettingsRecord SampleSettings() {
  SettingsRecord record;
  SetDefaultSettings(record);
  for (int s = 0; s < kColorSlotCount; ++s) record.Colors[s] = 0x102030 + s * 0x010203;
  record.TransformTitle = L"歌声";
  record.VoiceRoot = L"voice";
  record.History = {L"a.ust", L"b.ust"};
  return record;
}

Theme MakeTheme(const std::wstring& name, Color base, const std::wstring& title) {
  Theme theme;
  theme.Name = name;
  for (int s = 0; s < kColorSlotCount; ++s) theme.Colors[s] = base + s * 0x000101;
  theme.TransformTitle = title;
  return theme;
}

std::vector<Theme> SampleThemes() {
  return {MakeTheme(L"Night", 0x200000, L"夜"), MakeTheme(L"Day", 0x40A000, L""), MakeTheme(L"Sea", 0x603000, L"海")};
}

std::vector<std::wstring> FieldTexts(const ColorArray& colors) {
  std::vector<std::wstring> texts;
  for (Color color : colors) texts.push_back(ColorToText(color));
  return texts;
}

ColorArray StandardColors() {
  SettingsRecord record;
  SetStandardColors(record);
  return record.Colors;
}

#ifndef _WIN32

std::optional<std::string> MakeUnreadableFile(const std::wstring& path) {
  const std::string target = platform::ToUtf8(path);
  if (geteuid() != 0) {
    {
      std::ofstream out(target, std::ios::binary);
      out << "[Kept]\r\n";
    }
    chmod(target.c_str(), 0);
  } else {
    // Root reads any file whatever its permissions; a write-only kernel attribute is a
    // plain file that even root cannot open for reading.
    for (const char* candidate : {"/sys/bus/platform/uevent", "/sys/bus/pci/uevent", "/sys/bus/cpu/uevent"}) {
      struct stat st;
      if (stat(candidate, &st) != 0 || !S_ISREG(st.st_mode)) continue;
      const int fd = open(candidate, O_RDONLY);
      if (fd >= 0) {
        close(fd);
        continue;
      }
      if (symlink(candidate, target.c_str()) == 0) break;
    }
  }
  const int fd = open(target.c_str(), O_RDONLY);
  if (fd >= 0) {
    close(fd);
    return "no way to make a plain file unreadable here";
  }
  if (!platform::PlainFileExists(path)) return "the unreadable file does not count as a plain file";
  return std::nullopt;
}

void MakeReadOnly(const std::wstring& path) {
  std::filesystem::permissions(std::filesystem::path(path),
                               std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                   std::filesystem::perms::others_read);
}

void MakeWritable(const std::wstring& path) {
  std::filesystem::permissions(std::filesystem::path(path), std::filesystem::perms::owner_read |
                                                                std::filesystem::perms::owner_write);
}

FileIdentity IdentityOf(const std::wstring& path) {
  struct stat st;
  if (lstat(platform::ToUtf8(path).c_str(), &st) != 0) return {};
  return {static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino)};
}

#endif
