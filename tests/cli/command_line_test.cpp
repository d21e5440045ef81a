// Reading the arguments: which command they ask for, and what is wrong with the others.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/command_line.h"
#include "platform/files.h"
#include "platform/program_folder.h"
#include "platform/utf8.h"

namespace {

using Arguments = std::vector<std::wstring>;

std::string Trace(const Arguments& arguments) {
  std::string text;
  for (const std::wstring& argument : arguments) text += "[" + platform::ToUtf8(argument) + "]";
  return text;
}

TEST(CommandLine, ArgumentsAskForTheirCommandWithOperandsTakenAsTheyAre) {
  const struct {
    Arguments arguments;
    CommandKind kind;
    std::wstring name;
    std::wstring file;
    bool force;
  } cases[] = {
      {{}, CommandKind::Window, L"", L"", false},
      {{L"/help"}, CommandKind::Help, L"", L"", false},
      {{L"/?"}, CommandKind::Help, L"", L"", false},
      {{L"/HeLp"}, CommandKind::Help, L"", L"", false},
      {{L"/LIST"}, CommandKind::List, L"", L"", false},
      {{L"/apply", L"夜空"}, CommandKind::Apply, L"夜空", L"", false},
      {{L"/apply", L""}, CommandKind::Apply, L"", L"", false},
      {{L"/apply", L"/list"}, CommandKind::Apply, L"/list", L"", false},
      {{L"/apply", L"/force"}, CommandKind::Apply, L"/force", L"", false},
      {{L"/force", L"/Apply", L" 夜 空 "}, CommandKind::Apply, L" 夜 空 ", L"", true},
      {{L"/apply", L"Night", L"/FORCE"}, CommandKind::Apply, L"Night", L"", true},
      {{L"/export", L"夜空", L"C:\\テーマ\\夜空.txt"}, CommandKind::Export, L"夜空", L"C:\\テーマ\\夜空.txt", false},
      {{L"/export", L"a", L"b", L"/force"}, CommandKind::Export, L"a", L"b", true},
      {{L"/add", L"/help"}, CommandKind::Add, L"", L"/help", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Trace(c.arguments));
    const CommandLine line = ReadCommandLine(c.arguments);
    EXPECT_EQ(line.kind, c.kind);
    EXPECT_EQ(line.name, c.name);
    EXPECT_EQ(line.file, c.file);
    EXPECT_EQ(line.force, c.force);
    EXPECT_EQ(line.wrong, WrongUse::None);
  }
}

TEST(CommandLine, WrongArgumentsAreNamedAndAskForNothing) {
  const struct {
    Arguments arguments;
    WrongUse why;
    std::wstring argument;
  } cases[] = {
      // A file dropped onto the exe's icon arrives as its path.
      {{L"C:\\Lirva\\夜空.txt"}, WrongUse::UnknownArgument, L"C:\\Lirva\\夜空.txt"},
      {{L"list"}, WrongUse::UnknownArgument, L"list"},
      {{L"-list"}, WrongUse::UnknownArgument, L"-list"},
      {{L"/lists"}, WrongUse::UnknownArgument, L"/lists"},
      {{L"/"}, WrongUse::UnknownArgument, L"/"},
      {{L""}, WrongUse::UnknownArgument, L""},
      {{L"/list", L"extra"}, WrongUse::UnknownArgument, L"extra"},
      {{L"/apply"}, WrongUse::MissingOperand, L"/apply"},
      {{L"/export", L"夜空"}, WrongUse::MissingOperand, L"/export"},
      {{L"/add"}, WrongUse::MissingOperand, L"/add"},
      {{L"/list", L"/list"}, WrongUse::SecondCommand, L"/list"},
      {{L"/apply", L"a", L"/add", L"f"}, WrongUse::SecondCommand, L"/add"},
      {{L"/force"}, WrongUse::ForceAlone, L"/force"},
      {{L"/list", L"/force"}, WrongUse::ForceAlone, L"/force"},
      {{L"/force", L"/add", L"f"}, WrongUse::ForceAlone, L"/force"},
      {{L"/force", L"/apply", L"a", L"/Force"}, WrongUse::ForceAlone, L"/Force"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Trace(c.arguments));
    const CommandLine line = ReadCommandLine(c.arguments);
    EXPECT_EQ(line.kind, CommandKind::WrongUse);
    EXPECT_EQ(line.wrong, c.why);
    EXPECT_EQ(line.argument, c.argument);
  }
}

}  // namespace
