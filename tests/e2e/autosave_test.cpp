// What the real program keeps when it is ended the hard way (TerminateProcess, as a
// crash or "End task" does): typing and changes reach their files once they pause,
// exactly as a close would have written them, and an idle run writes nothing. Also
// the box about a memo file that cannot be read, which comes over the shown bar.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "e2e/driver_win.h"
#include "res/resource.h"

namespace {

constexpr DWORD kPastThePause = 3000;
constexpr wchar_t kMemoAndClock[] =
    L"[main]\r\nwnum=2\r\nwidget_0=메모§Memo§Memo_1§1§150§150§15794175§0§100\r\n"
    L"widget_1=시계§Clock§Clock_1§1§80§120§14020607§0§100\r\ntnum=0\r\n";

// Moves the bar, adds a clock in the widget dialog, adds a memo and types into it.
void ChangeEverything(const e2e::Pelgra& run) {
  SetWindowPos(run.bar(), nullptr, 400, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  run.PostCommand(ID_SELECT_WIDGETS);
  HWND dialog = run.WaitForWindow(L"위젯 선택");
  ASSERT_TRUE(dialog);
  SendDlgItemMessageW(dialog, IDC_WSEL_AVAILABLE, LB_SETCURSEL, 0, 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_WSEL_ADD, BN_CLICKED), 0);
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(e2e::WaitUntil(5000, [&] { return !IsWindow(dialog); }));
  HWND add = run.Descendant(L"Button", L"새 메모");
  HWND edit = run.Descendant(L"Edit");
  ASSERT_TRUE(add && edit);
  run.ClickOn(add);
  ASSERT_TRUE(e2e::WaitUntil(5000, [&] { return IsWindowEnabled(edit) != FALSE; }));
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"장보기"));
}

TEST(KilledRun, KeepsWhatAClosedRunWritesAndAnIdleRunWritesNothing) {
  e2e::Sandbox killed, closed;
  for (const e2e::Sandbox* box : {&killed, &closed}) ASSERT_TRUE(box->WriteIni(kMemoAndClock));
  {
    e2e::Pelgra run(killed);
    ASSERT_TRUE(run.bar());
    ChangeEverything(run);
    Sleep(kPastThePause);
    ASSERT_TRUE(run.Kill());
  }
  EXPECT_EQ(killed.IniInt(L"main", L"left"), 400);
  EXPECT_EQ(killed.IniInt(L"main", L"top"), 150);
  EXPECT_EQ(killed.IniInt(L"main", L"wnum"), 3);
  EXPECT_EQ(killed.Ini(L"main", L"widget_2"), L"시계§Clock§Clock_2§1§80§120§14020607§0§100");
  const std::string memo = killed.ReadBytes(L"pelgra.Memo");
  ASSERT_GE(memo.size(), 32u + 244u + 8u);
  EXPECT_EQ(std::memcmp(memo.data() + 32 + 244, L"장보기", 8), 0);
  {
    e2e::Pelgra run(closed);
    ASSERT_TRUE(run.bar());
    ChangeEverything(run);
    ASSERT_TRUE(run.Close());
  }
  EXPECT_EQ(killed.ReadBytes(L"pelgra.ini"), closed.ReadBytes(L"pelgra.ini"));
  EXPECT_EQ(memo, closed.ReadBytes(L"pelgra.Memo"));

  const std::string ini = killed.ReadBytes(L"pelgra.ini");
  e2e::Pelgra idle(killed);
  ASSERT_TRUE(idle.bar());
  EXPECT_EQ(idle.WindowRect().left, 400);
  Sleep(10000);
  ASSERT_TRUE(idle.Kill());
  EXPECT_EQ(killed.ReadBytes(L"pelgra.ini"), ini);
  EXPECT_EQ(killed.ReadBytes(L"pelgra.Memo"), memo);
}

COLORREF ScreenPixel(POINT at) {
  HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, at.x, at.y);
  ReleaseDC(nullptr, screen);
  return pixel;
}

TEST(MemoStart, AFileHeldByAnotherProgramIsToldOverTheBarOnceItIsDrawn) {
  e2e::Sandbox box;
  ASSERT_TRUE(box.WriteIni(L"[main]\r\nwnum=1\r\nwidget_0=메모§Memo§Memo_1§1§150§150§15794175§0§100\r\ntnum=0\r\n"));
  HANDLE held = CreateFileW(box.Path(L"pelgra.Memo").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  e2e::Pelgra run(box);
  ASSERT_TRUE(run.bar());
  HWND told = run.WaitForWindow(L"에러");
  ASSERT_TRUE(told);
  EXPECT_EQ(GetWindow(told, GW_OWNER), run.bar());
  // The caption band and the memo widget's own background are on the screen already.
  EXPECT_EQ(ScreenPixel(run.BarToScreen({64, 6})), GetSysColor(COLOR_ACTIVECAPTION));
  RECT widget{};
  GetWindowRect(GetParent(run.Descendant(L"ComboBox")), &widget);
  EXPECT_EQ(ScreenPixel({widget.left + 1, widget.top + 1}), RGB(255, 255, 240));
  PostMessageW(told, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(e2e::WaitUntil(5000, [&] { return !IsWindow(told); }));
  CloseHandle(held);
  ASSERT_TRUE(run.Close());
  EXPECT_TRUE(box.ReadBytes(L"pelgra.Memo").empty());
}

}  // namespace
