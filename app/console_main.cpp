// huebrook.com: the console companion of huebrook.exe, beside it in the host's folder.
// A command prompt waits for a console program and shows its lines before the next
// prompt, which it does not do for a window program; and it finds huebrook.com before
// huebrook.exe when the user types "huebrook /list", since PATHEXT lists .COM first.
// It runs the commands itself rather than waiting for the exe: the exe would then see
// this program running from its folder and take it for the host.
#include <windows.h>

#include "app/console.h"
#include "cli/command_line_texts.h"
#include "platform/files.h"
#include "platform/program_folder.h"
#include "platform/write_calls.h"

namespace {

// "huebrook" alone opens the window as a double click does, and the prompt comes back
// at once, as it does for the exe.
int StartWindowProgram(Language language) {
  const std::wstring exe = platform::PathInFolder(platform::ProgramFolder(), L"huebrook.exe");
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    const std::wstring reason = platform::SystemErrorReason(GetLastError());
    ComplainOnConsole(WindowNotStartedMessage(exe, reason, language), ConsoleOrigin::Own);
    return static_cast<int>(ExitCode::FileFailed);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}

}  // namespace

int wmain() {
  const Language language = LanguageForDisplay(GetUserDefaultUILanguage());
  const std::vector<std::wstring> arguments = CommandLineArguments();
  if (arguments.empty()) return StartWindowProgram(language);
  return RunCommandFromConsole(arguments, ConsoleOrigin::Own, language);
}
