#pragma once
// What the program's arguments ask for, read without touching a file. No arguments is
// the window; everything else is a command for scripts, done without one.
#include <string>
#include <vector>

enum class CommandKind {
  Window,    // no arguments: the main window, as always
  Help,      // /help or /?
  List,      // /list
  Apply,     // /apply NAME
  Export,    // /export NAME FILE
  Add,       // /add FILE
  WrongUse,  // anything else: the usage is printed and nothing is touched
};

// Why arguments are no command.
enum class WrongUse {
  None,
  UnknownArgument,  // not one of ours (argument names it)
  MissingOperand,   // a command without its NAME or FILE (argument: the command)
  SecondCommand,    // a command after another one (argument: the second)
  ForceAlone,       // /force with a command it does nothing for, or twice
};

struct CommandLine {
  CommandKind kind = CommandKind::Window;
  std::wstring name;  // /apply, /export: a theme's name exactly as /list prints it
  std::wstring file;  // /export, /add
  // /apply: write setting.ini even while the host runs from our folder; /export:
  // replace a FILE that is there.
  bool force = false;
  WrongUse wrong = WrongUse::None;
  std::wstring argument;  // the argument a WrongUse is about
};

// The arguments after the program's own name. Switches are told apart without regard
// to case; the operands after a command are taken as they are, so a theme may be named
// "/list". /force may stand before or after its command.
CommandLine ReadCommandLine(const std::vector<std::wstring>& arguments);

// What the program tells the caller's script, documented in /help and the README.
enum class ExitCode {
  Done = 0,
  WrongUse = 1,
  NoSuchTheme = 2,  // no theme of that name, or a file to add holds none
  FileFailed = 3,   // a file could not be read or written; the reason is printed
  HostRunning = 4,  // the host runs from our folder: setting.ini is not written without /force
  UnsafeFile = 5,   // a file we do not write over (hidden, UTF-16, LF-only, changed, there already)
};
