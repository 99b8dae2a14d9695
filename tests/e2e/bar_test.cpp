// The real program's start-up and shutdown as a user meets them: the settings file a
// first run writes, what closing, the menu commands, a splitter drag and the end of
// the session leave in it, and starts from damaged settings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/driver_win.h"
#include "res/resource.h"

namespace {

using e2e::Pelgra;
using e2e::Sandbox;

using e2e::kDefaultTidgetLines;
using e2e::kDefaultWidgetLines;

long long Main(const Sandbox& box, const wchar_t* key) { return box.IniInt(L"main", key); }

void ExpectDefaultLists(const Sandbox& box) {
  EXPECT_EQ(Main(box, L"wnum"), 10);
  EXPECT_EQ(Main(box, L"tnum"), 7);
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ(box.Ini(L"main", (L"widget_" + std::to_wstring(i)).c_str()), kDefaultWidgetLines[i]) << i;
  for (int i = 0; i < 7; ++i)
    EXPECT_EQ(box.Ini(L"main", (L"tidget_" + std::to_wstring(i)).c_str()), kDefaultTidgetLines[i]) << i;
}

void ExpectPlacement(const Sandbox& box, const RECT& shown) {
  EXPECT_EQ(Main(box, L"left"), shown.left);
  EXPECT_EQ(Main(box, L"top"), shown.top);
  EXPECT_EQ(Main(box, L"right"), shown.right);
  EXPECT_EQ(Main(box, L"bottom"), shown.bottom);
}

TEST(BarRun, FirstRunWritesTheDefaultsByButtonOrWmCloseAndAnIdleRunLeavesThemByteForByte) {
  Sandbox byButton;
  ASSERT_TRUE(byButton.ReadBytes(L"pelgra.ini").empty());
  RECT shown{};
  {
    Pelgra run(byButton);
    ASSERT_TRUE(run.bar());
    shown = run.WindowRect();
    EXPECT_EQ(shown.left, 100);
    EXPECT_EQ(shown.top, 100);
    EXPECT_EQ(shown.right - shown.left, 200);
    HWND close = run.Child(1, L"GrpBtn");
    ASSERT_TRUE(close);
    run.ClickOn(close);
    ASSERT_TRUE(run.WaitForExit());
    EXPECT_EQ(run.ExitCode(), 0u);
  }
  ExpectDefaultLists(byButton);
  ExpectPlacement(byButton, shown);
  const std::pair<const wchar_t*, long long> options[] = {{L"vertical", 1},         {L"alwaysontop", 1},
                                                          {L"widgetMinThick", 30},  {L"widgetMaxThick", 300},
                                                          {L"vertThick", 200},      {L"horzThick", 120}};
  for (const auto& [key, value] : options) EXPECT_EQ(Main(byButton, key), value) << key;
  // Options the bar never writes stay out of the file.
  EXPECT_FALSE(byButton.Ini(L"main", L"bdThick"));
  EXPECT_FALSE(byButton.Ini(L"main", L"splitColor"));

  Sandbox byMessage;
  {
    Pelgra run(byMessage);
    ASSERT_TRUE(run.bar());
    ASSERT_TRUE(run.Close());
  }
  EXPECT_EQ(byMessage.IniSection(L"main").size(), 10u + 2u + 17u);
  EXPECT_EQ(byMessage.IniSection(L"main"), byButton.IniSection(L"main"));

  // A run that changes nothing comes back where it was and writes nothing.
  const std::string before = byMessage.ReadBytes(L"pelgra.ini");
  Pelgra again(byMessage);
  ASSERT_TRUE(again.bar());
  ExpectPlacement(byMessage, again.WindowRect());
  ASSERT_TRUE(again.Close());
  EXPECT_EQ(byMessage.ReadBytes(L"pelgra.ini"), before);
}

TEST(BarRun, AlwaysOnTopTwiceKeepsTheOptionAndWritesThePlacement) {
  Sandbox box;
  // No lines stored beyond the options: nothing forces a save but the command.
  box.WriteIni(L"[main]\r\nwnum=1\r\nwidget_0=시계§Clock§Clock_1§1§80§120§14020607§0§100\r\nleft=150\r\n");
  Pelgra run(box);
  ASSERT_TRUE(run.bar());
  auto topmost = [&] { return (GetWindowLongW(run.bar(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
  EXPECT_TRUE(topmost());
  run.Command(ID_ALWAYS_ON_TOP);
  EXPECT_FALSE(topmost());
  run.Command(ID_ALWAYS_ON_TOP);
  EXPECT_TRUE(topmost());
  const RECT shown = run.WindowRect();
  ASSERT_TRUE(run.Close());

  EXPECT_EQ(Main(box, L"alwaysontop"), 1);
  ExpectPlacement(box, shown);
  EXPECT_EQ(Main(box, L"left"), 150);
  EXPECT_EQ(Main(box, L"vertThick"), 200);
  // The lists were not changed, so they were not rewritten.
  EXPECT_FALSE(box.Ini(L"main", L"tnum"));
  EXPECT_EQ(Main(box, L"wnum"), 1);
}

TEST(BarRun, ToggleDirectionWritesVerticalZeroAndTheNextStartIsHorizontal) {
  Sandbox box;
  {
    Pelgra run(box);
    ASSERT_TRUE(run.bar());
    run.Command(ID_TOGGLE_DIRECTION);
    const RECT wide = run.WindowRect();
    EXPECT_EQ(wide.bottom - wide.top, 120);
    EXPECT_GT(wide.right - wide.left, 120);
    ASSERT_TRUE(run.Close());
    EXPECT_EQ(Main(box, L"vertical"), 0);
    ExpectPlacement(box, wide);
  }
  Pelgra again(box);
  ASSERT_TRUE(again.bar());
  const RECT shown = again.WindowRect();
  EXPECT_EQ(shown.bottom - shown.top, 120);
  ASSERT_TRUE(again.Close());
}

TEST(BarRun, DamagedSettingsStartAndLoseNoLine) {
  Sandbox box;
  ASSERT_TRUE(box.WriteIni(
      L"[main]\r\n"
      L"this line is garbage\r\n"
      L"wnum=6\r\n"
      L"widget_0=시계§Clock§Clock_1§1§80§120§14020607§0§100\r\n"
      L"widget_1=garbage without separators\r\n"
      L"widget_2=미래 위젯§FutureKind§FutureKind_1§1§70§120§255§0§100\r\n"
      L"widget_4=메모리 사용량§MemUsage§MemUsage_1§1§50§120§15128749§0§100\r\n"
      L"tnum=3\r\n"
      L"tidget_0=테트리스§Tetris§Tetris§1\r\n"
      L"tidget_1=§§§\r\n"
      L"[other]\r\n"
      L"key=value\r\n"));
  const std::string seeded = box.ReadBytes(L"pelgra.ini");
  {
    Pelgra run(box);
    ASSERT_TRUE(run.bar());
    ASSERT_TRUE(run.Close());
    EXPECT_EQ(run.ExitCode(), 0u);
  }
  EXPECT_EQ(box.ReadBytes(L"pelgra.ini"), seeded);

  // Now change the lists (the clock's splitter, dragged 30 pixels down) so they
  // are written back: every line that was there survives, in order.
  {
    Pelgra run(box);
    ASSERT_TRUE(run.bar());
    run.DragFromTo(run.BarToScreen({100, 110}), run.BarToScreen({100, 140}));
    ASSERT_TRUE(run.Close());
  }
  EXPECT_EQ(Main(box, L"wnum"), 4);
  EXPECT_EQ(box.Ini(L"main", L"widget_0"), L"시계§Clock§Clock_1§1§112§120§14020607§0§100");
  EXPECT_EQ(box.Ini(L"main", L"widget_1"), L"garbage without separators");
  EXPECT_EQ(box.Ini(L"main", L"widget_2"), L"미래 위젯§FutureKind§FutureKind_1§1§70§120§255§0§100");
  EXPECT_EQ(box.Ini(L"main", L"widget_3"), L"메모리 사용량§MemUsage§MemUsage_1§1§50§120§15128749§0§100");
  EXPECT_EQ(Main(box, L"tnum"), 2);
  EXPECT_EQ(box.Ini(L"main", L"tidget_0"), L"테트리스§Tetris§Tetris§1");
  EXPECT_EQ(box.Ini(L"main", L"tidget_1"), L"§§§");
  EXPECT_EQ(box.Ini(L"other", L"key"), L"value");
}

TEST(BarRun, EndingTheSessionSavesLikeAClose) {
  Sandbox box;
  Pelgra run(box);
  ASSERT_TRUE(run.bar());
  run.Send(WM_ENDSESSION, FALSE, 0);  // a session that goes on changes nothing
  EXPECT_TRUE(run.running());
  EXPECT_TRUE(IsWindow(run.bar()));
  run.Send(WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  ASSERT_TRUE(run.WaitForExit());
  ExpectDefaultLists(box);
}

const wchar_t kClockOnly[] = L"wnum=1\r\nwidget_0=시계§Clock§Clock_1§1§80§120§14020607§0§100\r\ntnum=0\r\n";

TEST(BarRun, ABarStoredOffEveryScreenComesBackAndAPartlyVisibleOneStays) {
  Sandbox lost;
  ASSERT_TRUE(lost.WriteIni(std::wstring(L"[main]\r\nleft=5000\r\ntop=5000\r\nright=5200\r\nbottom=5500\r\n") +
                            kClockOnly));
  RECT shown{};
  {
    Pelgra run(lost);
    ASSERT_TRUE(run.bar());
    shown = run.WindowRect();
    EXPECT_GE(shown.left, 0);
    EXPECT_GE(shown.top, 0);
    EXPECT_LE(shown.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_LE(shown.bottom, GetSystemMetrics(SM_CYSCREEN));
    ASSERT_TRUE(run.Close());
  }
  ExpectPlacement(lost, shown);

  Sandbox partly;
  ASSERT_TRUE(partly.WriteIni(std::wstring(L"[main]\r\nleft=1200\r\ntop=100\r\nright=1400\r\nbottom=300\r\n") +
                              kClockOnly));
  const std::string seeded = partly.ReadBytes(L"pelgra.ini");
  Pelgra run(partly);
  ASSERT_TRUE(run.bar());
  EXPECT_EQ(run.WindowRect().left, 1200);
  EXPECT_EQ(run.WindowRect().top, 100);
  ASSERT_TRUE(run.Close());
  EXPECT_EQ(partly.ReadBytes(L"pelgra.ini"), seeded);
}

TEST(BarRun, DamagedBarNumbersAndWidgetFieldsAtTheIntLimitsKeepTheBarUsable) {
  Sandbox box;
  ASSERT_TRUE(box.WriteIni(
      L"[main]\r\nvertThick=-50\r\nbdThick=100000\r\ncapThick=-3\r\nwidgetMinThick=-9\r\n"
      L"wnum=2\r\n"
      L"widget_0=시계§Clock§Clock_1§1§2147483647§-2147483648§14020607§0§100\r\n"
      L"widget_1=시계§Clock§Clock_2§1§-2147483648§2147483647§14020607§1§-2147483648\r\n"
      L"tnum=0\r\n"));
  const std::string seeded = box.ReadBytes(L"pelgra.ini");
  Pelgra run(box);
  ASSERT_TRUE(run.bar());
  const RECT bar = run.WindowRect();
  EXPECT_EQ(bar.right - bar.left, 100);
  EXPECT_GT(bar.bottom - bar.top, 300);
  EXPECT_LT(bar.bottom - bar.top, 400);
  for (UINT id : {1u, 2u}) {
    RECT button{};
    ASSERT_TRUE(GetWindowRect(run.Child(id, L"GrpBtn"), &button)) << id;
    EXPECT_GE(button.left, bar.left) << id;
    EXPECT_GE(button.top, bar.top) << id;
    EXPECT_LE(button.right, bar.right) << id;
    EXPECT_LE(button.bottom, bar.bottom) << id;
  }
  ASSERT_TRUE(run.Close());
  EXPECT_EQ(box.ReadBytes(L"pelgra.ini"), seeded);
}

TEST(BarRun, UnreadableWidgetLinesGetTheDefaultWidgetsAndKeepTheStoredTidgets) {
  Sandbox box;
  ASSERT_TRUE(box.WriteIni(L"[main]\r\nwnum=3\r\ntnum=2\r\n"
                           L"tidget_0=테트리스§Tetris§Tetris§1\r\ntidget_1=색상표§ColorTable§ColorTable§0\r\n"));
  Pelgra run(box);
  ASSERT_TRUE(run.bar());
  ASSERT_TRUE(run.Close());
  EXPECT_EQ(Main(box, L"wnum"), 10);
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ(box.Ini(L"main", (L"widget_" + std::to_wstring(i)).c_str()), kDefaultWidgetLines[i]) << i;
  EXPECT_EQ(Main(box, L"tnum"), 2);
  EXPECT_EQ(box.Ini(L"main", L"tidget_0"), L"테트리스§Tetris§Tetris§1");
  EXPECT_EQ(box.Ini(L"main", L"tidget_1"), L"색상표§ColorTable§ColorTable§0");
}

// The text of the program's tooltip while one is shown.
std::wstring ShownTip(const Pelgra& run) {
  struct Search {
    DWORD processId = 0;
    std::wstring text;
  } search;
  GetWindowThreadProcessId(run.bar(), &search.processId);
  EnumWindows(
      [](HWND window, LPARAM param) {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t className[64] = {};
        GetClassNameW(window, className, 64);
        if (owner != s->processId || !IsWindowVisible(window) || lstrcmpiW(className, L"tooltips_class32") != 0)
          return TRUE;
        std::vector<wchar_t> text(256);
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
        s->text = text.data();
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.text;
}

// Real pointer moves reach the tips through the program's message loop, for the
// bar's own buttons and for controls inside a widget alike.
TEST(BarRun, ThePointerRestingOnAnIconButtonShowsWhatItDoes) {
  Sandbox box;
  Pelgra run(box);
  ASSERT_TRUE(run.bar());
  const std::pair<HWND, std::wstring> buttons[] = {{run.Child(1), L"닫기"},
                                                   {run.Descendant(L"Button", L"새 메모"), L"새 메모"}};
  for (const auto& [button, tip] : buttons) {
    ASSERT_TRUE(button) << tip;
    run.HoverOn(button);
    EXPECT_TRUE(e2e::WaitUntil(5000, [&] { return ShownTip(run) == tip; })) << tip << " / " << ShownTip(run);
  }
  ASSERT_TRUE(run.Close());
}

}  // namespace
