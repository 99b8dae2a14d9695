// The system monitor widgets under Wine: made through the factory as the bar makes
// them, ticked, painted into their own back buffers, and their settings popups.
#include <gtest/gtest.h>

#include <functional>

#include "core/bar_settings.h"
#include "core/fonts_win.h"
#include "res/resource.h"
#include "support/widget_bench.h"
#include "widgets/cpu/cpu_win.h"
#include "widgets/gauges/gauges_win.h"

namespace {

using test_support::PumpUntil;
using test_support::Snapshot;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kPlotFill = RGB(240, 240, 255);

bool Greenish(COLORREF c) { return GetGValue(c) > GetRValue(c) + 60 && GetGValue(c) > GetBValue(c) + 60; }
bool Blueish(COLORREF c) { return GetBValue(c) > GetRValue(c) + 100 && GetBValue(c) > GetGValue(c) + 100; }
bool Dark(COLORREF c) { return GetRValue(c) < 80 && GetGValue(c) < 80 && GetBValue(c) < 80; }
bool Reddish(COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) < 60 && GetBValue(c) < 60; }

bool Ticked(HWND popup, int id) { return IsDlgButtonChecked(popup, id) == BST_CHECKED; }
void Tick(HWND popup, int id, bool on) { CheckDlgButton(popup, id, on ? BST_CHECKED : BST_UNCHECKED); }

using MonitorTest = test_support::WidgetBench;

// ---- CPU ---------------------------------------------------------------------

TEST_F(MonitorTest, CpuPlotStartsEmptyAndSmallLoadsFillHalfTheTwelveScale) {
  CCpuUsage* cpu = Place<CCpuUsage>(u"CpuUsage", 200, 100);
  ASSERT_NE(cpu, nullptr);
  EXPECT_EQ(cpu->period, 5);
  EXPECT_TRUE(cpu->variableY);
  const Snapshot shown = Snapshot::Repainted(*cpu);
  // Plot box (18, 5)-(195, 65): its frame, its fill above the flat area, the first quarter line.
  test_support::ExpectPixels(shown, {{18, 30, RGB(16, 80, 160)}, {100, 5, RGB(16, 80, 160)}, {25, 12, kPlotFill},
                                     {25, 20, RGB(220, 220, 255)}});
  // The latest value in green digits right of the text column.
  EXPECT_GT(shown.Count({120, 66, 200, 100}, Greenish), 10);

  // Plot 60 high: a load of 6 on the 12 scale tops out at y = 35; on the 100 scale
  // the same load stays near the bottom.
  cpu->samples.fill(6);
  test_support::ExpectPixels(Snapshot::Repainted(*cpu), {{60, 40, kWhite}, {60, 30, kPlotFill}});
  cpu->variableY = false;
  test_support::ExpectPixels(Snapshot::Repainted(*cpu), {{60, 40, kPlotFill}, {60, 63, kWhite}});
}

TEST_F(MonitorTest, CpuLoadUnderWineComesFromSystemTimes) {
  ASSERT_TRUE(RunningUnderWine());
  CCpuUsage* cpu = Place<CCpuUsage>(u"CpuUsage", 200, 100);
  ASSERT_NE(cpu, nullptr);
  EXPECT_TRUE(cpu->UsesSystemTimes());
  EXPECT_EQ(cpu->samples.back(), 0);  // no sample before the first period
  // Keep this thread busy for a while: the next sample must see it.
  const DWORD start = GetTickCount();
  volatile unsigned spin = 0;
  while (GetTickCount() - start < 400) spin = spin + 1;
  SendMessageW(cpu->hwnd, WM_TIMER, kCpuTimerId, 0);
  EXPECT_GT(cpu->samples.back(), 0);
  EXPECT_LE(cpu->samples.back(), 100);
}

TEST_F(MonitorTest, CpuPopupAppliesThePeriodOnDeactivationAndRestartsTheTimer) {
  CCpuUsage* cpu = Place<CCpuUsage>(u"CpuUsage", 200, 100);
  ASSERT_NE(cpu, nullptr);
  HWND popup = OpenPopup(*cpu);
  ASSERT_NE(popup, nullptr);
  EXPECT_TRUE(Ticked(popup, IDC_CPU_PERIOD_5S));
  EXPECT_FALSE(Ticked(popup, IDC_CPU_PERIOD_1S));
  EXPECT_TRUE(Ticked(popup, IDC_CPU_VARIABLE_Y));
  EXPECT_FALSE(Ticked(popup, IDC_CPU_PER_THREAD));
  EXPECT_EQ(test_support::TextOf(GetDlgItem(popup, IDC_CPU_PERIOD_10S)), L"10초");

  CheckRadioButton(popup, IDC_CPU_PERIOD_1S, IDC_CPU_PERIOD_10S, IDC_CPU_PERIOD_1S);
  Tick(popup, IDC_CPU_VARIABLE_Y, false);
  Tick(popup, IDC_CPU_PER_THREAD, true);
  Deactivate(popup);
  EXPECT_EQ(activeDialog, nullptr);
  EXPECT_FALSE(IsWindow(popup));
  EXPECT_EQ(cpu->period, 1);
  EXPECT_FALSE(cpu->variableY);
  EXPECT_TRUE(cpu->perThread);

  // The next sample comes at the next beat, a second on, well before the old five.
  EXPECT_EQ(host.heartbeat.PeriodOf(*cpu, kCpuTimerId), 1);
  cpu->samples.back() = -1;  // a value no sample takes, to see it move down
  host.heartbeat.Beat();
  EXPECT_EQ(cpu->samples[58], -1);
}

