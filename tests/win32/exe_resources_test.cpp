// What huebrook.exe and its console companion huebrook.com carry: 32-bit images (a GUI
// one and a console one) that need nothing but system DLLs, whose manifest turns on
// visual styles and per-monitor DPI and leaves out the execution level (which would stop
// Windows from virtualizing their files the way it does the host's), an icon and a
// version. The shipped 32-bit files are read as data, so a 64-bit build of these tests
// checks them just as well.
#include "ui/win32/win32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "huebrook_version.h"
#include "ui/form1_view.h"

namespace {

struct ShippedProgram {
  const wchar_t* fileName;
  WORD subsystem;
};
constexpr ShippedProgram kShippedPrograms[] = {{L"huebrook.exe", IMAGE_SUBSYSTEM_WINDOWS_GUI},
                                               {L"huebrook.com", IMAGE_SUBSYSTEM_WINDOWS_CUI}};

// A shipped program, copied beside the test.
std::wstring ProgramPath(const wchar_t* fileName) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  folder.resize(folder.find_last_of(L"\\/") + 1);
  return folder + fileName;
}

std::string ProgramName(const ::testing::TestParamInfo<ShippedProgram>& info) {
  return info.param.subsystem == IMAGE_SUBSYSTEM_WINDOWS_GUI ? "exe" : "com";
}

class ExeResourcesTest : public ::testing::TestWithParam<ShippedProgram> {
 protected:
  std::wstring ExePath() const { return ProgramPath(GetParam().fileName); }
  void SetUp() override {
    module = LoadLibraryExW(ExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr) << "the program is copied beside the test";
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

TEST_P(ExeResourcesTest, ManifestHasVisualStylesAndPerMonitorDpiButNoExecutionLevel) {
  int manifests = 0;
  EnumResourceNamesW(module, RT_MANIFEST, CountName, reinterpret_cast<LONG_PTR>(&manifests));
  EXPECT_EQ(manifests, 1);  // no second manifest slipped in by the toolchain
  const std::string manifest = Resource(RT_MANIFEST, MAKEINTRESOURCEW(1));
  ASSERT_FALSE(manifest.empty());
  EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
  EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
  EXPECT_NE(manifest.find("true/pm"), std::string::npos);
  EXPECT_NE(manifest.find("processorArchitecture=\"x86\"/>"), std::string::npos);
  EXPECT_EQ(manifest.find("requestedExecutionLevel"), std::string::npos);
  EXPECT_EQ(manifest.find("trustInfo"), std::string::npos);
}

TEST_P(ExeResourcesTest, ManifestIsAcceptedAsAnActivationContext) {
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

TEST_P(ExeResourcesTest, IconAndVersionArePresent) {
  EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(1), RT_GROUP_ICON), nullptr);
  const std::wstring exe = ExePath();
  std::vector<char> info(GetFileVersionInfoSizeW(exe.c_str(), nullptr));
  ASSERT_FALSE(info.empty());
  ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
  // The version Explorer shows in the file's properties is the one in the title bar
  // and in the release package's name: all come from the project's one version.
  for (const wchar_t* name : {L"FileVersion", L"ProductVersion"}) {
    SCOPED_TRACE(::testing::PrintToString(std::wstring(name)));
    const std::wstring query = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
    wchar_t* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), query.c_str(), reinterpret_cast<void**>(&value), &length));
    const std::wstring shown(value, wcsnlen(value, length));
    EXPECT_EQ(shown, L"" HUEBROOK_VERSION_TEXT);
    EXPECT_TRUE(std::wstring_view(kProgramTitle).starts_with(L"Huebrook Ver" + shown)) << "the title says otherwise";
  }
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(HUEBROOK_VERSION_MAJOR << 16 | HUEBROOK_VERSION_MINOR));
  EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(HUEBROOK_VERSION_PATCH << 16));
}

