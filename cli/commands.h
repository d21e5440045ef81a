#pragma once
// The commands for scripts: each reads and writes the files through the same readers,
// writers and checks as the window, prints what it did or why not, asks nothing, and
// ends with an exit code.
#include <string_view>

#include "cli/command_line.h"
#include "settings/settings_file.h"
#include "ui/texts.h"

// Where the lines go: the console the program was started from, or the file or pipe its
// output was sent to. Each call is one line or more, without the last line end.
class CommandConsole {
 public:
  virtual void Print(std::wstring_view lines) = 0;     // what was asked for: names, usage, done
  virtual void Complain(std::wstring_view lines) = 0;  // why not, and notes beside the output

 protected:
  ~CommandConsole() = default;
};

// Runs anything but CommandKind::Window (for which it does nothing but return Done).
ExitCode RunCommand(const CommandLine& command, CommandConsole& console, Language language,
                    const ProgramsRunningBeside& runningBeside = ProgramsRunningFromProgramFolder);
