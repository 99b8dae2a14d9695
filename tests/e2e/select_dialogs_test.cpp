// The selection dialogs of the real program: what is added or removed there is in
// the settings file after the bar closes, and back on the next start.
#include <gtest/gtest.h>

#include <string>

#include "e2e/driver_win.h"
#include "res/resource.h"

namespace {

using e2e::Pelgra;
using e2e::Sandbox;

const std::u16string kMain = u"main";
const char16_t kOneClock[] =
    u"[main]\r\nwnum=1\r\nwidget_0=시계§Clock§Clock_1§1§80§120§14020607§0§100\r\ntnum=0\r\n";

struct Search {
  DWORD processId;
  const wchar_t* title;
  HWND found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  wchar_t title[64] = {};
  GetWindowTextW(window, title, 64);
  if (pid != search->processId || !IsWindowVisible(window) || std::wstring(title) != search->title) return TRUE;
  search->found = window;
  return FALSE;
}

// A visible top-level window of the program with this title, once it shows.
HWND WaitForWindow(const Pelgra& run, const wchar_t* title, DWORD timeoutMs = 10000) {
  Search search{0, title, nullptr};
  GetWindowThreadProcessId(run.bar(), &search.processId);
  for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
    EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(50);
  }
  return nullptr;
}

bool WaitUntil(DWORD timeoutMs, const auto& done) {
  for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
    if (done()) return true;
    Sleep(50);
  }
  return done();
}

int InUseCount(HWND dialog) {
  return static_cast<int>(SendDlgItemMessageW(dialog, IDC_WSEL_IN_USE, LB_GETCOUNT, 0, 0));
}

void CloseDialog(HWND dialog) {
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(WaitUntil(5000, [&] { return !IsWindow(dialog); }));
}

int WidgetWindows(HWND bar) {
  int count = 0;
  for (HWND child = GetWindow(bar, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t className[16] = {};
    GetClassNameW(child, className, 16);
    // The tidget strip (id 2) is of the same class.
    if (std::wstring(className) == L"CWindow" && GetDlgCtrlID(child) != 2) ++count;
  }
  return count;
}

TEST(SelectionRun, AnAddedWidgetIsSavedAndBackAfterARestart) {
  Sandbox box;
  ASSERT_TRUE(box.WriteIni(kOneClock));
  int grownHeight = 0;
  {
    Pelgra run(box);
    ASSERT_TRUE(run.bar());
    const RECT before = run.WindowRect();
    run.PostCommand(ID_SELECT_WIDGETS);
    HWND dialog = WaitForWindow(run, L"위젯 선택");
    ASSERT_TRUE(dialog);
    SendDlgItemMessageW(dialog, IDC_WSEL_AVAILABLE, LB_SETCURSEL, 0, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_WSEL_ADD, BN_CLICKED), 0);
    EXPECT_EQ(InUseCount(dialog), 2);
    CloseDialog(dialog);
    EXPECT_EQ(WidgetWindows(run.bar()), 2);
    const RECT after = run.WindowRect();
    grownHeight = after.bottom - after.top;
    EXPECT_GT(grownHeight, before.bottom - before.top);
    ASSERT_TRUE(run.Close());
  }
  const e2e::IniFile ini = box.ReadIni();
  EXPECT_EQ(ini.GetInt(kMain, u"wnum"), 2);
  EXPECT_EQ(ini.Get(kMain, u"widget_1"), u"시계§Clock§Clock_2§1§80§120§14020607§0§100");
  const std::string saved = box.ReadBytes(L"pelgra.ini");

  Pelgra again(box);
  ASSERT_TRUE(again.bar());
  EXPECT_EQ(WidgetWindows(again.bar()), 2);
  const RECT shown = again.WindowRect();
  EXPECT_EQ(shown.bottom - shown.top, grownHeight);
  ASSERT_TRUE(again.Close());
  EXPECT_EQ(box.ReadBytes(L"pelgra.ini"), saved);
}

TEST(SelectionRun, ARemovedWidgetTakesItsSectionAlong) {
  Sandbox box;
  ASSERT_TRUE(box.WriteIni(
      u"[main]\r\nwnum=2\r\n"
      u"widget_0=시계§Clock§Clock_1§1§80§120§14020607§0§100\r\n"
      u"widget_1=시계§Clock§Clock_2§1§80§120§14020607§0§100\r\ntnum=0\r\n"
      u"[Clock_1]\r\nfaceType=1\r\n[Clock_2]\r\nfaceType=1\r\n"));
  {
    Pelgra run(box);
    ASSERT_TRUE(run.bar());
    run.PostCommand(ID_SELECT_WIDGETS);
    HWND dialog = WaitForWindow(run, L"위젯 선택");
    ASSERT_TRUE(dialog);
    // The question is modal inside the program: post, then answer it.
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_WSEL_REMOVE, BN_CLICKED), 0);
    HWND question = WaitForWindow(run, L"확인");
    ASSERT_TRUE(question);
    PostMessageW(question, WM_COMMAND, IDYES, 0);
    EXPECT_TRUE(WaitUntil(5000, [&] { return InUseCount(dialog) == 1; }));
    CloseDialog(dialog);
    EXPECT_EQ(WidgetWindows(run.bar()), 1);
    ASSERT_TRUE(run.Close());
  }
  const e2e::IniFile ini = box.ReadIni();
  EXPECT_EQ(ini.GetInt(kMain, u"wnum"), 1);
  EXPECT_EQ(ini.Get(kMain, u"widget_0"), u"시계§Clock§Clock_2§1§80§120§14020607§0§100");
  EXPECT_FALSE(ini.HasSection(u"Clock_1"));
  EXPECT_EQ(ini.GetInt(u"Clock_2", u"faceType"), 1);
}

}  // namespace