std::vector<char> ExeBytes(const wchar_t* fileName) {
  std::ifstream file(ProgramPath(fileName).c_str(), std::ios::binary);
  return std::vector<char>((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

const IMAGE_NT_HEADERS32* NtHeaders(const std::vector<char>& bytes) {
  if (bytes.size() < sizeof(IMAGE_DOS_HEADER)) return nullptr;
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data());
  if (dos->e_magic != IMAGE_DOS_SIGNATURE) return nullptr;
  if (dos->e_lfanew < 0 || static_cast<size_t>(dos->e_lfanew) + sizeof(IMAGE_NT_HEADERS32) > bytes.size()) {
    return nullptr;
  }
  return reinterpret_cast<const IMAGE_NT_HEADERS32*>(bytes.data() + dos->e_lfanew);
}

// The names of the DLLs in a PE32 image's import table, upper-cased.
std::vector<std::string> ImportedDlls(const std::vector<char>& bytes) {
  const IMAGE_NT_HEADERS32* nt = NtHeaders(bytes);
  if (!nt) return {};
  const auto* sections = IMAGE_FIRST_SECTION(nt);
  const auto fileOffset = [&](DWORD rva) -> size_t {
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
      const IMAGE_SECTION_HEADER& section = sections[i];
      if (rva >= section.VirtualAddress && rva < section.VirtualAddress + section.SizeOfRawData) {
        return rva - section.VirtualAddress + section.PointerToRawData;
      }
    }
    return bytes.size();
  };
  std::vector<std::string> names;
  const DWORD importsRva = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
  for (size_t at = fileOffset(importsRva); at + sizeof(IMAGE_IMPORT_DESCRIPTOR) <= bytes.size();
       at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
    IMAGE_IMPORT_DESCRIPTOR entry;
    std::memcpy(&entry, bytes.data() + at, sizeof entry);
    if (entry.Name == 0) break;
    const size_t nameAt = fileOffset(entry.Name);
    if (nameAt >= bytes.size()) break;
    std::string name(bytes.data() + nameAt, strnlen(bytes.data() + nameAt, bytes.size() - nameAt));
    std::transform(name.begin(), name.end(), name.begin(), [](char c) { return static_cast<char>(toupper(c)); });
    names.push_back(name);
  }
  return names;
}

using ExeImage = ExeResourcesTest;

TEST_P(ExeImage, IsA32BitProgramOfItsSubsystem) {
  const std::vector<char> bytes = ExeBytes(GetParam().fileName);
  const IMAGE_NT_HEADERS32* nt = NtHeaders(bytes);
  ASSERT_NE(nt, nullptr) << "a PE image";
  EXPECT_EQ(nt->Signature, IMAGE_NT_SIGNATURE);
  EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
  ASSERT_EQ(nt->OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR32_MAGIC);
  EXPECT_EQ(nt->OptionalHeader.Subsystem, GetParam().subsystem);
  // Up to 4 GB of address space on 64-bit Windows instead of 2 GB: a store of a million
  // themes, or a file refused only for its size, leaves room to spare.
  EXPECT_TRUE(nt->FileHeader.Characteristics & IMAGE_FILE_LARGE_ADDRESS_AWARE);
}

TEST_P(ExeImage, ImportsOnlySystemDlls) {
  // Users drop the one file into the host's folder: a runtime DLL of the compiler
  // (libstdc++, libgcc, winpthread) would be missing there.
  const std::set<std::string> system = {"KERNEL32.DLL", "USER32.DLL",   "GDI32.DLL",    "COMDLG32.DLL",
                                        "COMCTL32.DLL", "ADVAPI32.DLL", "SHELL32.DLL",  "OLE32.DLL",
                                        "OLEAUT32.DLL", "MSVCRT.DLL",   "UXTHEME.DLL",  "OLEACC.DLL",
                                        "SHLWAPI.DLL",  "IMM32.DLL",    "VERSION.DLL"};
  const std::vector<std::string> imported = ImportedDlls(ExeBytes(GetParam().fileName));
  ASSERT_FALSE(imported.empty());
  EXPECT_NE(std::find(imported.begin(), imported.end(), "KERNEL32.DLL"), imported.end());
  for (const std::string& dll : imported) EXPECT_TRUE(system.count(dll)) << dll << " is not a system DLL";
}

INSTANTIATE_TEST_SUITE_P(Shipped, ExeResourcesTest, ::testing::ValuesIn(kShippedPrograms), ProgramName);
INSTANTIATE_TEST_SUITE_P(Shipped, ExeImage, ::testing::ValuesIn(kShippedPrograms), ProgramName);

}  // namespace
