// huebrook.exe: the main window over the Win32 toolkit, until it closes; with arguments,
// a command for scripts, done without a window.
#include "ui/win32/win32.h"

#include "app/console.h"
#include "app/resource.h"
#include "settings/settings_record.h"
#include "ui/form1.h"
#include "ui/win32/form1_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // The one choice of language, for the whole run: the window's captions and menus and
  // every text the logic shows through it, or the command's lines.
  const Language language = LanguageForDisplay(GetUserDefaultUILanguage());
  const std::vector<std::wstring> arguments = CommandLineArguments();
  if (!arguments.empty()) return RunCommandFromConsole(arguments, ConsoleOrigin::Parent, language);

  Form1Window window(LoadIconW(instance, MAKEINTRESOURCEW(IDI_HUEBROOK)), language);
  if (!window.Handle()) return 1;
  Form1 form(GlobalSettings, window);
  window.AttachEvents(form);
  // The lists, the fields and the preview are filled before anyone sees the window.
  window.Load();
  window.ShowCentred();
  window.RunUntilClosed();
  return 0;
}