TEST_F(MonitorTest, CpuPopupDiscardsOnEscAndNothingIsKept) {
  CCpuUsage* cpu = Place<CCpuUsage>(u"CpuUsage", 200, 100);
  ASSERT_NE(cpu, nullptr);
  HWND popup = OpenPopup(*cpu);
  ASSERT_NE(popup, nullptr);
  CheckRadioButton(popup, IDC_CPU_PERIOD_1S, IDC_CPU_PERIOD_10S, IDC_CPU_PERIOD_10S);
  Tick(popup, IDC_CPU_VARIABLE_Y, false);
  PressEscape(popup);
  EXPECT_EQ(activeDialog, nullptr);
  EXPECT_FALSE(IsWindow(popup));
  EXPECT_EQ(cpu->period, 5);
  EXPECT_TRUE(cpu->variableY);
  // Nothing is persisted: a new widget starts from the defaults.
  cpu->period = 2;
  CCpuUsage* another = Place<CCpuUsage>(u"CpuUsage", 200, 100);
  ASSERT_NE(another, nullptr);
  EXPECT_EQ(another->period, 5);
}

// ---- Memory and disk --------------------------------------------------------------

TEST_F(MonitorTest, MemoryPollsAtOnceAndShowsTheLoadInBlue) {
  CMemUsage* memory = Place<CMemUsage>(u"MemUsage", 200, 50);
  ASSERT_NE(memory, nullptr);
  EXPECT_GT(memory->memStatus.ullTotalPhys, 0u);
  EXPECT_LE(memory->memStatus.dwMemoryLoad, 100u);
  const Snapshot shown = Snapshot::Repainted(*memory);
  EXPECT_GT(shown.Count({100, 0, 200, 50}, Blueish), 10);
  EXPECT_GT(shown.Count({4, 5, 60, 45}, Dark), 10);  // the two black lines on the left
}

TEST_F(MonitorTest, DiskRowsDrawBoxesAndUsedShares) {
  CDiskUsage* disk = Place<CDiskUsage>(u"DiskUsage", 200, 120);
  ASSERT_NE(disk, nullptr);
  ASSERT_GT(disk->drives.count(), 0);  // Wine's C: at least
  EXPECT_EQ(disk->drives[0].letter, u'C');
  const Snapshot shown = Snapshot::Repainted(*disk);
  const DiskRow first = DiskRows(disk->drives, 200, true).front();
  EXPECT_EQ(shown.At(20, first.y), RGB(192, 192, 192));
  EXPECT_EQ(shown.At(first.box.right - 1, first.y), RGB(192, 192, 192));
  if (first.used.right > 22) {
    EXPECT_EQ(shown.At(21, first.y), RGB(0, 255, 0));
  }
  if (first.used.right < first.box.right - 2) {
    EXPECT_EQ(shown.At(first.box.right - 2, first.y), kWhite);
  }
}

TEST_F(MonitorTest, DiskPopupPollsAgainWithTheNewFilter) {
  CDiskUsage* disk = Place<CDiskUsage>(u"DiskUsage", 200, 120);
  ASSERT_NE(disk, nullptr);
  HWND popup = OpenPopup(*disk);
  ASSERT_NE(popup, nullptr);
  EXPECT_TRUE(Ticked(popup, IDC_DISK_REMOVABLE));
  EXPECT_FALSE(Ticked(popup, IDC_DISK_NETWORK));
  EXPECT_TRUE(Ticked(popup, IDC_DISK_PROPORTIONAL));

  // What the system has, counted independently of the widget.
  int fixedOrRemote = 0;
  for (wchar_t letter = L'C'; letter <= L'Z'; ++letter) {
    const wchar_t root[] = {letter, L':', L'\\', 0};
    const UINT type = GetDriveTypeW(root);
    fixedOrRemote += type == DRIVE_FIXED || type == DRIVE_REMOTE;
  }
  disk->drives.Clear();  // stale until the next poll
  Tick(popup, IDC_DISK_REMOVABLE, false);
  Tick(popup, IDC_DISK_NETWORK, true);
  Tick(popup, IDC_DISK_PROPORTIONAL, false);
  Deactivate(popup);
  EXPECT_EQ(activeDialog, nullptr);
  EXPECT_FALSE(disk->removable);
  EXPECT_TRUE(disk->network);
  EXPECT_FALSE(disk->proportional);
  EXPECT_EQ(disk->drives.count(), fixedOrRemote);  // polled again at once

  HWND again = OpenPopup(*disk);
  ASSERT_NE(again, nullptr);
  EXPECT_FALSE(Ticked(again, IDC_DISK_REMOVABLE));
  Tick(again, IDC_DISK_PROPORTIONAL, true);
  PressEscape(again);
  EXPECT_FALSE(disk->proportional);
}

