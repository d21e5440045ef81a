// How long users wait for huebrook.exe: the real program started in a folder of its
// own beside a generated theme store of 0, 1,000, 10,000 and 100,000 themes, until its
// main window is ready; its peak memory; and, with the store loaded, how long
// selecting a theme, typing into a colour field, taking that colour and typing into
// the TransformTitle field take. Runs under Wine; prints one table.
//
// Ready means the program's thread waits for input with nothing left to do
// (WaitForInputIdle: it has filled the list, drawn the preview, shown the window and
// handled every message that caused), and is then checked from outside: the main
// window is visible and List1 holds every theme and the current-settings entry, with
// nothing selected.
//
// Each interaction is sent as the message the control would get and timed until the
// handler returned and every window it invalidated has painted again.
#include "ui/win32/win32.h"

#include <psapi.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench/generated_store.h"
#include "bench/win32/bench_support.h"
#include "platform/files.h"
#include "themes/theme_store.h"
#include "ui/layout.h"
#include "ui/win32/control_set.h"
#include "ui/win32/form1_window.h"

namespace {

constexpr int kStoreSizes[] = {0, 1000, 10000, 100000};
constexpr DWORD kReadyTimeoutMs = 120000;
constexpr double kMiB = 1024.0 * 1024.0;

int ControlId(ControlName name, int index = -1) {
  const auto controls = Form1Controls();
  for (std::size_t position = 0; position < controls.size(); ++position) {
    if (controls[position].name == name && controls[position].index == index) {
      return ControlSet::kFirstControlId + static_cast<int>(position);
    }
  }
  return 0;
}

struct FindMain {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindMainStep(HWND window, LPARAM param) {
  auto* find = reinterpret_cast<FindMain*>(param);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  if (processId != find->processId || std::wstring(className) != Form1Window::kClassName) return TRUE;
  find->found = window;
  return FALSE;
}

// One folder per store size, each with its own copy of the program.
struct StoreFolder {
  int themes = 0;
  std::wstring folder;
  double storeBytes = 0;
};

std::wstring PrepareFolder(const std::wstring& root, int themes, double& storeBytes) {
  const std::wstring folder = root + L"\\" + std::to_wstring(themes);
  CreateDirectoryW(root.c_str(), nullptr);
  CreateDirectoryW(folder.c_str(), nullptr);
  if (!CopyFileW((BenchFolder() + L"\\huebrook.exe").c_str(), (folder + L"\\huebrook.exe").c_str(), FALSE)) {
    return L"";
  }
  const std::wstring store = folder + L"\\" + kThemeStoreFileName;
  DeleteFileW(store.c_str());
  storeBytes = 0;
  if (themes == 0) return folder;  // the empty start: no store at all
  const std::string bytes = GeneratedThemeStore(themes);
  if (!platform::WriteFileSafely(store, bytes).ok()) return L"";
  storeBytes = static_cast<double>(bytes.size());
  return folder;
}

// One start of the program, measured.
struct Run {
  bool ok = false;
  std::string error;
  double startMs = 0;
  double peakMiB = 0;
  std::vector<double> selectMs, keyMs, commitMs, titleMs;
};

class Program {
 public:
  explicit Program(const std::wstring& folder) {
    const std::wstring exe = folder + L"\\huebrook.exe";
    std::wstring command = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    started_ = CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              folder.c_str(), &startup, &process_) != FALSE;
  }
  ~Program() {
    if (!started_) return;
    // Ended without a close: nothing is asked and no file is written.
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 10000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool started() const { return started_; }
  bool WaitReady() { return WaitForInputIdle(process_.hProcess, kReadyTimeoutMs) == 0; }
  HWND MainWindow() const {
    FindMain find{process_.dwProcessId, nullptr};
    EnumWindows(FindMainStep, reinterpret_cast<LPARAM>(&find));
    return find.found;
  }
  double PeakMiB() const {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process_.hProcess, &counters, sizeof counters)) return 0;
    return static_cast<double>(counters.PeakWorkingSetSize) / kMiB;
  }

 private:
  PROCESS_INFORMATION process_{};
  bool started_ = false;
};

