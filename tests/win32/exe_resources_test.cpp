// What huebrook.exe carries: a 32-bit GUI image whose manifest turns on visual styles
// and per-monitor DPI and leaves out the execution level (which would stop Windows
// from virtualizing its files the way it does the host's), an icon and a version.
#include "ui/win32/win32.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::wstring ExePath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  folder.resize(folder.find_last_of(L"\\/") + 1);
  return folder + L"huebrook.exe";
}

class ExeResourcesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    module = LoadLibraryExW(ExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr) << "huebrook.exe is copied beside the test";
  }
  void TearDown() override {
    if (module) FreeLibrary(module);
  }
  std::string Resource(LPCWSTR type, LPCWSTR name) {
    const HRSRC found = FindResourceW(module, name, type);
    if (!found) return {};
    const HGLOBAL loaded = LoadResource(module, found);
    const auto* bytes = static_cast<const char*>(LockResource(loaded));
    return std::string(bytes, SizeofResource(module, found));
  }
  HMODULE module = nullptr;
};

BOOL CALLBACK CountName(HMODULE, LPCWSTR, LPWSTR, LONG_PTR count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

TEST_F(ExeResourcesTest, ManifestHasVisualStylesAndPerMonitorDpiButNoExecutionLevel) {
  int manifests = 0;
  EnumResourceNamesW(module, RT_MANIFEST, CountName, reinterpret_cast<LONG_PTR>(&manifests));
  EXPECT_EQ(manifests, 1);  // no second manifest slipped in by the toolchain
  const std::string manifest = Resource(RT_MANIFEST, MAKEINTRESOURCEW(1));
  ASSERT_FALSE(manifest.empty());
  EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
  EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
  EXPECT_NE(manifest.find("true/pm"), std::string::npos);
  EXPECT_EQ(manifest.find("requestedExecutionLevel"), std::string::npos);
  EXPECT_EQ(manifest.find("trustInfo"), std::string::npos);
}

TEST_F(ExeResourcesTest, ManifestIsAcceptedAsAnActivationContext) {
  // Windows refuses to start a program whose manifest it cannot parse.
  const std::wstring exe = ExePath();
  ACTCTXW context{};
  context.cbSize = sizeof context;
  context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
  context.lpSource = exe.c_str();
  context.lpResourceName = MAKEINTRESOURCEW(1);
  const HANDLE created = CreateActCtxW(&context);
  ASSERT_NE(created, INVALID_HANDLE_VALUE) << "error " << GetLastError();
  ReleaseActCtx(created);
}

TEST_F(ExeResourcesTest, IconAndVersionArePresent) {
  EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(1), RT_GROUP_ICON), nullptr);
  const std::string version = Resource(RT_VERSION, MAKEINTRESOURCEW(VS_VERSION_INFO));
  ASSERT_FALSE(version.empty());
  const std::wstring text(reinterpret_cast<const wchar_t*>(version.data()), version.size() / 2);
  EXPECT_NE(text.find(L"Huebrook"), std::wstring::npos);
  EXPECT_NE(text.find(L"0.9.2"), std::wstring::npos);
}

TEST(ExeImage, IsA32BitGuiProgram) {
  std::ifstream file(ExePath().c_str(), std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  ASSERT_GT(bytes.size(), sizeof(IMAGE_DOS_HEADER));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data());
  ASSERT_EQ(dos->e_magic, IMAGE_DOS_SIGNATURE);
  ASSERT_LT(static_cast<size_t>(dos->e_lfanew) + sizeof(IMAGE_NT_HEADERS32), bytes.size());
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(bytes.data() + dos->e_lfanew);
  EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
  EXPECT_EQ(nt->OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR32_MAGIC);
  EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

}  // namespace
