#include "bench/ratio_reporter.h"

#include <cstdio>
#include <ostream>

namespace {

double NanosecondsPerIteration(const benchmark::BenchmarkReporter::Run& run) {
  double ns = run.GetAdjustedRealTime();
  switch (run.time_unit) {
    case benchmark::kSecond: return ns * 1e9;
    case benchmark::kMillisecond: return ns * 1e6;
    case benchmark::kMicrosecond: return ns * 1e3;
    case benchmark::kNanosecond: return ns;
  }
  return ns;
}

// "Name/1000" -> 1000, or -1.
long ThemeCount(const std::string& name, const std::string& prefix) {
  if (name.rfind(prefix + "/", 0) != 0) return -1;
  return std::stol(name.substr(prefix.size() + 1));
}

}  // namespace

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
    const std::string name = run.benchmark_name();
    for (auto [prefix, table] : {std::pair{&ours_, &oursNsPerTheme_},
                                 std::pair{&baseline_, &baselineNsPerTheme_}}) {
      const long themes = ThemeCount(name, *prefix);
      if (themes > 0) (*table)[themes] = NanosecondsPerIteration(run) / static_cast<double>(themes);
    }
  }
}

void RatioReporter::Finalize() {
  std::ostream& out = GetOutputStream();
  char line[128];
  std::snprintf(line, sizeof line, "\n%10s %16s %16s %10s\n", "themes", "ours ns/theme",
                "inih ns/theme", "ratio");
  out << line;
  for (const auto& [themes, ours] : oursNsPerTheme_) {
    const auto baseline = baselineNsPerTheme_.find(themes);
    if (baseline == baselineNsPerTheme_.end()) continue;
    std::snprintf(line, sizeof line, "%10ld %16.1f %16.1f %9.2fx\n", themes, ours,
                  baseline->second, ours / baseline->second);
    out << line;
  }
  out.flush();
}
