// startup.exe RUNS PROGRAM CLASS TITLE [PROGRAM CLASS TITLE...]: starts each PROGRAM
// RUNS times (after one warm-up run that is not counted) and prints lines "INDEX MS":
// the program's index and the milliseconds from CreateProcess to the moment its
// window CLASS/TITLE and all of its children are visible with nothing left to paint.
// Each run is closed with WM_CLOSE (killed after 10 s) before the next one starts.
// Exit status 0 when every run was measured.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

class Handle {
 public:
  explicit Handle(HANDLE handle = nullptr) : handle_(handle) {}
  ~Handle() {
    if (handle_) CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

double NowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

BOOL CALLBACK ChildHasPendingPaint(HWND child, LPARAM pending) {
  if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
    *reinterpret_cast<bool*>(pending) = true;
    return FALSE;
  }
  return TRUE;
}

// The window of `processId` is shown and neither it nor any child waits for paint.
bool FullyPainted(HWND window) {
  if (!window || !IsWindowVisible(window) || GetUpdateRect(window, nullptr, FALSE)) return false;
  bool pending = false;
  EnumChildWindows(window, ChildHasPendingPaint, reinterpret_cast<LPARAM>(&pending));
  return !pending;
}

HWND FindOwnWindow(const wchar_t* windowClass, const wchar_t* title, DWORD processId) {
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, windowClass, title)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId) return window;
  }
  return nullptr;
}

// Milliseconds to the first full paint, or a negative value when it never came.
double MeasureOnce(const std::wstring& program, const wchar_t* windowClass, const wchar_t* title) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring commandLine = L"\"" + program + L"\"";
  const double start = NowMs();
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process))
    return -1;
  Handle processHandle(process.hProcess), threadHandle(process.hThread);
  WaitForInputIdle(process.hProcess, 10000);
  double elapsed = -1;
  HWND window = nullptr;
  while (NowMs() - start < 20000) {
    window = FindOwnWindow(windowClass, title, process.dwProcessId);
    if (FullyPainted(window)) {
      elapsed = NowMs() - start;
      break;
    }
    Sleep(1);
  }
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
    TerminateProcess(process.hProcess, 1);
  return elapsed;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 5 || (argc - 2) % 3 != 0) {
    std::fwprintf(stderr, L"usage: startup.exe RUNS PROGRAM CLASS TITLE [PROGRAM CLASS TITLE...]\n");
    return 2;
  }
  const int runs = _wtoi(argv[1]);
  const int programs = (argc - 2) / 3;
  auto measure = [&](int p) { return MeasureOnce(argv[2 + 3 * p], argv[3 + 3 * p], argv[4 + 3 * p]); };
  for (int p = 0; p < programs; ++p) {
    if (measure(p) < 0) {
      std::fwprintf(stderr, L"startup: %ls never finished painting\n", argv[2 + 3 * p]);
      return 1;
    }
  }
  // Runs alternate between the programs, so a busy moment of the machine does not
  // fall on one program only.
  for (int i = 0; i < runs; ++i) {
    for (int p = 0; p < programs; ++p) {
      const double ms = measure(p);
      if (ms < 0) return 1;
      std::wprintf(L"%d %.1f\n", p, ms);
      std::fflush(stdout);
    }
  }
  return 0;
}
