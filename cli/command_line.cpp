#include "cli/command_line.h"

#include <cstddef>
#include <string_view>
#include <utility>

namespace {

// Switches are ASCII, and Windows users type them in any case.
bool IsSwitch(std::wstring_view argument, std::wstring_view name) {
  if (argument.size() != name.size() + 1 || argument.front() != L'/') return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    wchar_t c = argument[i + 1];
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    if (c != name[i]) return false;
  }
  return true;
}

// A command and its operands, which follow it in this order: NAME, then FILE.
struct CommandSwitch {
  std::wstring_view name;
  CommandKind kind;
  bool takesName;
  bool takesFile;
};

constexpr CommandSwitch kCommands[] = {
    {L"help", CommandKind::Help, false, false},   {L"?", CommandKind::Help, false, false},
    {L"list", CommandKind::List, false, false},   {L"apply", CommandKind::Apply, true, false},
    {L"export", CommandKind::Export, true, true}, {L"add", CommandKind::Add, false, true},
};

const CommandSwitch* CommandOf(std::wstring_view argument) {
  for (const CommandSwitch& command : kCommands) {
    if (IsSwitch(argument, command.name)) return &command;
  }
  return nullptr;
}

CommandLine Wrong(WrongUse why, std::wstring argument) {
  CommandLine line;
  line.kind = CommandKind::WrongUse;
  line.wrong = why;
  line.argument = std::move(argument);
  return line;
}

}  // namespace

CommandLine ReadCommandLine(const std::vector<std::wstring>& arguments) {
  CommandLine line;
  bool haveCommand = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::wstring& argument = arguments[i];
    if (IsSwitch(argument, L"force")) {
      if (line.force) return Wrong(WrongUse::ForceAlone, argument);
      line.force = true;
      continue;
    }
    const CommandSwitch* command = CommandOf(argument);
    if (!command) return Wrong(WrongUse::UnknownArgument, argument);
    if (haveCommand) return Wrong(WrongUse::SecondCommand, argument);
    const std::size_t operands = (command->takesName ? 1 : 0) + (command->takesFile ? 1 : 0);
    if (arguments.size() - i - 1 < operands) return Wrong(WrongUse::MissingOperand, argument);
    haveCommand = true;
    line.kind = command->kind;
    if (command->takesName) line.name = arguments[++i];
    if (command->takesFile) line.file = arguments[++i];
  }
  // Nothing but /force asks for nothing; and only a write that could be refused can be forced.
  if (line.force && line.kind != CommandKind::Apply && line.kind != CommandKind::Export) {
    return Wrong(WrongUse::ForceAlone, L"/force");
  }
  return line;
}
