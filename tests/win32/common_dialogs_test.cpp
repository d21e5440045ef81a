// The system's colour chooser and file dialogs as the main window opens them.
#include "ui/win32/common_dialogs.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <string>
#include <vector>

#include "ui/win32/form1_window.h"
#include "window_test_support.h"

namespace {

constexpr wchar_t kFilter[] = L"テキストファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*";

TEST(FileDialogFilter, PipesBecomeNulsAndTheListEndsInTwo) {
  const std::wstring list = FilterToNulSeparated(kFilter);
  const std::wstring expected(L"テキストファイル(*.txt)\0*.txt\0全てのファイル(*.*)\0*.*\0\0", 40);
  EXPECT_EQ(list, expected);
}

class CommonDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(window.Handle(), nullptr);
    window.ShowCentred();
    PumpMessages(window.Handle());
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder = std::wstring(temp) + L"huebrook_dialogs_" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
  }
  void TearDown() override {
    for (const std::wstring& file : created) DeleteFileW(file.c_str());
    RemoveDirectoryW(folder.c_str());
  }
  std::wstring MakeFile(const wchar_t* name) {
    const std::wstring path = folder + L"\\" + name;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);
    created.push_back(path);
    return path;
  }

  Form1Window window;
  std::wstring folder;
  std::vector<std::wstring> created;
};

TEST_F(CommonDialogsTest, ColourChooserOpensOnTheInitialColourAndCancelGivesNothing) {
  DialogAnswerer ok(L"#32770", [](HWND d) { PressButton(d, IDOK); });
  EXPECT_EQ(window.ChooseColor(0x00123456, ColorChooserFlags::RGBInit | ColorChooserFlags::FullOpen), 0x00123456);
  ASSERT_TRUE(ok.Found());

  bool ownerDisabled = false;
  DialogAnswerer cancel(L"#32770", [&](HWND d) {
    ownerDisabled = !IsWindowEnabled(window.Handle());
    PressButton(d, IDCANCEL);
  });
  EXPECT_EQ(window.ChooseColor(0x00FF8000, ColorChooserFlags::RGBInit | ColorChooserFlags::FullOpen), std::nullopt);
  ASSERT_TRUE(cancel.Found());
  EXPECT_TRUE(ownerDisabled);
}

// Types a name into a file dialog and confirms it; reads the filter's choices first.
void TypeNameAndConfirm(HWND dialog, const std::wstring& name, std::vector<std::wstring>& types,
                        std::wstring& startName) {
  const HWND typeList = GetDlgItem(dialog, cmb1);
  const int count = static_cast<int>(SendMessageW(typeList, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t text[128] = {};
    SendMessageW(typeList, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    types.push_back(text);
  }
  HWND nameField = GetDlgItem(dialog, cmb13);
  if (!nameField) nameField = GetDlgItem(dialog, edt1);
  startName = TextOf(nameField);
  SetWindowTextW(nameField, name.c_str());
  PressButton(dialog, IDOK);
}

TEST_F(CommonDialogsTest, FileDialogsShowTheFilterShareTheNameAndAddNoExtension) {
  const std::wstring existing = MakeFile(L"themes.txt");
  std::vector<std::wstring> types;
  std::wstring startName;
  DialogAnswerer open(L"#32770", [&](HWND d) { TypeNameAndConfirm(d, existing, types, startName); });
  const auto opened = window.ShowFileDialog(FileDialogKind::Open, kFilter, L"");
  ASSERT_TRUE(open.Found());
  EXPECT_EQ(opened, existing);
  EXPECT_EQ(types, (std::vector<std::wstring>{L"テキストファイル(*.txt)", L"全てのファイル(*.*)"}));
  EXPECT_EQ(startName, L"");

  // The save dialog starts with the name chosen last; a name without an extension
  // stays as typed.
  const std::wstring typed = folder + L"\\mine";
  types.clear();
  DialogAnswerer save(L"#32770", [&](HWND d) { TypeNameAndConfirm(d, typed, types, startName); });
  const auto saved = window.ShowFileDialog(FileDialogKind::Save, kFilter, *opened);
  ASSERT_TRUE(save.Found());
  EXPECT_EQ(saved, typed);
  EXPECT_NE(startName.find(L"themes.txt"), std::wstring::npos);
}

TEST_F(CommonDialogsTest, CancelledOpenDialogGivesNothing) {
  DialogAnswerer cancel(L"#32770", [](HWND d) { PressButton(d, IDCANCEL); });
  EXPECT_EQ(window.ShowFileDialog(FileDialogKind::Open, kFilter, L""), std::nullopt);
  ASSERT_TRUE(cancel.Found());
}

}  // namespace
