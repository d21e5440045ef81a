#pragma once
// Files dropped onto a window of the program the way the user's system delivers them.
// Under Wine on Linux, files come from a file manager through the X server's drag and
// drop (XDND), which Wine's X11 driver turns into WM_DROPFILES for a window that
// accepts files; a message posted from here could not carry the files (an HDROP is a
// memory handle of the process that made it, and Wine does not marshal WM_DROPFILES).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

// True when this test runs under Wine, where X delivers the drops.
bool RunsUnderWine();

// Drags the files from an X client (xdnd_drop, built beside this test binary) and drops
// them at a point of the screen (Wine's screen is the X root window: one screen, origin
// at 0,0); succeeds once the window under the point has taken the drop. The helper's
// output goes to `log`, and into the failure.
::testing::AssertionResult DropFilesThroughX(POINT screenPoint, const std::vector<std::wstring>& paths,
                                             const std::wstring& log);
