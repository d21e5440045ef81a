#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_snapshot.h"
#include "platform/files.h"
#include "platform/program_folder.h"
#include "platform/text_file.h"
#include "platform/utf8.h"
#include "tests/platform/temp_folder.h"

#ifdef _WIN32
#include <windows.h>

#include <thread>
#endif

namespace {

namespace fs = std::filesystem;

void MakeReadOnly(const std::wstring& path) {
#ifdef _WIN32
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
#else
  fs::permissions(fs::path(path), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
#endif
}

TEST(ProgramFolder, IsTheExecutablesFolderUnlessATestPointsItElsewhere) {
  std::wstring real = platform::ProgramFolder();
  ASSERT_FALSE(real.empty());
  EXPECT_NE(real.back(), platform::kPathSeparator);
  EXPECT_TRUE(fs::is_directory(fs::path(real)));
  {
    platform::ScopedProgramFolder outer(L"first");
    {
      platform::ScopedProgramFolder inner(L"second");
      EXPECT_EQ(platform::ProgramFolder(), L"second");
    }
    EXPECT_EQ(platform::ProgramFolder(), L"first");
  }
  EXPECT_EQ(platform::ProgramFolder(), real);
}

TEST(PathInFolder, ConcatenatesWithTheSeparator) {
  EXPECT_EQ(platform::PathInFolder(L"dir", L"setting.ini"), std::wstring(L"dir") + platform::kPathSeparator + L"setting.ini");
}

TEST(PlainFileExists, OnlyForPlainFiles) {
  TempFolder temp;
  temp.Write(L"plain.ini", "x");
  fs::create_directory(fs::path(temp.File(L"folder.ini")));
  EXPECT_TRUE(platform::PlainFileExists(temp.File(L"plain.ini")));
  EXPECT_FALSE(platform::PlainFileExists(temp.File(L"folder.ini")));
  EXPECT_FALSE(platform::PlainFileExists(temp.File(L"missing.ini")));
  EXPECT_EQ(platform::KindOfPath(temp.File(L"plain.ini")), platform::PathKind::PlainFile);
  EXPECT_EQ(platform::KindOfPath(temp.File(L"folder.ini")), platform::PathKind::Folder);
  EXPECT_EQ(platform::KindOfPath(temp.File(L"missing.ini")), platform::PathKind::Nothing);
#ifdef _WIN32
  temp.Write(L"hidden.ini", "x");
  temp.Write(L"system.ini", "x");
  SetFileAttributesW(temp.File(L"hidden.ini").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesW(temp.File(L"system.ini").c_str(), FILE_ATTRIBUTE_SYSTEM);
  for (const wchar_t* name : {L"hidden.ini", L"system.ini"}) {
    EXPECT_FALSE(platform::PlainFileExists(temp.File(name)));
    EXPECT_EQ(platform::KindOfPath(temp.File(name)), platform::PathKind::HiddenOrSystemFile);
    // Seen, but neither read nor ever replaced.
    const platform::FileSnapshot snapshot = platform::TakeSnapshot(temp.File(name));
    EXPECT_FALSE(snapshot.status.ok());
    EXPECT_EQ(snapshot.status.found(), platform::PathKind::HiddenOrSystemFile);
    EXPECT_FALSE(snapshot.Fingerprint().present);
  }
  SetFileAttributesW(temp.File(L"hidden.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
  SetFileAttributesW(temp.File(L"system.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
#endif
}

TEST(TakeSnapshot, TellsWhetherTheBytesChangedSinceTheyWereRead) {
  TempFolder temp;
  EXPECT_FALSE(platform::TakeSnapshot(temp.File(L"s.ini")).Fingerprint().present);
  temp.Write(L"s.ini", "History1=a\r\n");
  const platform::FileFingerprint asRead = platform::TakeSnapshot(temp.File(L"s.ini")).Fingerprint();
  EXPECT_TRUE(asRead.present);
  EXPECT_EQ(platform::TakeSnapshot(temp.File(L"s.ini")).Fingerprint(), asRead);
  // Same length, one byte different.
  temp.Write(L"s.ini", "History1=b\r\n");
  EXPECT_NE(platform::TakeSnapshot(temp.File(L"s.ini")).Fingerprint(), asRead);
  temp.Write(L"s.ini", "");
  EXPECT_NE(platform::TakeSnapshot(temp.File(L"s.ini")).Fingerprint(), asRead);
}

// A file is fingerprinted piece by piece as it is read, and a written file's bytes
// whole: the two must agree wherever the pieces were cut.
TEST(FingerprintMaker, PiecesCutAnywhereGiveTheFingerprintOfTheWholeBytes) {
  std::string bytes;
  for (int i = 0; i < 23; ++i) bytes += static_cast<char>(0x41 + i * 37);
  for (std::size_t length = 0; length <= bytes.size(); ++length) {
    const std::string_view whole = std::string_view(bytes).substr(0, length);
    const platform::FileFingerprint expected = platform::FileFingerprint::Of(whole);
    EXPECT_EQ(expected.size, length);
    for (std::size_t first = 0; first <= length; ++first) {
      for (std::size_t second = first; second <= length; ++second) {
        SCOPED_TRACE(std::to_string(length) + " cut at " + std::to_string(first) + " and " + std::to_string(second));
        platform::FingerprintMaker maker;
        maker.Add(whole.substr(0, first));
        maker.Add(whole.substr(first, second - first));
        maker.Add(whole.substr(second));
        ASSERT_EQ(maker.Made(), expected);
      }
    }
    // Any one byte changed changes it.
    for (std::size_t at = 0; at < length; ++at) {
      std::string changed(whole);
      changed[at] ^= 0x10;
      ASSERT_NE(platform::FileFingerprint::Of(changed), expected) << length << " at " << at;
    }
  }
}

TEST(ReadTextLines, ConvertsEachLineFromTheCodePage) {
  TempFolder temp;
  temp.Write(L"a.ini", "TransformTitle=\x89\xCC\r\nx\ry\nz");
  std::vector<std::wstring> lines;
  ASSERT_TRUE(platform::ReadTextLines(temp.File(L"a.ini"), lines).ok());
  EXPECT_EQ(lines, (std::vector<std::wstring>{L"TransformTitle=歌", L"x", L"y\nz"}));
}

// A file is read through a buffer of kFilePieceSize bytes: lines, line ends and bytes
// cut between two pieces come out as from the whole file.
TEST(ReadFileLines, AFileOfManyPiecesGivesTheLinesOfItsWholeBytes) {
  const std::size_t piece = platform::kFilePieceSize;
  std::string bytes(piece - 1, 'a');
  bytes += "\r\n";  // the CR ends the first piece, the LF starts the second
  bytes += std::string(piece - 2, 'b');
  bytes += "\x91\xe8";  // a double-byte character cut between the second and third pieces
  bytes += "\rc\r\n";  // a lone CR ends a line too
  bytes += "\r\n";
  for (int i = 0; i < 3000; ++i) bytes += "line " + std::to_string(i) + "\r\n";
  bytes += "last, without a line end";
  TempFolder temp;
  temp.Write(L"big.ini", bytes);

  std::vector<std::string> lines;
  ASSERT_TRUE(platform::ReadFileLines(temp.File(L"big.ini"), [&lines](std::string_view line) {
                lines.emplace_back(line);
              }).ok());
  const std::vector<std::string_view> whole = platform::SplitLines(bytes);
  EXPECT_EQ(lines, std::vector<std::string>(whole.begin(), whole.end()));
  EXPECT_EQ(lines.size(), 3005u);

  std::string read;
  ASSERT_TRUE(platform::ReadFileBytes(temp.File(L"big.ini"), read).ok());
  EXPECT_EQ(read, bytes);

  // Read in pieces or whole, the file has the one fingerprint of its bytes.
  std::string passedOn;
  const platform::FileSnapshot inPieces = platform::ReadSnapshotInPieces(
      temp.File(L"big.ini"), [&passedOn](std::string_view piece) { passedOn.append(piece); });
  EXPECT_TRUE(inPieces.HasBytes());
  EXPECT_TRUE(inPieces.bytes.empty());
  EXPECT_EQ(passedOn, bytes);
  EXPECT_EQ(inPieces.Fingerprint(), platform::FileFingerprint::Of(bytes));
  EXPECT_EQ(platform::TakeSnapshot(temp.File(L"big.ini")).Fingerprint(), platform::FileFingerprint::Of(bytes));
  bytes[2 * piece + 5] ^= 1;
  EXPECT_NE(inPieces.Fingerprint(), platform::FileFingerprint::Of(bytes));
}

TEST(ReadTextLines, AMissingFileIsAFailureWithAReason) {
  TempFolder temp;
  std::vector<std::wstring> lines;
  platform::IoStatus status = platform::ReadTextLines(temp.File(L"missing.ini"), lines);
  EXPECT_FALSE(status.ok());
  EXPECT_FALSE(status.reason().empty());
}

TEST(WriteFileSafely, CreatesAndReplacesWholeFilesLeavingNoTemporaryFile) {
  TempFolder temp;
  ASSERT_TRUE(platform::WriteTextLines(temp.File(L"s.ini"), {L"a=1", L"歌"}).ok());
  EXPECT_EQ(temp.Read(L"s.ini"), "a=1\r\n\x89\xCC\r\n");
  ASSERT_TRUE(platform::WriteFileSafely(temp.File(L"s.ini"), "short").ok());
  EXPECT_EQ(temp.Read(L"s.ini"), "short");
  ASSERT_TRUE(platform::WriteFileSafely(temp.File(L"s.ini"), "").ok());
  EXPECT_EQ(temp.Read(L"s.ini"), "");
  EXPECT_EQ(temp.CountEntries(), 1);
}

TEST(WriteFileSafely, AFailureLeavesTheOldFileWholeAndSaysWhy) {
  TempFolder temp;
  temp.Write(L"ro.ini", "old content\r\n");
  MakeReadOnly(temp.File(L"ro.ini"));
  fs::create_directory(fs::path(temp.File(L"dir.ini")));

  struct Case {
    const wchar_t* what;
    std::wstring path;
  } cases[] = {
      {L"read-only file", temp.File(L"ro.ini")},
      {L"a folder in the way", temp.File(L"dir.ini")},
      {L"missing folder", platform::PathInFolder(temp.File(L"nowhere"), L"x.ini")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(platform::ToUtf8(c.what));
    platform::IoStatus status = platform::WriteFileSafely(c.path, "new content\r\n");
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.reason().empty());
  }
  EXPECT_EQ(temp.Read(L"ro.ini"), "old content\r\n");
  EXPECT_TRUE(fs::is_directory(fs::path(temp.File(L"dir.ini"))));
  EXPECT_EQ(temp.CountEntries(), 2);  // no temporary file left behind
#ifdef _WIN32
  // The user's read-only mark stays.
  EXPECT_TRUE(GetFileAttributesW(temp.File(L"ro.ini").c_str()) & FILE_ATTRIBUTE_READONLY);
  SetFileAttributesW(temp.File(L"ro.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
#endif
}

#ifdef _WIN32
// Another program holding the file for a moment (the host, a virus scanner) is waited
// for; one that keeps holding it makes the read fail with the system's reason.
TEST(ReadFileBytes, WaitsForAFileAnotherProgramHoldsForAMoment) {
  TempFolder temp;
  temp.Write(L"held.ini", "COLOR_BACK=&HFF\r\n");
  const std::wstring path = temp.File(L"held.ini");
  HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  std::thread releaser([held] {
    Sleep(300);
    CloseHandle(held);
  });
  std::string bytes;
  const platform::IoStatus status = platform::ReadFileBytes(path, bytes);
  releaser.join();
  ASSERT_TRUE(status.ok()) << platform::ToUtf8(status.reason());
  EXPECT_EQ(bytes, "COLOR_BACK=&HFF\r\n");

  held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const platform::IoStatus refused = platform::ReadFileBytes(path, bytes);
  CloseHandle(held);
  EXPECT_FALSE(refused.ok());
  EXPECT_FALSE(refused.reason().empty());
}
#endif

TEST(WriteFileSafely, WorksWithARelativePath) {
  TempFolder temp;
  fs::path previous = fs::current_path();
  fs::current_path(temp.path());
  platform::IoStatus status = platform::WriteFileSafely(L"relative.ini", "x\r\n");
  fs::current_path(previous);
  ASSERT_TRUE(status.ok()) << platform::ToUtf8(status.reason());
  EXPECT_EQ(temp.Read(L"relative.ini"), "x\r\n");
}

}  // namespace
