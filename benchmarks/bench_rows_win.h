// What the in-process benchmark programs share: a millisecond clock, the spread of
// samples, and the CSV row "name,unit,min,median,max,note" that tools/bench_table.py reads.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace bench {

inline double NowMs() {
  static const double msPerCount = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 / static_cast<double>(frequency.QuadPart);
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * msPerCount;
}

inline double TimeMs(const std::function<void()>& step) {
  const double start = NowMs();
  step();
  return NowMs() - start;
}

struct Spread {
  double min = 0, median = 0, max = 0;
};

inline Spread SpreadOf(std::vector<double> samples) {
  if (samples.empty()) return {};
  std::sort(samples.begin(), samples.end());
  return {samples.front(), samples[samples.size() / 2], samples.back()};
}

inline Spread Measure(int count, const std::function<void()>& step) {
  std::vector<double> samples;
  samples.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) samples.push_back(TimeMs(step));
  return SpreadOf(std::move(samples));
}

inline void PrintRow(const std::wstring& name, const wchar_t* unit, Spread s, const wchar_t* note = L"") {
  std::wprintf(L"%ls,%ls,%.4f,%.4f,%.4f,%ls\n", name.c_str(), unit, s.min, s.median, s.max, note);
}

}  // namespace bench
