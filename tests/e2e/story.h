#pragma once
// What every user story on the real program shares: a Lirva folder of its own with a
// setting.ini and a theme store as the program writes them, the program started in it,
// and checks on the files afterwards.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "settings/color_slots.h"
#include "tests/e2e/app_driver.h"

// Lines as the program writes them: code page 932, CR LF after each.
std::string Lines(const std::vector<std::wstring>& lines);
// setting.ini as the writer makes it, so that a rewrite without edits is identical.
std::vector<std::wstring> SettingLines(const std::wstring& folder, const ColorArray& colors, const std::wstring& title);
// One theme's section of a store.
std::vector<std::wstring> ThemeLines(const std::wstring& name, const ColorArray& colors, const std::wstring& title);
ColorArray StandardColors();
// For test messages.
std::string Utf8(const std::wstring& text);

// A stored theme.
struct StoredTheme {
  std::wstring name;
  ColorArray colors;
  std::wstring title;
};
std::string StoreBytes(const std::vector<StoredTheme>& themes);

extern const ColorArray kNightColors;
extern const StoredTheme kNight;     // "夜空"
extern const StoredTheme kStandard;  // "Standard"
extern const StoredTheme kSea;       // "海"
// TransformTitle of the setting.ini every story starts from.
extern const wchar_t kStartTitle[];

// What a command of the program printed, each stream's bytes as they came, and how it
// ended.
struct CommandOutput {
  DWORD exitCode = STILL_ACTIVE;
  std::string out;
  std::string err;
};

// The file name box of the file dialogs.
inline constexpr int kFileNameBox = 1148;
// Types a path into the file name box of a file dialog and presses Enter; fails when
// the dialog stays.
void ChooseFile(AppDriver& app, HWND dialog, const std::wstring& path);

class Story : public ::testing::Test {
 protected:
  Story();
  ~Story() override;
  // A failed story tells what the program was showing, and saves it as a picture.
  void TearDown() override;

  // setting.ini (standard colours, kStartTitle) and, unless `store` is empty, a theme
  // store; both dated an hour back, so that any rewrite shows.
  void WriteLirvaFolder(const std::vector<StoredTheme>& store = {kNight, kStandard});
  // Starts the program in the folder; false when its window never came.
  bool StartProgram();
  // Starts it without waiting for the window.
  void LaunchProgram();

  // Waits for the program's message box, checks its caption and its prompt (the whole
  // prompt, or how it starts), presses the button `answer` (IDOK, IDCANCEL, IDYES,
  // IDNO) and waits until the box has gone.
  ::testing::AssertionResult AnswerMessageBox(const std::wstring& prompt, int answer, bool wholePrompt = true);

  // Runs the program file `program` ("huebrook.exe" or its console companion
  // "huebrook.com", copied from beside this test) in the folder with these arguments,
  // its output and errors through pipes. A command that has not ended within the
  // driver's patience (a question nobody answers) is a failure.
  CommandOutput RunCommand(const std::wstring& program, const std::wstring& arguments) const;

  std::wstring File(const std::wstring& name) const;
  void Write(const std::wstring& name, const std::string& bytes) const;
  std::string Read(const std::wstring& name) const;
  bool Exists(const std::wstring& name) const;
  // The file holds the bytes and the date it was written with in WriteLirvaFolder.
  bool Untouched(const std::wstring& name) const;
  std::string setting_ini() const { return settingBytes_; }
  std::string store() const { return storeBytes_; }

  // The program's windows.
  HWND List() const { return app_->Control(ControlName::List1); }
  HWND Field(int slot) const { return app_->Control(ControlName::txtColors, slot); }
  std::vector<std::wstring> ListEntries() const;
  int ListSelection() const;
  // True once the preview's ruler band, drawn in COLOR_BACK, shows this colour on screen.
  bool RulerBandShows(Color color) const;

  std::filesystem::path folder_;
  std::unique_ptr<AppDriver> app_;

 private:
  std::string settingBytes_;
  std::string storeBytes_;
  std::filesystem::file_time_type writtenAt_{};
};
