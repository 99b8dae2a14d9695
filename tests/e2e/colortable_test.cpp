// The colour table as a user meets it in the real program: a click on its tidget opens
// the window, and closing the window leaves its placement in the settings file.
#include <gtest/gtest.h>

#include "e2e/driver_win.h"

namespace {

// A real click on the strip's only tidget; the table window it opens.
HWND OpenTable(e2e::Pelgra& run) {
  HWND strip = run.Child(5, L"CWindow");
  HWND tidget = strip ? GetWindow(strip, GW_CHILD) : nullptr;
  if (!tidget) return nullptr;
  run.ClickOn(tidget);
  return run.WaitForWindow(L"색상표");
}

TEST(ColorTableRun, TidgetClickOpensTheWindowAndClosingItKeepsItsPlacement) {
  e2e::Sandbox box;
  ASSERT_TRUE(box.WriteIni(
      L"[main]\r\nwnum=0\r\ntnum=1\r\ntidget_0=색상표§ColorTable§ColorTable§1\r\n"
      L"[ColorTableApp]\r\nleft=20\r\ntop=30\r\nright=820\r\nbottom=630\r\nshowCmd=2\r\n"));
  e2e::Pelgra run(box);
  ASSERT_TRUE(run.bar());
  HWND table = OpenTable(run);
  ASSERT_TRUE(table);
  EXPECT_FALSE(IsIconic(table)) << "a stored minimised state opens normal";
  RECT shown{};
  GetWindowRect(table, &shown);
  EXPECT_EQ(shown.left, 20);
  EXPECT_EQ(shown.bottom, 630);

  PostMessageW(table, WM_CLOSE, 0, 0);
  EXPECT_TRUE(e2e::WaitUntil(5000, [&] { return !IsWindow(table); }));
  EXPECT_TRUE(run.Close());
  EXPECT_EQ(box.IniSection(L"ColorTableApp"),
            (std::vector<std::wstring>{L"left=20", L"top=30", L"right=820", L"bottom=630", L"showCmd=1"}));
}

// A table larger than the screen over an always-on-top bar: the table is an ordinary
// window of its own (no owner, not topmost), so the bar stays above it.
TEST(ColorTableRun, ATableOverTheWholeScreenOpensBelowTheTopmostBar) {
  e2e::Sandbox box;
  ASSERT_TRUE(box.WriteIni(
      L"[main]\r\nwnum=0\r\ntnum=1\r\nalwaysontop=1\r\ntidget_0=색상표§ColorTable§ColorTable§1\r\n"
      L"[ColorTableApp]\r\nleft=0\r\ntop=0\r\nright=1500\r\nbottom=1100\r\nshowCmd=1\r\n"));
  e2e::Pelgra run(box);
  ASSERT_TRUE(run.bar());
  HWND table = OpenTable(run);
  ASSERT_TRUE(table);

  EXPECT_FALSE(GetWindowLongW(table, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetWindow(table, GW_OWNER), nullptr);
  EXPECT_TRUE(GetWindowLongW(run.bar(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  bool barAbove = false;
  for (HWND w = GetWindow(table, GW_HWNDPREV); w && !barAbove; w = GetWindow(w, GW_HWNDPREV))
    barAbove = w == run.bar();
  EXPECT_TRUE(barAbove) << "the bar comes before the table in the z-order";
  EXPECT_TRUE(run.Close());
}

}  // namespace