// Sends one interaction and waits until it is handled and painted; its milliseconds.
template <typename Send>
double Timed(HWND main, Send send) {
  const double start = NowMs();
  send();
  RedrawWindow(main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  return NowMs() - start;
}

void Interact(HWND main, int themes, Run& run) {
  const HWND list = GetDlgItem(main, ControlId(ControlName::List1));
  const int colourId = ControlId(ControlName::txtColors, 6);
  const HWND colour = GetDlgItem(main, colourId);
  const HWND title = GetDlgItem(main, ControlId(ControlName::txtTransformTitle));
  const int listId = GetDlgCtrlID(list);
  // Selections first: with nothing edited yet, no question stops them. Without a store
  // there is no theme to switch to.
  for (int k = 0; themes > 0 && k < 3; ++k) {
    const int entry = themes / 2 + k;
    run.selectMs.push_back(Timed(main, [&] {
      SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(entry), 0);
      SendMessageW(main, WM_COMMAND, MAKEWPARAM(listId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    }));
  }
  for (wchar_t c : std::wstring(L"0F0")) {
    run.keyMs.push_back(Timed(main, [&] { SendMessageW(colour, WM_CHAR, c, 1); }));
  }
  // The focus moving on to the list takes the typed colour.
  run.commitMs.push_back(Timed(main, [&] { SendMessageW(colour, WM_KILLFOCUS, reinterpret_cast<WPARAM>(list), 0); }));
  for (wchar_t c : std::wstring(L"abc")) {
    run.titleMs.push_back(Timed(main, [&] { SendMessageW(title, WM_CHAR, c, 1); }));
  }
}

Run MeasureOnce(const StoreFolder& store) {
  Run run;
  const double start = NowMs();
  Program program(store.folder);
  if (!program.started()) {
    run.error = "the program did not start";
    return run;
  }
  if (!program.WaitReady()) {
    run.error = "the program never became ready";
    return run;
  }
  run.startMs = NowMs() - start;
  run.peakMiB = program.PeakMiB();

  const HWND main = program.MainWindow();
  const HWND list = main ? GetDlgItem(main, ControlId(ControlName::List1)) : nullptr;
  if (!main || !IsWindowVisible(main) || !list) {
    run.error = "no visible main window with its list when ready";
    return run;
  }
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  if (count != store.themes + 1 || SendMessageW(list, LB_GETCURSEL, 0, 0) != LB_ERR) {
    run.error = "List1 held " + std::to_string(count) + " entries (or a selection) when ready";
    return run;
  }
  Interact(main, store.themes, run);
  run.ok = true;
  return run;
}

struct Summary {
  double startMs, peakMiB, selectMs, keyMs, commitMs, titleMs;
};

std::vector<double> Joined(const std::vector<Run>& runs, std::vector<double> Run::*member) {
  std::vector<double> all;
  for (const Run& run : runs) all.insert(all.end(), (run.*member).begin(), (run.*member).end());
  return all;
}

Summary Summarize(const std::vector<Run>& runs) {
  std::vector<double> start, peak;
  for (const Run& run : runs) {
    start.push_back(run.startMs);
    peak.push_back(run.peakMiB);
  }
  return {Median(start),
          Median(peak),
          Median(Joined(runs, &Run::selectMs)),
          Median(Joined(runs, &Run::keyMs)),
          Median(Joined(runs, &Run::commitMs)),
          Median(Joined(runs, &Run::titleMs))};
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runsPerSize = IntArgument(argc, argv, L"--runs", 5);
  const std::wstring root = BenchFolder() + L"\\startup-stores";

  std::vector<StoreFolder> stores;
  for (int themes : kStoreSizes) {
    StoreFolder store;
    store.themes = themes;
    store.folder = PrepareFolder(root, themes, store.storeBytes);
    if (store.folder.empty()) {
      std::fprintf(stderr, "startup_bench: could not prepare the folder for %d themes\n", themes);
      return 1;
    }
    stores.push_back(store);
  }

  // One start of each unmeasured, so every measured start finds the same files cached;
  // then the sizes take turns, so a slow moment of the machine hits them all alike.
  for (const StoreFolder& store : stores) MeasureOnce(store);
  std::map<int, std::vector<Run>> runs;
  for (int round = 0; round < runsPerSize; ++round) {
    for (const StoreFolder& store : stores) {
      Run run = MeasureOnce(store);
      if (!run.ok) {
        std::fprintf(stderr, "startup_bench: %d themes: %s\n", store.themes, run.error.c_str());
        return 1;
      }
      runs[store.themes].push_back(std::move(run));
    }
  }

  std::printf(
      "Start-up of huebrook.exe under Wine, median of %d runs: start = until the window is ready\n"
      "(message loop idle, List1 full); peak = peak working set; +peak/store = growth over the\n"
      "empty start per byte of store; select, key, take and title = one interaction handled\n"
      "and painted (select a theme, type into a colour field, leave it, type into the title).\n\n",
      runsPerSize);
  std::printf("%7s %9s %9s %8s %9s %11s %9s %7s %7s %8s\n", "themes", "store MiB", "start ms", "x empty",
              "peak MiB", "+peak/store", "select ms", "key ms", "take ms", "title ms");
  const Summary empty = Summarize(runs[0]);
  for (const StoreFolder& store : stores) {
    const Summary s = Summarize(runs[store.themes]);
    char growth[32] = "-";
    char select[32] = "-";
    if (store.themes > 0) {
      std::snprintf(growth, sizeof growth, "%.2fx", (s.peakMiB - empty.peakMiB) * kMiB / store.storeBytes);
      std::snprintf(select, sizeof select, "%.2f", s.selectMs);
    }
    std::printf("%7d %9.1f %9.1f %7.2fx %9.1f %11s %9s %7.2f %7.2f %8.2f\n", store.themes,
                store.storeBytes / kMiB, s.startMs, s.startMs / empty.startMs, s.peakMiB, growth, select,
                s.keyMs, s.commitMs, s.titleMs);
  }
  std::printf(
      "\nGoals: x empty at most 1.10 with 10000 themes and 1.50 with 100000; +peak/store at most\n"
      "3.00x; every interaction at most 16 ms with 100000 themes.\n");
  return 0;
}
