// The real bar beside another program's windows: a borderless window covering its
// monitor sends it behind that window until the window goes; a maximised window with
// a caption, or the option turned off, leave it on top.
#include <gtest/gtest.h>
#include <windows.h>

#include "e2e/driver_win.h"

namespace {

// A window of this process (so of another program than the bar), shown in front.
class FrontWindow {
 public:
  FrontWindow(DWORD style, const RECT& at) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"PelgraTestFront";
    RegisterClassW(&wc);
    hwnd = CreateWindowExW(0, wc.lpszClassName, L"front", style, at.left, at.top, at.right - at.left,
                           at.bottom - at.top, nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(hwnd, (style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOW);
    SetForegroundWindow(hwnd);
  }
  ~FrontWindow() { DestroyWindow(hwnd); }
  FrontWindow(const FrontWindow&) = delete;
  FrontWindow& operator=(const FrontWindow&) = delete;
  HWND hwnd;
};

bool Topmost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// `upper` comes before `lower` in the Z order (EnumWindows walks it from the top).
bool Above(HWND upper, HWND lower) {
  struct Walk {
    HWND upper, lower;
    bool above = false;
  } walk{upper, lower};
  EnumWindows(
      [](HWND at, LPARAM param) -> BOOL {
        auto* w = reinterpret_cast<Walk*>(param);
        if (at == w->upper) w->above = true;
        return at != w->upper && at != w->lower;
      },
      reinterpret_cast<LPARAM>(&walk));
  return walk.above;
}

RECT MonitorOf(HWND window) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcMonitor;
}

// Two looks of the bar's once-a-second heartbeat, and some room.
constexpr DWORD kLooks = 2500;

TEST(FullScreenRun, BarStepsBackBehindAScreenCoveringWindowAndReturnsWhenItCloses) {
  e2e::Sandbox box;
  e2e::Pelgra run(box);
  ASSERT_TRUE(run.bar());
  ASSERT_TRUE(Topmost(run.bar()));
  {
    FrontWindow cover(WS_POPUP, MonitorOf(run.bar()));
    EXPECT_TRUE(e2e::PumpUntil(5000, [&] { return !Topmost(run.bar()) && Above(cover.hwnd, run.bar()); }));
  }
  EXPECT_TRUE(e2e::PumpUntil(5000, [&] { return Topmost(run.bar()); }));  // it has closed
  {
    FrontWindow maximised(WS_OVERLAPPEDWINDOW | WS_MAXIMIZE, MonitorOf(run.bar()));
    e2e::PumpUntil(kLooks, [] { return false; });
    EXPECT_TRUE(Topmost(run.bar()));
    EXPECT_TRUE(Above(run.bar(), maximised.hwnd));
  }
  EXPECT_TRUE(run.Close());
}

TEST(FullScreenRun, WithTheOptionOffTheBarStaysOnTop) {
  e2e::Sandbox box;
  ASSERT_TRUE(box.WriteIni(L"[main]\r\nfullScreenStepBack=0\r\n"));
  e2e::Pelgra run(box);
  ASSERT_TRUE(run.bar());
  {
    FrontWindow cover(WS_POPUP, MonitorOf(run.bar()));
    e2e::PumpUntil(kLooks, [] { return false; });
    EXPECT_TRUE(Topmost(run.bar()));
    EXPECT_TRUE(Above(run.bar(), cover.hwnd));
  }
  EXPECT_TRUE(run.Close());
}

}  // namespace
