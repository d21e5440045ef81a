// The typical run, on the real program: start beside a setting.ini and a theme store,
// click a stored theme, type a colour, Tab, File > apply and close; then both files
// hold exactly what they must.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "settings/color_slots.h"
#include "tests/e2e/app_driver.h"
#include "tests/e2e/screen_capture.h"
#include "ui/layout.h"

namespace {

namespace fs = std::filesystem;

// A folder with a Japanese name, so that every path goes through the Unicode calls.
class RunFolder {
 public:
  RunFolder() {
    path_ = fs::temp_directory_path() / (L"huebrook-e2e-歌声-" + std::to_wstring(GetCurrentProcessId()));
    fs::create_directories(path_);
  }
  ~RunFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  std::wstring folder() const { return path_.wstring(); }
  std::wstring File(const std::wstring& name) const { return folder() + L"\\" + name; }
  void Write(const std::wstring& name, const std::string& bytes) const {
    std::ofstream(fs::path(File(name)), std::ios::binary) << bytes;
  }
  std::string Read(const std::wstring& name) const {
    std::ifstream in(fs::path(File(name)), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  fs::path path_;
};

std::string Lines(const std::vector<std::wstring>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += platform::ToCodePage(line) + "\r\n";
  return bytes;
}

std::wstring Hex(Color c, bool pad) {
  wchar_t text[16];
  swprintf(text, 16, pad ? L"%06X" : L"%X", static_cast<unsigned>(c));
  return text;
}

// setting.ini as the writer makes it, so that a rewrite without edits is identical.
std::vector<std::wstring> SettingLines(const std::wstring& folder, const ColorArray& colors,
                                       const std::wstring& title) {
  std::vector<std::wstring> lines = {
      L"OtoList0=" + folder + L"\\voice,あ,0,100,200,50,20",
      L"CacheEnable=1",
      L"Tool1Path=" + folder + L"\\wavtool.exe",
      L"Tool2Path=" + folder + L"\\resampler.exe",
      L"History1=" + folder + L"\\さくら.ust",
  };
  for (const auto& slot : kColorSlots) lines.push_back(std::wstring(slot.key) + L"=&H" + Hex(colors[slot.slot], false));
  lines.push_back(L"TransformTitle=" + title);
  lines.push_back(L"CompPitchDatas=1");
  lines.push_back(L"EncPitchDatas=1");
  lines.push_back(L"MainWindow=10,20,800,600");
  lines.push_back(L"FutureOption=7");  // a key a newer host writes and we keep
  return lines;
}

std::vector<std::wstring> ThemeLines(const std::wstring& name, const ColorArray& colors, const std::wstring& title) {
  std::vector<std::wstring> lines = {L"[" + name + L"]"};
  for (const auto& slot : kColorSlots) lines.push_back(std::wstring(slot.key) + L"=&H" + Hex(colors[slot.slot], true));
  lines.push_back(L"TransformTitle=" + title);
  return lines;
}

ColorArray StandardColors() {
  ColorArray colors{};
  for (const auto& slot : kColorSlots) colors[slot.slot] = slot.standard;
  return colors;
}

TEST(TypicalRun, ThemeChosenColourTypedApplyAndCloseWritesBothFiles) {
  RunFolder run;
  run.Write(L"wavtool.exe", "");
  run.Write(L"resampler.exe", "");
  const ColorArray current = StandardColors();
  ColorArray night = {0x303030, 0x101010, 0x282020, 0x201818, 0x8080FF, 0x604040, 0x181010, 0xE0E0E0, 0x404040,
                      0x40A0FF, 0x8060FF, 0x6040C0, 0xFFFFFF, 0xFFFFFF, 0xE0E0FF, 0x505050, 0x707070, 0x606060};
  run.Write(L"setting.ini", Lines(SettingLines(run.folder(), current, L"元のタイトル")));
  std::vector<std::wstring> store = ThemeLines(L"夜空", night, L"夜の歌");
  for (const auto& line : ThemeLines(L"Standard", current, L"")) store.push_back(line);
  const std::string storeBytes = Lines(store);
  run.Write(L"lirvacolors.ini", storeBytes);

  AppDriver app(run.folder());
  ASSERT_NE(app.WaitForMainWindow(), nullptr) << "the main window never appeared";
  HWND list = app.Control(ControlName::List1);
  HWND back = app.Control(ControlName::txtColors, COLOR_BACK);
  HWND preview = app.Control(ControlName::Picture1);
  ASSERT_TRUE(list && back && preview);
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(app.Text(back), L"FFFFFF");

  app.ClickListEntry(1);
  ASSERT_TRUE(app.WaitUntil(5000, [&] { return app.Text(back) == L"181010"; })) << "the theme was not loaded";

  app.TypeReplacing(back, L"0000FF");
  app.PressTab(back);
  // The edit is taken when the field loses the focus: the ruler band turns red.
  ScreenCapture* shown = nullptr;
  std::unique_ptr<ScreenCapture> capture;
  bool red = app.WaitUntil(5000, [&] {
    capture = std::make_unique<ScreenCapture>(app.main());
    return capture->PixelInClient(preview, 3000 / 15, 300 / 15) == 0x0000FF;
  });
  shown = capture.get();
  shown->SaveBmp(ThisProgramFolder() + L"\\e2e-window.bmp");
  EXPECT_TRUE(red) << "ruler band shows " << std::hex << shown->PixelInClient(preview, 200, 20);
  // Sample note 1 (column 0, row 13) is filled with COLOR_NOTE_NOR.
  EXPECT_EQ(shown->PixelInClient(preview, (1560 + 560) / 15, (2730 + 105) / 15), night[COLOR_NOTE_NOR]);
  EXPECT_EQ(app.Text(back), L"0000FF");

  // File (F) > apply and close (Q).
  ASSERT_TRUE(app.ChooseMenuByKeys(L'F', L'Q'));
  ASSERT_TRUE(app.WaitForExit(10000)) << "the program did not close";

  ColorArray written = night;
  written[COLOR_BACK] = 0xFF;
  EXPECT_EQ(run.Read(L"setting.ini"), Lines(SettingLines(run.folder(), written, L"夜の歌")));
  EXPECT_EQ(run.Read(L"lirvacolors.ini"), storeBytes);
}

}  // namespace
