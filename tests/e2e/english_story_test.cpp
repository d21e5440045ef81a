// A user whose Windows is in English: Wine runs this binary with LANG=en_US.UTF-8, which
// gives the English display language and the ANSI code page 1252. The program speaks
// English and reads and writes its files in that code page exactly as it does in 932.
#include "tests/e2e/screen_capture.h"
#include "tests/e2e/story.h"
#include "ui/texts.h"

namespace {

const ColorArray kSummerColors = kNightColors;
const StoredTheme kSummer = {L"Été", kSummerColors, L"Chœur d'été"};

// The bytes of this text in a code page: 1252 as a file holds them, or a console's.
std::string InCodePage(const std::wstring& text, UINT codePage) {
  const int n = WideCharToMultiByte(codePage, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
  return bytes;
}
std::string Cp1252(const std::wstring& text) { return InCodePage(text, 1252); }

TEST_F(Story, EnglishWindowsUserSeesEnglishAndTheFilesStayInTheirCodePage) {
  // The environment this story is about; without it the story would prove nothing.
  ASSERT_EQ(GetACP(), 1252u);
  ASSERT_EQ(LanguageForDisplay(GetUserDefaultUILanguage()), Language::English);

  WriteLirvaFolder({kSummer, kStandard});
  const std::string setting = Lines(SettingLines(folder_.wstring(), StandardColors(), L"Façade"));
  Write(L"setting.ini", setting);
  ASSERT_NE(setting.find(Cp1252(L"Façade")), std::string::npos);
  ASSERT_NE(store().find("\xC9t\xE9"), std::string::npos) << "the store is not in code page 1252";
  ASSERT_TRUE(StartProgram());

  // English captions and entries; the theme names read from 1252 bytes.
  EXPECT_EQ(ListEntries(), (std::vector<std::wstring>{L"(Current settings)", L"Été", L"Standard"}));
  EXPECT_NE(AppDriver::ChildWithText(app_->main(), L"White keys"), nullptr);
  EXPECT_NE(AppDriver::ChildWithText(app_->main(), L"Change title"), nullptr);
  EXPECT_EQ(app_->Text(app_->Control(ControlName::txtTransformTitle)), L"Façade");

  app_->ClickListEntry(1);
  ASSERT_TRUE(app_->WaitUntil([&] { return app_->Text(Field(COLOR_BACK)) == L"181010"; }));
  app_->TypeReplacing(Field(COLOR_BACK), L"0000FF");
  app_->PressTab(Field(COLOR_BACK));
  EXPECT_TRUE(RulerBandShows(0x0000FF));

  // Theme (T) > New theme (N), keys only the English menus have: the edits of Été go
  // into the new theme.
  ASSERT_TRUE(app_->ChooseMenuByKeys(L'T', L'N'));
  ASSERT_TRUE(AnswerMessageBox(L"The settings have been changed. Save them to \"Été\"?", IDNO));
  const HWND dialog = app_->WaitForModal(L"HuebrookInputBox");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(app_->Text(dialog), L"Enter a Name");
  const HWND input = AppDriver::ChildOfClass(dialog, L"Edit");
  EXPECT_EQ(app_->Text(input), L"New theme (3)");
  EXPECT_NE(AppDriver::ChildWithText(dialog, L"Cancel"), nullptr);
  AppDriver::Type(input, L"Nuit d'été");
  ASSERT_TRUE(app_->WaitUntil([&] { return app_->Text(input) == L"Nuit d'été"; }));
  ScreenCapture(dialog).SaveBmp(ThisProgramFolder() + L"\\screenshot-english-name-dialog.bmp");
  AppDriver::Press(AppDriver::ChildWithText(dialog, L"OK"));
  ASSERT_TRUE(app_->WaitGone(dialog));
  ASSERT_TRUE(app_->WaitUntil([&] { return ListEntries().size() == 4; }));
  EXPECT_EQ(ListEntries().back(), L"Nuit d'été");
  EXPECT_TRUE(RulerBandShows(0x0000FF));
  ScreenCapture(app_->main()).SaveBmp(ThisProgramFolder() + L"\\screenshot-english-main-window.bmp");

  app_->ClickCloseBox();
  ASSERT_TRUE(AnswerMessageBox(L"The settings have been changed. Apply them to setting.ini?", IDYES));
  ASSERT_TRUE(app_->WaitForExit(10000));

  ColorArray edited = kSummerColors;
  edited[COLOR_BACK] = 0xFF;
  const std::string written = Read(L"setting.ini");
  EXPECT_EQ(written, Lines(SettingLines(folder_.wstring(), edited, L"Chœur d'été")));
  EXPECT_NE(written.find("TransformTitle=Ch\x9C" "ur d'\xE9t\xE9\r\n"), std::string::npos);
  EXPECT_EQ(Read(L"lirvacolors.ini"), StoreBytes({kSummer, kStandard, {L"Nuit d'été", edited, L"Chœur d'été"}}));
}

// A script on an English system: the lines in English, in the code page of the console
// the commands share with this test (without one, the code page a new console gets), an
// OEM code page and not the files' 1252.
TEST_F(Story, EnglishUserGetsTheCommandsLinesInEnglishInTheConsolesCodePage) {
  WriteLirvaFolder({kSummer, kStandard});
  const UINT console = GetConsoleOutputCP() != 0 ? GetConsoleOutputCP() : GetOEMCP();
  ASSERT_NE(console, GetACP()) << "the console's code page would not show";
  for (const wchar_t* program : {L"huebrook.exe", L"huebrook.com"}) {
    SCOPED_TRACE(Utf8(program));
    const CommandOutput listed = RunCommand(program, L"/list");
    EXPECT_EQ(listed.exitCode, 0u);
    EXPECT_EQ(listed.out, InCodePage(L"Été\r\nStandard\r\n", console)) << "code page " << console;
  }

  const CommandOutput missing = RunCommand(L"huebrook.exe", L"/export Winter winter.txt");
  EXPECT_EQ(missing.exitCode, 2u);
  EXPECT_EQ(missing.err, "lirvacolors.ini holds no theme named \"Winter\". /list prints the names.\r\n");
  EXPECT_FALSE(Exists(L"winter.txt"));
}

}  // namespace
