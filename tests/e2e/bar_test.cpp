// The real program's start-up and shutdown as a user meets them: the settings file a
// first run writes, what closing, the menu commands, a splitter drag and the end of
// the session leave in it, and starts from damaged settings.
#include <gtest/gtest.h>

#include "e2e/driver_win.h"
#include "res/resource.h"

namespace {

using e2e::IniFile;
using e2e::Pelgra;
using e2e::Sandbox;

const std::u16string kMain = u"main";

const char16_t* const kDefaultWidgetLines[] = {
    u"시계§Clock§Clock_1§1§80§120§14020607§0§100",
    u"CPU 사용량§CpuUsage§CpuUsage_1§1§100§140§15658671§0§100",
    u"메모리 사용량§MemUsage§MemUsage_1§1§50§120§15128749§0§100",
    u"배터리§Battery§Battery_1§1§50§120§16436871§1§100",
    u"디스크 사용량§DiskUsage§DiskUsage_1§1§50§120§11788021§0§100",
    u"음악 재생기§MusicPlayer§MusicPlayer§1§150§120§14474460§0§100",
    u"메모§Memo§Memo_1§1§150§150§15794175§0§100",
    u"계산기§Calc§Calc_1§1§50§120§13353215§0§100",
    u"진법변환기§Radix§Radix_1§1§50§120§15631086§0§100",
    u"이미지슬라이더§ImageSlide§ImageSlide_1§1§100§150§11119017§0§100",
};
const char16_t* const kDefaultTidgetLines[] = {
    u"LCD 테스트§LCDTest§LCDTest§1",     u"크기 측정§SizeMeter§SizeMeter§1",
    u"참조 이미지§OneImage§OneImage_1§1", u"커서 이동§MoveCursor§MoveCursor§1",
    u"클립보드 변환§TextClip§TextClip§1", u"테트리스§Tetris§Tetris§1",
    u"색상표§ColorTable§ColorTable§1",
};

std::u16string Key(const char16_t* prefix, int i) {
  std::u16string key = prefix;
  for (char c : std::to_string(i)) key += static_cast<char16_t>(c);
  return key;
}

void ExpectDefaultLists(const IniFile& ini) {
  EXPECT_EQ(ini.GetInt(kMain, u"wnum"), 10);
  EXPECT_EQ(ini.GetInt(kMain, u"tnum"), 7);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(ini.Get(kMain, Key(u"widget_", i)), kDefaultWidgetLines[i]) << i;
  for (int i = 0; i < 7; ++i) EXPECT_EQ(ini.Get(kMain, Key(u"tidget_", i)), kDefaultTidgetLines[i]) << i;
}

void ExpectPlacement(const IniFile& ini, const RECT& shown) {
  EXPECT_EQ(ini.GetInt(kMain, u"left"), shown.left);
  EXPECT_EQ(ini.GetInt(kMain, u"top"), shown.top);
  EXPECT_EQ(ini.GetInt(kMain, u"right"), shown.right);
  EXPECT_EQ(ini.GetInt(kMain, u"bottom"), shown.bottom);
}

// A first run closed with WM_CLOSE: the settings every later scenario starts from.
void FirstRun(const Sandbox& box) {
  Pelgra run(box);
  ASSERT_TRUE(run.bar());
  ASSERT_TRUE(run.Close());
}

TEST(BarRun, FirstRunWritesTheDefaultSetAndThePlacementWhenClosedByItsButton) {
  Sandbox box;
  ASSERT_TRUE(box.ok());
  ASSERT_FALSE(box.Exists(L"pelgra.ini"));
  Pelgra run(box);
  ASSERT_TRUE(run.bar());
  const RECT shown = run.WindowRect();
  EXPECT_EQ(shown.left, 100);
  EXPECT_EQ(shown.top, 100);
  EXPECT_EQ(shown.right - shown.left, 200);
  HWND close = run.Child(1, L"GrpBtn");
  ASSERT_TRUE(close);
  run.ClickAt(run.CentreOf(close));
  ASSERT_TRUE(run.WaitForExit());
  EXPECT_EQ(run.ExitCode(), 0u);

  const IniFile ini = box.ReadIni();
  ExpectDefaultLists(ini);
  ExpectPlacement(ini, shown);
  EXPECT_EQ(ini.GetInt(kMain, u"vertical"), 1);
  EXPECT_EQ(ini.GetInt(kMain, u"alwaysontop"), 1);
  EXPECT_EQ(ini.GetInt(kMain, u"widgetMinThick"), 30);
  EXPECT_EQ(ini.GetInt(kMain, u"widgetMaxThick"), 300);
  EXPECT_EQ(ini.GetInt(kMain, u"vertThick"), 200);
  EXPECT_EQ(ini.GetInt(kMain, u"horzThick"), 120);
  // Options the bar never writes stay out of the file.
  EXPECT_FALSE(ini.Get(kMain, u"bdThick"));
  EXPECT_FALSE(ini.Get(kMain, u"splitColor"));
}

TEST(BarRun, WmCloseSavesExactlyLikeTheCloseButton) {
  Sandbox byButton;
  Sandbox byMessage;
  {
    Pelgra run(byButton);
    ASSERT_TRUE(run.bar());
    run.ClickAt(run.CentreOf(run.Child(1, L"GrpBtn")));
    ASSERT_TRUE(run.WaitForExit());
  }
  FirstRun(byMessage);
  const auto written = byMessage.ReadIni().Entries(kMain);
  EXPECT_EQ(written.size(), 10u + 2u + 17u);
  EXPECT_EQ(written, byButton.ReadIni().Entries(kMain));
}

TEST(BarRun, ARunThatChangesNothingLeavesTheFileByteForByte) {
  Sandbox box;
  FirstRun(box);
  const std::string before = box.ReadBytes(L"pelgra.ini");
  ASSERT_GT(before.size(), 2u);
  {
    Pelgra run(box);
    ASSERT_TRUE(run.bar());
    // The stored placement is where the bar comes back.
    const IniFile ini = box.ReadIni();
    ExpectPlacement(ini, run.WindowRect());
    ASSERT_TRUE(run.Close());
  }
  EXPECT_EQ(box.ReadBytes(L"pelgra.ini"), before);
}

TEST(BarRun, AlwaysOnTopTwiceKeepsTheOptionAndWritesThePlacement) {
  Sandbox box;
  // No lines stored beyond the options: nothing forces a save but the command.
  box.WriteIni(u"[main]\r\nwnum=1\r\nwidget_0=시계§Clock§Clock_1§1§80§120§14020607§0§100\r\nleft=150\r\n");
  Pelgra run(box);
  ASSERT_TRUE(run.bar());
  EXPECT_TRUE(GetWindowLongW(run.bar(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  run.Command(ID_ALWAYS_ON_TOP);
  EXPECT_FALSE(GetWindowLongW(run.bar(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  run.Command(ID_ALWAYS_ON_TOP);
  EXPECT_TRUE(GetWindowLongW(run.bar(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  const RECT shown = run.WindowRect();
  ASSERT_TRUE(run.Close());

  const IniFile ini = box.ReadIni();
  EXPECT_EQ(ini.GetInt(kMain, u"alwaysontop"), 1);
  ExpectPlacement(ini, shown);
  EXPECT_EQ(ini.GetInt(kMain, u"left"), 150);
  EXPECT_EQ(ini.GetInt(kMain, u"vertThick"), 200);
  // The lists were not changed, so they were not rewritten.
  EXPECT_FALSE(ini.Get(kMain, u"tnum"));
  EXPECT_EQ(ini.GetInt(kMain, u"wnum"), 1);
}

TEST(BarRun, ToggleDirectionWritesVerticalZeroAndTheNextStartIsHorizontal) {
  Sandbox box;
  FirstRun(box);
  {
    Pelgra run(box);
    ASSERT_TRUE(run.bar());
    run.Command(ID_TOGGLE_DIRECTION);
    const RECT wide = run.WindowRect();
    EXPECT_EQ(wide.bottom - wide.top, 120);
    EXPECT_GT(wide.right - wide.left, 120);
    ASSERT_TRUE(run.Close());
    const IniFile ini = box.ReadIni();
    EXPECT_EQ(ini.GetInt(kMain, u"vertical"), 0);
    ExpectPlacement(ini, wide);
  }
  Pelgra again(box);
  ASSERT_TRUE(again.bar());
  const RECT shown = again.WindowRect();
  EXPECT_EQ(shown.bottom - shown.top, 120);
  // The caption band is now at the left: the close button sits in it.
  HWND close = again.Child(1, L"GrpBtn");
  ASSERT_TRUE(close);
  RECT button{};
  GetWindowRect(close, &button);
  EXPECT_EQ(button.left - shown.left, 8);
  EXPECT_EQ(button.top - shown.top, 96);
  ASSERT_TRUE(again.Close());
}

const char16_t kDamagedIni[] =
    u"[main]\r\n"
    u"this line is garbage\r\n"
    u"wnum=6\r\n"
    u"widget_0=시계§Clock§Clock_1§1§80§120§14020607§0§100\r\n"
    u"widget_1=garbage without separators\r\n"
    u"widget_2=미래 위젯§FutureKind§FutureKind_1§1§70§120§255§0§100\r\n"
    u"widget_4=메모리 사용량§MemUsage§MemUsage_1§1§50§120§15128749§0§100\r\n"
    u"tnum=3\r\n"
    u"tidget_0=테트리스§Tetris§Tetris§1\r\n"
    u"tidget_1=§§§\r\n"
    u"[other]\r\n"
    u"key=value\r\n";

TEST(BarRun, DamagedSettingsStartAndLoseNoLine) {
  Sandbox box;
  ASSERT_TRUE(box.WriteIni(kDamagedIni));
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
  const IniFile ini = box.ReadIni();
  EXPECT_EQ(ini.GetInt(kMain, u"wnum"), 4);
  EXPECT_EQ(ini.Get(kMain, u"widget_0"), u"시계§Clock§Clock_1§1§112§120§14020607§0§100");
  EXPECT_EQ(ini.Get(kMain, u"widget_1"), u"garbage without separators");
  EXPECT_EQ(ini.Get(kMain, u"widget_2"), u"미래 위젯§FutureKind§FutureKind_1§1§70§120§255§0§100");
  EXPECT_EQ(ini.Get(kMain, u"widget_3"), u"메모리 사용량§MemUsage§MemUsage_1§1§50§120§15128749§0§100");
  EXPECT_EQ(ini.GetInt(kMain, u"tnum"), 2);
  EXPECT_EQ(ini.Get(kMain, u"tidget_0"), u"테트리스§Tetris§Tetris§1");
  EXPECT_EQ(ini.Get(kMain, u"tidget_1"), u"§§§");
  EXPECT_EQ(ini.Get(u"other", u"key"), u"value");
}

TEST(BarRun, EndingTheSessionSavesLikeAClose) {
  Sandbox box;
  Pelgra run(box);
  ASSERT_TRUE(run.bar());
  // A session that goes on changes nothing.
  run.Send(WM_ENDSESSION, FALSE, 0);
  EXPECT_TRUE(run.running());
  EXPECT_TRUE(IsWindow(run.bar()));
  run.Send(WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  ASSERT_TRUE(run.WaitForExit());
  ExpectDefaultLists(box.ReadIni());
}

}  // namespace
