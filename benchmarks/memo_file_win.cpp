// memo_bench.exe [RUNS]: writes and reads a memo file of 1,000 memos of 10,000
// characters each in the current folder, and copies a file of the same size there,
// RUNS times each (default 7). Prints lines "name,unit,min,median,max,note" and leaves
// the memo file as pelgra.Memo, for a start-up run with it.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "benchmarks/bench_rows_win.h"
#include "widgets/memo_file_win.h"

namespace {

constexpr int kMemos = 1000;
constexpr int kCharacters = 10000;


// Text as memos hold it: words of Hangul (a few hundred distinct syllables, as in
// ordinary prose) and ASCII, spaces and line breaks.
void FillMemos(MemoSet& set) {
  unsigned seed = 12345;
  for (int m = 0; m < kMemos; ++m) {
    set.AddNew();
    std::u16string text(kCharacters, u' ');
    for (char16_t& unit : text) {
      seed = seed * 1103515245u + 12345u;
      const unsigned r = (seed >> 16) % 100;
      const unsigned pick = (seed >> 8) % 400;
      if (r < 55) unit = static_cast<char16_t>(0xAC00 + 28 * pick);
      else if (r < 75) unit = u' ';
      else if (r < 98) unit = static_cast<char16_t>(u'a' + pick % 26);
      else unit = u'\n';
    }
    set.memos[m]->SetText(text);
  }
  set.current = 0;
}

using Figures = bench::Spread;

class Timings {
 public:
  template <class Step>
  void Add(Step step) {
    bool done = false;
    times_.push_back(bench::TimeMs([&] { done = step(); }));
    if (!done) {
      std::fprintf(stderr, "a step failed\n");
      std::exit(1);
    }
  }
  Figures Spread() const { return bench::SpreadOf(times_); }

 private:
  std::vector<double> times_;
};

void Print(const char* name, const Figures& f, const Figures& copy) {
  std::printf("%s,ms,%.3f,%.3f,%.3f,%.2f x copy\n", name, f.min, f.median, f.max, f.median / copy.median);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 7;
  const std::wstring memoPath = L"pelgra.Memo";
  const std::wstring copyPath = L"memo-bench-copy.bin";
  MemoSet set;
  FillMemos(set);
  if (!WriteMemoFile(memoPath, set)) return 1;  // warm-up, and the source of the copies

  // Taken in turns, so a change in the machine's load falls on all three alike.
  Timings copying, writing, reading;
  for (int i = 0; i < runs; ++i) {
    copying.Add([&] { return CopyFileW(memoPath.c_str(), copyPath.c_str(), FALSE) != FALSE; });
    writing.Add([&] { return WriteMemoFile(memoPath, set); });
    reading.Add([&] {
      MemoSet loaded;
      return ReadMemoFile(memoPath, loaded) == MemoFileRead::kRead && loaded.Count() == kMemos;
    });
  }
  const Figures copy = copying.Spread();
  const Figures write = writing.Spread();
  const Figures read = reading.Spread();
  DeleteFileW(copyPath.c_str());

  std::printf("plain copy of a file of the same size,ms,%.3f,%.3f,%.3f,\n", copy.min, copy.median, copy.max);
  Print("memo file write (1000 memos x 10000 characters)", write, copy);
  Print("memo file read (1000 memos x 10000 characters)", read, copy);
  return 0;
}
