#pragma once
// What the Windows benchmarks share: a clock, medians and the folder they run from.
#include "ui/win32/win32.h"

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

// Milliseconds from the performance counter.
inline double NowMs() {
  static const double ticksPerMs = [] {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / ticksPerMs;
}

// The median of the samples; 0 for none.
inline double Median(std::vector<double> samples) {
  if (samples.empty()) return 0;
  std::sort(samples.begin(), samples.end());
  const std::size_t middle = samples.size() / 2;
  return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

// The folder of the running benchmark, without a trailing separator.
inline std::wstring BenchFolder() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
  return path.substr(0, path.find_last_of(L'\\'));
}

// "--name value" from the command line, or `fallback`.
inline int IntArgument(int argc, wchar_t** argv, const wchar_t* name, int fallback) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (wcscmp(argv[i], name) == 0) return _wtoi(argv[i + 1]);
  }
  return fallback;
}
