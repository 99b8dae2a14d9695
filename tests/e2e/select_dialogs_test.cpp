// The selection dialogs of the real program: a widget added there is in the settings
// file after the bar closes, and back on the next start.
#include <gtest/gtest.h>

#include <string>

#include "e2e/driver_win.h"
#include "res/resource.h"

namespace {

// Widget windows of the bar: the tidget strip (id 5) is of the same class.
int WidgetWindows(const e2e::Pelgra& run) { return run.CountChildren(L"CWindow") - 1; }

TEST(SelectionRun, AnAddedWidgetIsSavedAndBackAfterARestart) {
  e2e::Sandbox box;
  ASSERT_TRUE(box.WriteIni(L"[main]\r\nwnum=1\r\nwidget_0=시계§Clock§Clock_1§1§80§120§14020607§0§100\r\ntnum=0\r\n"));
  int grownHeight = 0;
  {
    e2e::Pelgra run(box);
    ASSERT_TRUE(run.bar());
    const RECT before = run.WindowRect();
    // The cursor in the right half asks for the left side, where the bar at x = 100
    // leaves no room: the dialog opens on the right, whole on the screen.
    SetCursorPos(1000, 500);
    run.PostCommand(ID_SELECT_WIDGETS);
    HWND dialog = run.WaitForWindow(L"위젯 선택");
    ASSERT_TRUE(dialog);
    RECT placed{};
    GetWindowRect(dialog, &placed);
    EXPECT_EQ(placed.left, before.right + 5);
    EXPECT_LE(placed.right, GetSystemMetrics(SM_CXSCREEN));
    SendDlgItemMessageW(dialog, IDC_WSEL_AVAILABLE, LB_SETCURSEL, 0, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_WSEL_ADD, BN_CLICKED), 0);
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_WSEL_IN_USE, LB_GETCOUNT, 0, 0), 2);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(e2e::WaitUntil(5000, [&] { return !IsWindow(dialog); }));
    EXPECT_EQ(WidgetWindows(run), 2);
    const RECT after = run.WindowRect();
    grownHeight = after.bottom - after.top;
    EXPECT_GT(grownHeight, before.bottom - before.top);
    ASSERT_TRUE(run.Close());
  }
  EXPECT_EQ(box.IniInt(L"main", L"wnum"), 2);
  EXPECT_EQ(box.Ini(L"main", L"widget_1"), L"시계§Clock§Clock_2§1§80§120§14020607§0§100");
  const std::string saved = box.ReadBytes(L"pelgra.ini");

  e2e::Pelgra again(box);
  ASSERT_TRUE(again.bar());
  EXPECT_EQ(WidgetWindows(again), 2);
  const RECT shown = again.WindowRect();
  EXPECT_EQ(shown.bottom - shown.top, grownHeight);
  ASSERT_TRUE(again.Close());
  EXPECT_EQ(box.ReadBytes(L"pelgra.ini"), saved);
}

}  // namespace
