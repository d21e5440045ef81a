// The table of system calls WriteFileSafely uses, and the tests' way to replace it.
#include "platform/write_calls.h"

namespace platform {

namespace {
const WriteCalls* currentWriteCalls = nullptr;
}  // namespace

const WriteCalls& CurrentWriteCalls() { return currentWriteCalls ? *currentWriteCalls : SystemWriteCalls(); }

ScopedWriteCalls::ScopedWriteCalls(const WriteCalls& calls) : previous_(currentWriteCalls) {
  currentWriteCalls = &calls;
}

ScopedWriteCalls::~ScopedWriteCalls() { currentWriteCalls = previous_; }

}  // namespace platform
