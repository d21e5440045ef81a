#pragma once
// Stand-ins for the system calls of the safe write that fail on request, for the writes
// of one file only; every other call goes to the system. The table of faults names each
// way a step can fail on this system: an error, a short count as on a full disk, a
// file held by another program until the retries run out.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/write_calls.h"

enum class WriteStep { CreateTemp, Write, SetMode, Flush, Close, Replace };
inline constexpr int kWriteStepCount = 6;

struct WriteFault {
  enum Kind {
    Error,       // that call fails with `error`
    ShortCount,  // that call writes half and says so, as on a full disk
    Busy,        // that call and every later one of the step fail with `error`
  };
  std::string name;
  WriteStep step = WriteStep::CreateTemp;
  int call = 0;  // which call of the step strikes, 0 being the first
  Kind kind = Error;
  unsigned long error = 0;  // what the user must be told (for ShortCount, what a full disk gives)
  bool retried = false;     // the write waits and tries again before it gives up
};

struct WriteCallCounts {
  std::array<int, kWriteStepCount> calls{};
  int& operator[](WriteStep step) { return calls[static_cast<std::size_t>(step)]; }
  int operator[](WriteStep step) const { return calls[static_cast<std::size_t>(step)]; }
};

// Every fault of this system's table, for a write that makes `counts` calls of each
// step: each call of a step that is made more than once fails in turn.
std::vector<WriteFault> WriteFaultTable(const WriteCallCounts& counts);

class WriteFaultInjector {
 public:
  // Strikes only writes of the file of this name (its temporary file included).
  explicit WriteFaultInjector(std::wstring fileName);
  ~WriteFaultInjector();
  WriteFaultInjector(const WriteFaultInjector&) = delete;
  WriteFaultInjector& operator=(const WriteFaultInjector&) = delete;

  // From now on `fault` strikes; the counts start again.
  void Arm(const WriteFault& fault);
  // The fault is gone; the counts start again.
  void Heal();
  // The armed fault goes away by itself after the write has waited this often, as a
  // file another program held for a moment.
  void HealAfterWaits(int waits) { healAfterWaits_ = waits; }

  // Calls made for the file since the last Arm or Heal.
  const WriteCallCounts& Counts() const { return counts_; }
  bool Struck() const { return struck_; }
  int Waits() const { return waits_; }
  // The system's wording of the armed fault.
  std::wstring Reason() const;

  // For the stand-ins: what happens to the next call of `step` for the file.
  enum class Strike { None, First, Later };
  Strike Next(WriteStep step);
  const std::optional<WriteFault>& Armed() const { return fault_; }
  bool IsTemporaryOfTheFile(const std::wstring& path) const;
  bool IsTheFile(const std::wstring& path) const;
  void CountWait();

  // The open temporary file of the file, while there is one.
  std::optional<long long> handle;

 private:
  std::wstring fileName_;
  std::optional<WriteFault> fault_;
  WriteCallCounts counts_;
  bool struck_ = false;
  int waits_ = 0;
  int healAfterWaits_ = -1;
  std::optional<platform::ScopedWriteCalls> scope_;
};
