// Every system call of the safe write made to fail in turn: the old file stays byte for
// byte (or absent), no temporary file is left, the caller hears the system's reason,
// and the next write, once the fault is gone, succeeds.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/files.h"
#include "platform/utf8.h"
#include "tests/platform/temp_folder.h"
#include "tests/platform/write_faults.h"

namespace {

#ifdef _WIN32
constexpr unsigned long kAccessDenied = ERROR_ACCESS_DENIED;
#else
constexpr unsigned long kAccessDenied = EACCES;
#endif

// Windows writes in pieces of a megabyte: more than one piece, so that each WriteFile
// fails in turn. Elsewhere one write takes it all.
std::string LargeContent() {
#ifdef _WIN32
  constexpr std::size_t kSize = 5u << 18;
#else
  constexpr std::size_t kSize = 1u << 16;
#endif
  std::string bytes;
  for (int line = 0; bytes.size() < kSize; ++line) bytes += "History" + std::to_string(line) + "=C:\\songs\\a.ust\r\n";
  return bytes;
}

TEST(SafeWriteFaults, EveryFailingCallLeavesTheOldFileWholeAndSaysWhy) {
  TempFolder temp;
  const std::wstring path = temp.File(L"target.ini");
  const std::string content = LargeContent();
  WriteFaultInjector faults(L"target.ini");

  ASSERT_TRUE(platform::WriteFileSafely(path, content).ok());
  const WriteCallCounts counts = faults.Counts();
  ASSERT_GE(counts[WriteStep::Write], 1);
  const std::vector<WriteFault> table = WriteFaultTable(counts);

  for (const std::optional<std::string>& old : {std::optional<std::string>("old content\r\n"), std::optional<std::string>()}) {
    SCOPED_TRACE(old ? "replacing a file" : "creating a file");
    for (const WriteFault& fault : table) {
      SCOPED_TRACE(fault.name);
      std::filesystem::remove(std::filesystem::path(path));
      if (old) temp.Write(L"target.ini", *old);
      faults.Arm(fault);

      const platform::IoStatus status = platform::WriteFileSafely(path, content);
      EXPECT_TRUE(faults.Struck()) << "the fault never came";
      EXPECT_FALSE(status.ok());
      EXPECT_EQ(platform::ToUtf8(status.reason()), platform::ToUtf8(faults.Reason()));
      EXPECT_EQ(temp.Exists(L"target.ini"), old.has_value());
      if (old) {
        EXPECT_EQ(temp.Read(L"target.ini"), *old);
      }
      EXPECT_EQ(temp.CountEntries(), old ? 1 : 0) << "a temporary file was left";
      EXPECT_EQ(faults.Waits() > 0, fault.retried);
      // Each wait is followed by one more try.
      if (fault.retried) {
        EXPECT_EQ(faults.Counts()[WriteStep::Replace], faults.Waits() + 1);
      }

      faults.Heal();
      ASSERT_TRUE(platform::WriteFileSafely(path, content).ok());
      EXPECT_EQ(temp.Read(L"target.ini"), content);
      EXPECT_EQ(temp.CountEntries(), 1);
    }
  }
}

// Faults strike only the file they are set on: a write of any other file goes through.
TEST(SafeWriteFaults, OtherFilesAreWrittenWhileOneFails) {
  TempFolder temp;
  WriteFaultInjector faults(L"target.ini");
  faults.Arm({"every replace fails", WriteStep::Replace, 0, WriteFault::Busy, kAccessDenied, false});
  EXPECT_FALSE(platform::WriteFileSafely(temp.File(L"target.ini"), "x").ok());
  EXPECT_TRUE(platform::WriteFileSafely(temp.File(L"other.ini"), "y").ok());
  EXPECT_TRUE(platform::WriteFileSafely(temp.File(L"target.ini.bak"), "z").ok());
  EXPECT_EQ(temp.Read(L"other.ini"), "y");
  EXPECT_FALSE(temp.Exists(L"target.ini"));
}

#ifdef _WIN32
// A file that another program holds only for a moment is replaced after a wait.
TEST(SafeWriteFaults, AFileHeldForAMomentIsReplacedAfterAWait) {
  TempFolder temp;
  temp.Write(L"target.ini", "old");
  WriteFaultInjector faults(L"target.ini");
  faults.Arm({"held", WriteStep::Replace, 0, WriteFault::Busy, ERROR_SHARING_VIOLATION, true});
  faults.HealAfterWaits(3);
  ASSERT_TRUE(platform::WriteFileSafely(temp.File(L"target.ini"), "new").ok());
  EXPECT_EQ(faults.Waits(), 3);
  EXPECT_EQ(temp.Read(L"target.ini"), "new");
  EXPECT_EQ(temp.CountEntries(), 1);
}
#endif

}  // namespace
