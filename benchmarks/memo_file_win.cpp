// memo_bench.exe [RUNS]: writes and reads a memo file of 1,000 memos of 10,000
// characters each in the current folder, and copies a file of the same size there,
// RUNS times each (default 7). Then a memo widget holding that file is typed into,
// a key every 100 ms, until the steady typing has been written once: the time of that
// delayed write and the longest a key waited meanwhile. Prints lines
// "name,unit,min,median,max,note" and leaves the memo file as pelgra.Memo, for a
// start-up run with it.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/bar_win.h"
#include "benchmarks/bench_rows_win.h"
#include "core/fonts_win.h"
#include "core/window_win.h"
#include "core/write_later_win.h"
#include "widgets/memo/memo_file_win.h"
#include "widgets/memo/memo_win.h"

namespace {

constexpr int kMemos = 1000;
constexpr int kCharacters = 10000;


// Text as memos hold it: words of Hangul (a few hundred distinct syllables, as in
// ordinary prose) and ASCII, spaces and line breaks.
void FillMemos(MemoSet& set) {
  unsigned seed = 12345;
  for (int m = 0; m < kMemos; ++m) {
    set.AddNew(u"새 메모%1");
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

// A fast typist: ten keys a second.
constexpr double kKeyEveryMs = 100;

FILETIME WriteTime(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
  return data.ftLastWriteTime;
}

struct TypingRun {
  double writeMs = 0;     // the timer message that ran the delayed write
  double longestWaitMs = 0;  // from a key's posting to the end of its handling
  bool wrote = false;
};

// Keys go on at a steady pace, so the write comes from the longest wait, with typing
// before and after it; each message is timed as the loop hands it out.
TypingRun TypeUntilWritten(CMemo& memo, const std::wstring& memoPath) {
  TypingRun run;
  const FILETIME before = WriteTime(memoPath);
  const double start = bench::NowMs();
  const double end = start + write_later::kLongestMs + 2000;
  std::vector<double> posted;
  std::size_t handled = 0;
  double nextKey = start;
  while (bench::NowMs() < end) {
    if (bench::NowMs() >= nextKey) {
      PostMessageW(memo.edit, WM_CHAR, L'a', 1);
      posted.push_back(nextKey);
      nextKey += kKeyEveryMs;
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      const double from = bench::NowMs();
      DispatchMessageW(&msg);
      const double to = bench::NowMs();
      if (msg.message == WM_TIMER && !msg.hwnd) run.writeMs = std::max(run.writeMs, to - from);
      if (msg.message == WM_CHAR && handled < posted.size())
        run.longestWaitMs = std::max(run.longestWaitMs, to - posted[handled++]);
    }
  }
  const FILETIME after = WriteTime(memoPath);
  run.wrote = CompareFileTime(&before, &after) != 0;
  return run;
}

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

  // The memo typed into is one of ordinary lines: the edit lays out a line at every
  // key, and one line of 10,000 characters would make each key slow by itself.
  std::u16string lines;
  for (int i = 0; i < 40; ++i) lines += std::u16string(60, u'가') + u"\r\n";
  set.memos[0]->SetText(lines);
  if (!WriteMemoFile(memoPath, set)) return 1;

  appInstance = GetModuleHandleW(nullptr);
  wchar_t folder[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, folder);
  // The bar's object stands in for the bar to the memo widget.
  CMainWindow bar;
  bar.dataProgramPath = std::wstring(folder) + L"\\pelgra.exe";
  CreateSharedFonts();
  CWindow host;
  CreateWindowExW(0, kWindowClassName, L"memo bench", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr, nullptr,
                  appInstance, &host);
  CMemo memo(bar, L"메모", L"Memo_1");
  memo.Create(host.hwnd, 1, L"", WS_CHILD | WS_VISIBLE);
  MoveWindow(memo.hwnd, 0, 0, 300, 300, TRUE);
  std::vector<double> writes, waits;
  for (int i = 0; i < std::min(runs, 5); ++i) {
    const TypingRun run = TypeUntilWritten(memo, memoPath);
    if (!run.wrote) {
      std::fprintf(stderr, "the typing was not written\n");
      return 1;
    }
    writes.push_back(run.writeMs);
    waits.push_back(run.longestWaitMs);
  }
  const Figures delayed = bench::SpreadOf(writes);
  const Figures waited = bench::SpreadOf(waits);
  std::printf("delayed memo write while typing (20 MB file),ms,%.3f,%.3f,%.3f,\n", delayed.min, delayed.median,
              delayed.max);
  std::printf("longest wait of a key typed meanwhile (one key per 100 ms),ms,%.3f,%.3f,%.3f,\n", waited.min,
              waited.median, waited.max);
  DestroyWindow(host.hwnd);
  ReleaseSharedFonts();
  return 0;
}
