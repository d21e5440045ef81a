#include "app/console.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "cli/commands.h"

std::vector<std::wstring> CommandLineArguments() {
  int count = 0;
  wchar_t** split = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> arguments;
  if (!split) return arguments;
  for (int i = 1; i < count; ++i) arguments.emplace_back(split[i]);
  LocalFree(split);
  return arguments;
}

namespace {

// One of the two streams: a console, a file or pipe, or nowhere (a window program
// started from a shortcut has neither console nor redirection; its exit code is all).
class Stream {
 public:
  Stream(DWORD which, bool attached) {
    handle_ = GetStdHandle(which);
    if (!Usable(handle_) && attached) {
      // A window program attached to its caller's console may still have no handles
      // for it: the console's own device then.
      handle_ = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
      owned_ = Usable(handle_);
    }
    if (!Usable(handle_)) handle_ = nullptr;
    DWORD mode = 0;
    console_ = handle_ && GetConsoleMode(handle_, &mode);
  }
  ~Stream() {
    if (owned_) CloseHandle(handle_);
  }
  Stream(const Stream&) = delete;
  Stream& operator=(const Stream&) = delete;

  // The lines and a line end after the last, CR LF as on every Windows console and file.
  void Write(std::wstring_view lines, UINT codePage) const {
    if (!handle_) return;
    std::wstring text;
    text.reserve(lines.size() + 2);
    for (const wchar_t c : lines) {
      if (c == L'\n') text += L'\r';
      text += c;
    }
    text += L"\r\n";
    if (console_) {
      WriteToConsole(text);
    } else {
      WriteBytes(text, codePage);
    }
  }

 private:
  static bool Usable(HANDLE handle) {
    return handle && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
  }

  // Characters, not bytes: the console shows every one its font has, whatever its code page.
  void WriteToConsole(std::wstring_view text) const {
    // Older consoles take at most some 64 KB in one call.
    constexpr std::size_t kPiece = 8192;
    while (!text.empty()) {
      const DWORD piece = static_cast<DWORD>(std::min(text.size(), kPiece));
      DWORD written = 0;
      if (!WriteConsoleW(handle_, text.data(), piece, &written, nullptr) || written == 0) return;
      text.remove_prefix(written);
    }
  }

  void WriteBytes(std::wstring_view text, UINT codePage) const {
    const int size = static_cast<int>(text.size());
    const int n = WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return;
    std::string bytes(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), size, bytes.data(), n, nullptr, nullptr);
    // A reader that went away (a closed pipe) ends the output, not the command.
    for (std::size_t done = 0; done < bytes.size();) {
      DWORD written = 0;
      const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
      if (!WriteFile(handle_, bytes.data() + done, piece, &written, nullptr) || written == 0) return;
      done += written;
    }
  }

  HANDLE handle_ = nullptr;
  bool owned_ = false;
  bool console_ = false;
};

class WindowsConsole final : public CommandConsole {
 public:
  explicit WindowsConsole(ConsoleOrigin origin)
      : attached_(origin == ConsoleOrigin::Parent && AttachConsole(ATTACH_PARENT_PROCESS)),
        out_(STD_OUTPUT_HANDLE, attached_),
        err_(STD_ERROR_HANDLE, attached_),
        // Bytes for a file or a pipe are in the console's code page, as whatever reads
        // them from that console expects. With no console at all (a window program's
        // script), in the one a new console gets, the OEM code page: huebrook.com, a
        // console program, gets such a console there, and both must write alike.
        codePage_(GetConsoleOutputCP() != 0 ? GetConsoleOutputCP() : GetOEMCP()) {}

  void Print(std::wstring_view lines) override { out_.Write(lines, codePage_); }
  void Complain(std::wstring_view lines) override { err_.Write(lines, codePage_); }

 private:
  bool attached_;
  Stream out_;
  Stream err_;
  UINT codePage_;
};

}  // namespace

int RunCommandFromConsole(const std::vector<std::wstring>& arguments, ConsoleOrigin origin, Language language) {
  // A drive without its disk is a file that could not be read, not a box asking for one.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  WindowsConsole console(origin);
  return static_cast<int>(RunCommand(ReadCommandLine(arguments), console, language));
}

void ComplainOnConsole(std::wstring_view lines, ConsoleOrigin origin) { WindowsConsole(origin).Complain(lines); }
