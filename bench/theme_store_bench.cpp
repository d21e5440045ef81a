// How fast LoadThemeStore reads large stores, next to inih tokenizing the same bytes.
#include <benchmark/benchmark.h>
#include <ini.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>

#include "bench/generated_store.h"
#include "bench/ratio_reporter.h"
#include "platform/utf8.h"
#include "themes/theme_store.h"

namespace {

namespace fs = std::filesystem;

constexpr const char kOurs[] = "LoadThemeStore";
constexpr const char kBaseline[] = "InihParseString";


class StoreFiles {
 public:
  StoreFiles() : folder_(fs::temp_directory_path() / ("huebrook-bench-" + std::to_string(getpid()))) {
    fs::create_directories(folder_);
  }
  ~StoreFiles() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  StoreFiles(const StoreFiles&) = delete;
  StoreFiles& operator=(const StoreFiles&) = delete;

  // The bytes of the store of `count` themes, written once to a file.
  const std::string& Bytes(int count) { return Ensure(count).bytes; }
  std::wstring Path(int count) { return Ensure(count).path; }

 private:
  struct Store {
    std::string bytes;
    std::wstring path;
  };
  const Store& Ensure(int count) {
    auto found = stores_.find(count);
    if (found != stores_.end()) return found->second;
    Store store;
    store.bytes = GeneratedThemeStore(count);
    const fs::path file = folder_ / ("store-" + std::to_string(count) + ".ini");
    std::ofstream(file, std::ios::binary) << store.bytes;
    store.path = platform::FromUtf8(file.string());
    return stores_.emplace(count, std::move(store)).first->second;
  }

  fs::path folder_;
  std::map<int, Store> stores_;
};

StoreFiles& Stores() {
  static StoreFiles stores;
  return stores;
}

void SetThemeCounters(benchmark::State& state, int themes) {
  state.SetItemsProcessed(state.iterations() * themes);
  state.counters["per_theme"] = benchmark::Counter(
      static_cast<double>(themes), benchmark::Counter::kIsIterationInvariantRate |
                                       benchmark::Counter::kInvert);
}

void BM_LoadThemeStore(benchmark::State& state) {
  const int themes = static_cast<int>(state.range(0));
  const std::wstring path = Stores().Path(themes);
  SettingsRecord current;
  ThemeList list;
  for (auto _ : state) {
    if (!LoadThemeStore(list, current, L"(現在の設定)", path).ok() ||
        list.size() != static_cast<std::size_t>(themes) + 1) {
      state.SkipWithError("the store did not load whole");
      break;
    }
    benchmark::DoNotOptimize(list.data());
  }
  SetThemeCounters(state, themes);
}

int CountPair(void* user, const char*, const char* name, const char* value) {
  auto* pairs = static_cast<long*>(user);
  ++*pairs;
  benchmark::DoNotOptimize(name);
  benchmark::DoNotOptimize(value);
  return 1;
}

void BM_InihParseString(benchmark::State& state) {
  const int themes = static_cast<int>(state.range(0));
  const std::string& bytes = Stores().Bytes(themes);
  for (auto _ : state) {
    long pairs = 0;
    ini_parse_string(bytes.c_str(), CountPair, &pairs);
    if (pairs != 19L * themes) {
      state.SkipWithError("inih did not see every key");
      break;
    }
  }
  SetThemeCounters(state, themes);
}

BENCHMARK(BM_LoadThemeStore)->Name(kOurs)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InihParseString)->Name(kBaseline)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter(kOurs, kBaseline,
                         isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_ColorTabular
                                               : benchmark::ConsoleReporter::OO_Tabular);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
