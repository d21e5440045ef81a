#pragma once
// Between the shared part of the fault injector and each system's stand-ins.
#include "platform/write_calls.h"
#include "tests/platform/write_faults.h"

namespace write_faults_detail {
// The injector the stand-ins serve; one at a time.
extern WriteFaultInjector* active;
// This system's table of stand-ins.
const platform::WriteCalls& StandIns();
}  // namespace write_faults_detail
