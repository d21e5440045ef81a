// The release package on its own, as a user meets it: huebrook.exe unpacked from the
// zip into the host's folder, which holds nothing but the host's setting.ini, started
// there and used once. scripts/package-check unpacks the zip, copies the exe into an
// otherwise empty folder and names that folder in HUEBROOK_PACKAGE_HOST_FOLDER; no
// file of the build tree takes part.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "tests/e2e/screen_capture.h"
#include "tests/e2e/story.h"
#include "themes/color_text.h"

namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(ReleasePackage, UnpackedExeShowsTheHostsColoursAndWritesBothFilesOnApplyAndClose) {
  const wchar_t* named = _wgetenv(L"HUEBROOK_PACKAGE_HOST_FOLDER");
  ASSERT_NE(named, nullptr) << "scripts/package-check runs this with HUEBROOK_PACKAGE_HOST_FOLDER set";
  ASSERT_EQ(GetACP(), 932u) << "the package is tried as a Japanese user runs it";
  const fs::path folder = named;
  std::vector<std::wstring> present;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) present.push_back(entry.path().filename());
  ASSERT_EQ(present, std::vector<std::wstring>{L"huebrook.exe"}) << "the host folder holds the unpacked exe alone";

  const std::wstring title = L"夜の歌";
  std::ofstream(folder / L"setting.ini", std::ios::binary) << Lines(SettingLines(folder.wstring(), kNightColors, title));
  AppDriver app(folder.wstring(), AppDriver::Program::InTheFolder);
  ASSERT_NE(app.WaitForMainWindow(), nullptr) << "the main window never appeared";
  const auto field = [&](int slot) { return app.Control(ControlName::txtColors, slot); };

  // The window shows the host's colours: in every field, and on the preview.
  for (const ColorSlotInfo& slot : kColorSlots) {
    SCOPED_TRACE(Utf8(slot.key));
    EXPECT_EQ(app.Text(field(slot.slot)), ColorToText(kNightColors[slot.slot]));
  }
  EXPECT_EQ(app.Text(app.Control(ControlName::txtTransformTitle)), title);
  const HWND preview = app.Control(ControlName::Picture1);
  std::unique_ptr<ScreenCapture> shown;
  EXPECT_TRUE(app.WaitUntil([&] {
    shown = std::make_unique<ScreenCapture>(app.main());
    return shown->PixelInClient(preview, 200, 20) == kNightColors[COLOR_BACK];
  })) << "the preview's ruler band does not show the host's background colour";
  shown->SaveBmp(ThisProgramFolder() + L"\\package-smoke-window.bmp");

  // Theme > New theme (the menu's first item), the proposed name taken with OK.
  ASSERT_TRUE(app.ChooseMenuByKeys(L'C', std::vector<WORD>{VK_RETURN}));
  const HWND dialog = app.WaitForModal(L"HuebrookInputBox");
  ASSERT_NE(dialog, nullptr) << "the name dialog did not come";
  AppDriver::Press(AppDriver::ChildWithText(dialog, L"OK"));
  ASSERT_TRUE(app.WaitGone(dialog));
  // A new theme starts from the standard colours; one of them is typed over.
  ASSERT_TRUE(app.WaitUntil([&] { return app.Text(field(COLOR_BACK)) == L"FFFFFF"; }));
  app.TypeReplacing(field(COLOR_BACK), L"0000FF");
  app.PressTab(field(COLOR_BACK));
  ASSERT_TRUE(app.WaitUntil([&] { return ScreenCapture(app.main()).PixelInClient(preview, 200, 20) == 0x0000FF; }));

  // File > Apply and close.
  ASSERT_TRUE(app.ChooseMenuByKeys(L'F', L'Q'));
  ASSERT_TRUE(app.WaitForExit()) << "the program did not close";

  ColorArray applied = StandardColors();
  applied[COLOR_BACK] = 0x0000FF;
  EXPECT_EQ(ReadBytes(folder / L"setting.ini"), Lines(SettingLines(folder.wstring(), applied, title)));
  EXPECT_EQ(ReadBytes(folder / L"lirvacolors.ini"), Lines(ThemeLines(L"新しいテーマ(1)", StandardColors(), title)));
}

}  // namespace
