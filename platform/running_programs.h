#pragma once
// Which programs run from a folder: the host editor started from its own folder
// rewrites setting.ini when it exits, so the program asks before writing setting.ini
// while the host runs.
#include <string>
#include <vector>

namespace platform {

// The file names of the running programs, other than this process, whose program file
// lies in `folder` (compared without regard to case on Windows).
std::vector<std::wstring> ProgramsRunningFrom(const std::wstring& folder);

}  // namespace platform
