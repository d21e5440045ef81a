#pragma once
// The command line's way to the console on Windows, for huebrook.exe and its console
// companion huebrook.com alike.
#include <string>
#include <string_view>
#include <vector>

#include "ui/texts.h"

// The arguments after the program's name, split as Windows splits a command line, the
// same for both programs.
std::vector<std::wstring> CommandLineArguments();

enum class ConsoleOrigin {
  Parent,  // huebrook.exe, a window program with no console of its own
  Own,     // huebrook.com, which Windows gave the console it was started from
};

// Runs the command the arguments ask for, its lines going to the console or to the file
// or pipe its output was sent to; its exit code.
int RunCommandFromConsole(const std::vector<std::wstring>& arguments, ConsoleOrigin origin, Language language);

// One complaint on the console's error stream, for what goes wrong before any command.
void ComplainOnConsole(std::wstring_view lines, ConsoleOrigin origin);
