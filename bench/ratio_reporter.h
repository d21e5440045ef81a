#pragma once
// Prints Google Benchmark's usual table, then one line per store size with the time
// per theme of our reader and of the baseline, and their ratio.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  // Benchmarks are matched by name prefix; the argument is the number of themes.
  RatioReporter(std::string ours, std::string baseline, OutputOptions options)
      : ConsoleReporter(options), ours_(std::move(ours)), baseline_(std::move(baseline)) {}

  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  std::string ours_;
  std::string baseline_;
  std::map<long, double> oursNsPerTheme_;
  std::map<long, double> baselineNsPerTheme_;
};
