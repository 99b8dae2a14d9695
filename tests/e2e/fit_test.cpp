// A first run on a 1366 x 768 screen (fit_test.sh gives the driver a display of that
// size), where the default bar is 917 pixels long at full size: it is shown whole,
// its last tidget answers a click, and it stores the bar a larger screen stores.
#include <gtest/gtest.h>

#include <string>

#include "e2e/driver_win.h"

namespace {

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

TEST(FitRun, FirstRunOnALaptopScreenReachesEveryWidgetAndTidgetAndStoresTheFullSizeBar) {
  ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768) << "made for a 1366 x 768 display: tests/e2e/fit_test.sh";
  RECT work{};
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
  e2e::Sandbox box;
  {
    e2e::Pelgra run(box);
    ASSERT_TRUE(run.bar());
    const RECT bar = run.WindowRect();
    EXPECT_TRUE(Inside(bar, work));
    EXPECT_EQ(bar.bottom - bar.top, work.bottom - work.top);  // thinned to the screen, not cut
    // Every widget and the tidget strip lie on the screen.
    int children = 0;
    for (HWND child = GetWindow(run.bar(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      RECT shown{};
      GetWindowRect(child, &shown);
      if (!IsWindowVisible(child) || IsRectEmpty(&shown)) continue;
      EXPECT_TRUE(Inside(shown, bar)) << GetDlgCtrlID(child);
      ++children;
    }
    EXPECT_EQ(children, 10 + 1 + 2);  // widgets, the strip, the caption buttons
    HWND strip = run.Child(5, L"CWindow");
    ASSERT_TRUE(strip);
    HWND colorTable = GetWindow(GetWindow(strip, GW_CHILD), GW_HWNDLAST);
    ASSERT_TRUE(colorTable);
    run.ClickOn(colorTable);
    HWND table = run.WaitForWindow(L"색상표");
    ASSERT_TRUE(table);
    PostMessageW(table, WM_CLOSE, 0, 0);
    EXPECT_TRUE(e2e::WaitUntil(5000, [&] { return !IsWindow(table); }));
    ASSERT_TRUE(run.Close());
  }
  // The thicknesses and the length of the full-size bar.
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ(box.Ini(L"main", (L"widget_" + std::to_wstring(i)).c_str()), e2e::kDefaultWidgetLines[i]) << i;
  EXPECT_EQ(box.IniInt(L"main", L"vertThick"), 200);
  EXPECT_EQ(box.IniInt(L"main", L"right") - box.IniInt(L"main", L"left"), 200);
  EXPECT_EQ(box.IniInt(L"main", L"bottom") - box.IniInt(L"main", L"top"), 917);
}

}  // namespace