// ---- Battery -----------------------------------------------------------------

TEST_F(MonitorTest, BatteryWithoutAChargeFigureDrawsAnEmptyBox) {
  CBattery* battery = Place<CBattery>(u"Battery", 200, 50);
  ASSERT_NE(battery, nullptr);
  battery->powerStatus.ACLineStatus = 1;
  battery->powerStatus.BatteryLifePercent = 255;
  const Snapshot shown = Snapshot::Repainted(*battery);
  EXPECT_EQ(shown.At(5, 30), RGB(0, 0, 0));  // the outline
  EXPECT_EQ(shown.Count({0, 0, 200, 50}, Reddish), 0);
  EXPECT_EQ(shown.At(100, 35), kWhite);
}

TEST_F(MonitorTest, BatteryLevelFollowsTheBarOrientation) {
  CBattery* battery = Place<CBattery>(u"Battery", 200, 50);
  ASSERT_NE(battery, nullptr);
  battery->powerStatus.ACLineStatus = 0;
  battery->powerStatus.BatteryLifePercent = 50;
  battery->powerStatus.BatteryLifeTime = 1800;
  Snapshot shown = Snapshot::Repainted(*battery);
  test_support::ExpectPixels(shown, {{50, 35, kRed}, {150, 35, kWhite}});  // box (5, 25)-(195, 45), level to x = 100

  barSettings.vertical = false;
  SetWindowPos(battery->hwnd, nullptr, 0, 0, 120, 120, SWP_NOZORDER | SWP_NOMOVE);
  shown = Snapshot::Repainted(*battery);
  // Tall column: box around x = 90 from 5 to 115, the level rising from the bottom,
  // the LightSkyBlue background beside it.
  test_support::ExpectPixels(shown, {{90, 100, kRed}, {90, 20, kWhite}, {20, 100, RGB(135, 206, 250)}});
}

// ---- All four ----------------------------------------------------------------

// A poll repaints a gauge only when what it shows changed, and one out of view never.
TEST_F(MonitorTest, PollsRepaintOnlyANewFaceInView) {
  CMemUsage* memory = Place<CMemUsage>(u"MemUsage", 200, 50);
  CDiskUsage* disk = Place<CDiskUsage>(u"DiskUsage", 200, 120, 50);
  CBattery* battery = Place<CBattery>(u"Battery", 200, 50, 170);
  ASSERT_TRUE(memory && disk && battery);
  struct Case {
    CWidget* widget;
    std::function<void()> forget;  // makes the next poll a new face
  };
  const Case cases[] = {
      {memory, [&] { memory->memStatus = {}; }},
      {disk, [&] { disk->drives.Clear(); }},
      {battery, [&] { battery->powerStatus.BatteryLifePercent = 7; }},
  };
  for (const Case& c : cases) {
    auto pollDirties = [&] {
      return RepaintedBy(*c.widget, [&] { SendMessageW(c.widget->hwnd, WM_TIMER, 1, 0); }).has_value();
    };
    c.forget();
    EXPECT_TRUE(pollDirties()) << c.widget->Section();
    EXPECT_FALSE(pollDirties()) << c.widget->Section();
    c.widget->SetInView(false);
    c.forget();
    EXPECT_FALSE(pollDirties()) << c.widget->Section();
  }
  // Out of view the readings are still taken.
  EXPECT_GT(memory->memStatus.ullTotalPhys, 0u);
  EXPECT_GT(disk->drives.count(), 0);
  EXPECT_NE(battery->powerStatus.BatteryLifePercent, 7);
}

TEST_F(MonitorTest, ThousandTicksAndPaintsLeaveNoGdiObjects) {
  CWidget* widgets[] = {Place<CCpuUsage>(u"CpuUsage", 200, 100), Place<CMemUsage>(u"MemUsage", 200, 50),
                        Place<CDiskUsage>(u"DiskUsage", 200, 50), Place<CBattery>(u"Battery", 200, 50)};
  auto repaint = [](CWidget* widget) {
    InvalidateRect(widget->hwnd, nullptr, TRUE);
    UpdateWindow(widget->hwnd);
  };
  for (CWidget* widget : widgets) {
    ASSERT_NE(widget, nullptr);
    repaint(widget);
  }
  const int live = gdi::LiveObjects();
  for (int i = 0; i < 1000; ++i) {
    if (i % 250 == 0) barSettings.vertical = !barSettings.vertical;
    SendMessageW(widgets[i % 4]->hwnd, WM_TIMER, 1, 0);
    repaint(widgets[i % 4]);
  }
  EXPECT_EQ(gdi::LiveObjects(), live);
}

}  // namespace
