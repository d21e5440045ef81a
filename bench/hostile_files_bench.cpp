// The files too big for the tests: a 100 MB setting.ini (a million History lines and as
// many lines of keys the record does not know, and ten lines of a megabyte) and a store
// of a million full themes, each read and written. Each reports its time and the
// most heap memory it held, also as a multiple of the file's size; a run that holds
// more than its bound fails.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/program_folder.h"
#include "platform/text_file.h"
#include "settings/settings_file.h"
#include "tests/hostile/allocation_meter.h"
#include "themes/theme_store.h"

namespace {

namespace fs = std::filesystem;

class Folder {
 public:
  Folder() : path_(fs::temp_directory_path() / ("huebrook-hostile-bench-" + std::to_string(getpid()))) {
    fs::create_directories(path_);
  }
  ~Folder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  std::wstring File(const wchar_t* name) const { return (path_ / name).wstring(); }
  std::wstring Path() const { return path_.wstring(); }

 private:
  fs::path path_;
};

Folder& TheFolder() {
  static Folder folder;
  return folder;
}

std::size_t WriteFile(const std::wstring& path, const std::string& bytes) {
  std::ofstream(fs::path(path), std::ios::binary) << bytes;
  return bytes.size();
}

// About 100 MB as Lirva's own file could grow: history and keys of a newer host, and
// some lines of a megabyte each.
std::size_t WriteBigSettings() {
  static const std::size_t size = [] {
    std::string bytes;
    for (int i = 0; bytes.size() < 90'000'000; ++i) {
      const std::string n = std::to_string(i);
      bytes += "History" + n + "=C:\\songs\\\x89\xCC" + n + ".ust\r\nFutureKey" + n + "=1,2,3\r\n";
    }
    for (int i = 0; i < 10; ++i) bytes += "Huge" + std::to_string(i) + "=" + std::string(1u << 20, 'x') + "\r\n";
    return WriteFile(TheFolder().File(L"setting.ini"), bytes);
  }();
  return size;
}

int kThemes = 1'000'000;

std::size_t WriteBigStore() {
  static const std::size_t size = [] {
    ThemeList list(1);
    for (int i = 0; i < kThemes; ++i) {
      Theme theme;
      theme.Name = L"テーマ" + std::to_wstring(i);
      for (int s = 0; s < kColorSlotCount; ++s) theme.Colors[s] = (i * 7919 + s * 104729) & 0xFFFFFF;
      theme.TransformTitle = L"題";
      list.push_back(std::move(theme));
    }
    std::string bytes;
    WriteThemeStoreLines(list, [&](std::wstring_view line) { platform::AppendLineCrlf(bytes, line); });
    return WriteFile(TheFolder().File(L"lirvacolors.ini"), bytes);
  }();
  return size;
}

void Report(benchmark::State& state, std::size_t peak, std::size_t fileSize, double bound) {
  state.counters["peak_MB"] = static_cast<double>(peak) / 1e6;
  state.counters["file_MB"] = static_cast<double>(fileSize) / 1e6;
  state.counters["peak_per_file_byte"] = static_cast<double>(peak) / static_cast<double>(fileSize);
  if (static_cast<double>(peak) > bound * static_cast<double>(fileSize)) {
    std::fprintf(stderr, "%zu bytes held for a file of %zu\n", peak, fileSize);
    state.SkipWithError("holds more memory than its bound");
  }
}

// Bounds, as multiples of the file. Reading: the bytes, and each text character as a
// wchar_t twice over (a line being made, the record's copy). Writing: the new bytes
// while they grow.
constexpr double kReadBound = 1 + 2 * sizeof(wchar_t);
constexpr double kWriteBound = 3;
constexpr double kStoreReadBound = 3;

void LoadHundredMegabyteSettings(benchmark::State& state) {
  const std::size_t size = WriteBigSettings();
  platform::ScopedProgramFolder folder(TheFolder().Path());
  for (auto _ : state) {
    SettingsRecord s;
    AllocationMeter meter;
    const SettingsLoadResult result = LoadSettings(s);
    if (!result.found || !result.status.ok()) state.SkipWithError("not read");
    Report(state, meter.PeakBytes(), size, kReadBound);
  }
}

void SaveHundredMegabyteSettings(benchmark::State& state) {
  const std::size_t size = WriteBigSettings();
  platform::ScopedProgramFolder folder(TheFolder().Path());
  SettingsRecord s;
  LoadSettings(s);
  for (auto _ : state) {
    AllocationMeter meter;
    if (!SaveSettings(s).ok()) state.SkipWithError("not written");
    Report(state, meter.PeakBytes(), size, kWriteBound);
  }
}


void LoadMillionThemeStore(benchmark::State& state) {
  const std::size_t size = WriteBigStore();
  for (auto _ : state) {
    ThemeList list;
    AllocationMeter meter;
    if (!LoadThemeStore(list, SettingsRecord{}, L"(現在の設定)", TheFolder().File(L"lirvacolors.ini")).ok()) {
      state.SkipWithError("not read");
    }
    // The bytes, the lines cut from them, and the themes, which hold less than their
    // twenty lines of text.
    Report(state, meter.PeakBytes(), size, kStoreReadBound);
  }
}

void SaveMillionThemeStore(benchmark::State& state) {
  const std::size_t size = WriteBigStore();
  ThemeList list;
  LoadThemeStore(list, SettingsRecord{}, L"(現在の設定)", TheFolder().File(L"lirvacolors.ini"));
  for (auto _ : state) {
    AllocationMeter meter;
    if (!SaveThemeStore(list, TheFolder().File(L"saved.ini")).ok()) state.SkipWithError("not written");
    Report(state, meter.PeakBytes(), size, kWriteBound);
  }
}

BENCHMARK(LoadHundredMegabyteSettings)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveHundredMegabyteSettings)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadMillionThemeStore)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveMillionThemeStore)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (const char* themes = std::getenv("HUEBROOK_BENCH_THEMES")) kThemes = std::atoi(themes);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}
