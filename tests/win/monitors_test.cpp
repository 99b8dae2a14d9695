// The system monitor widgets under Wine: made through the factory as the bar makes
// them, ticked, painted into their own back buffers, and their settings popups.
#include <gtest/gtest.h>

#include <functional>

#include "app/bar_settings.h"
#include "app/shell_win.h"
#include "core/factory_win.h"
#include "core/records.h"
#include "res/resource.h"
#include "support/win_test_support.h"
#include "widgets/cpu_win.h"
#include "widgets/gauges_win.h"

namespace {

using test_support::BitmapPixel;
using test_support::PumpMessages;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

gdi::Font SharedFont(int height) {
  return gdi::Font(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"맑은 고딕"));
}

// A stand-in for the bar: the parent of the widgets and the window popups line up with.
class MonitorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!normalFont) normalFont = SharedFont(15);
    if (!smallFont) smallFont = SharedFont(12);
    if (!largeFont) largeFont = SharedFont(28);
    barSettings.vertical = true;
    parent_ = CreateWindowExW(0, kWindowClassName, L"bar", WS_POPUP | WS_VISIBLE, 100, 100, 400, 400, nullptr,
                              nullptr, appInstance, &bar_);
    ASSERT_NE(parent_, nullptr);
    barHandle = parent_;
  }

  void TearDown() override {
    if (IsWindow(activeDialog)) DestroyWindow(activeDialog);
    activeDialog = nullptr;
    DestroyWindow(parent_);
    barHandle = nullptr;
    for (WidgetInfo& record : widgetList) delete record.widget;
    widgetList.Clear();
    barSettings.vertical = true;
  }

  // Places a widget of `kind` the way the bar does, sized for the layout.
  template <class Class>
  Class* Place(const char16_t* kind, int width, int height) {
    widgetList.Append(MakeWidgetInfo(kind));
    CWidget* widget = CreateWidgetWindow(widgetList.count() - 1, parent_);
    if (!widget) return nullptr;
    SetWindowPos(widget->hwnd, nullptr, 0, 0, width, height, SWP_NOZORDER);
    return dynamic_cast<Class*>(widget);
  }

  static void Repaint(CWindow& window) {
    InvalidateRect(window.hwnd, nullptr, TRUE);
    UpdateWindow(window.hwnd);
  }

  static int CountPixels(const CWindow& window, const Rect& area, const std::function<bool(COLORREF)>& match) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x)
        if (match(BitmapPixel(window.backBuffer, x, y))) ++count;
    return count;
  }

  static HWND OpenPopup(CWidget& widget) {
    SendMessageW(widget.hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(widget.hwnd), 0);
    return activeDialog;
  }

  static void ClickAway(HWND popup) { SendMessageW(popup, WM_NCACTIVATE, FALSE, 0); }
  static void PressEsc(HWND popup) { SendMessageW(popup, WM_COMMAND, IDCANCEL, 0); }
  static bool Ticked(HWND popup, int id) { return IsDlgButtonChecked(popup, id) == BST_CHECKED; }
  static void Tick(HWND popup, int id, bool on) { CheckDlgButton(popup, id, on ? BST_CHECKED : BST_UNCHECKED); }

  CWindow bar_;
  HWND parent_ = nullptr;
};

bool Greenish(COLORREF c) { return GetGValue(c) > GetRValue(c) + 60 && GetGValue(c) > GetBValue(c) + 60; }
bool Blueish(COLORREF c) { return GetBValue(c) > GetRValue(c) + 100 && GetBValue(c) > GetGValue(c) + 100; }
bool Dark(COLORREF c) { return GetRValue(c) < 80 && GetGValue(c) < 80 && GetBValue(c) < 80; }
bool Reddish(COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) < 60 && GetBValue(c) < 60; }

// ---- CPU ---------------------------------------------------------------------

TEST_F(MonitorTest, CpuFreshWidgetShowsAnEmptyPlotAndZero) {
  CCpuUsage* cpu = Place<CCpuUsage>(u"CpuUsage", 200, 100);
  ASSERT_NE(cpu, nullptr);
  EXPECT_EQ(cpu->period, 5);
  EXPECT_TRUE(cpu->variableY);
  Repaint(*cpu);
  ASSERT_TRUE(cpu->backBuffer);
  // Plot box (18, 5)-(195, 65): its frame, and its fill above the flat area.
  EXPECT_EQ(BitmapPixel(cpu->backBuffer, 18, 30), RGB(16, 80, 160));
  EXPECT_EQ(BitmapPixel(cpu->backBuffer, 100, 5), RGB(16, 80, 160));
  EXPECT_EQ(BitmapPixel(cpu->backBuffer, 25, 12), RGB(240, 240, 255));
  EXPECT_EQ(BitmapPixel(cpu->backBuffer, 25, 20), RGB(220, 220, 255));  // the first quarter line
  // The latest value in green digits right of the text column.
  EXPECT_GT(CountPixels(*cpu, {120, 66, 200, 100}, Greenish), 10);
}

TEST_F(MonitorTest, CpuSmallLoadsFillHalfTheTwelveScale) {
  CCpuUsage* cpu = Place<CCpuUsage>(u"CpuUsage", 200, 100);
  ASSERT_NE(cpu, nullptr);
  cpu->samples.fill(6);
  Repaint(*cpu);
  // Plot 60 high: a load of 6 on the 12 scale tops out at y = 35.
  EXPECT_EQ(BitmapPixel(cpu->backBuffer, 60, 40), kWhite);
  EXPECT_EQ(BitmapPixel(cpu->backBuffer, 60, 30), RGB(240, 240, 255));
  cpu->variableY = false;  // the same load on the 100 scale stays near the bottom
  Repaint(*cpu);
  EXPECT_EQ(BitmapPixel(cpu->backBuffer, 60, 40), RGB(240, 240, 255));
  EXPECT_EQ(BitmapPixel(cpu->backBuffer, 60, 63), kWhite);
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

TEST_F(MonitorTest, CpuPopupAppliesThePeriodOnDeactivation) {
  CCpuUsage* cpu = Place<CCpuUsage>(u"CpuUsage", 200, 100);
  ASSERT_NE(cpu, nullptr);
  HWND popup = OpenPopup(*cpu);
  ASSERT_NE(popup, nullptr);
  EXPECT_TRUE(Ticked(popup, IDC_CPU_PERIOD_5S));
  EXPECT_FALSE(Ticked(popup, IDC_CPU_PERIOD_1S));
  EXPECT_TRUE(Ticked(popup, IDC_CPU_VARIABLE_Y));
  EXPECT_FALSE(Ticked(popup, IDC_CPU_PER_THREAD));
  wchar_t label[64] = {};
  GetDlgItemTextW(popup, IDC_CPU_PERIOD_10S, label, 64);
  EXPECT_STREQ(label, L"10초");
  EXPECT_NE(GetWindowLongW(popup, GWL_STYLE) & WS_CAPTION, static_cast<LONG>(WS_CAPTION));  // no caption bar

  CheckRadioButton(popup, IDC_CPU_PERIOD_1S, IDC_CPU_PERIOD_10S, IDC_CPU_PERIOD_1S);
  Tick(popup, IDC_CPU_VARIABLE_Y, false);
  Tick(popup, IDC_CPU_PER_THREAD, true);
  ClickAway(popup);
  EXPECT_EQ(activeDialog, nullptr);
  EXPECT_FALSE(IsWindow(popup));
  EXPECT_EQ(cpu->period, 1);
  EXPECT_FALSE(cpu->variableY);
  EXPECT_TRUE(cpu->perThread);

  // The restarted timer samples after about a second, well before the old five.
  cpu->samples.back() = -1;  // a value no sample takes, to see it move down
  const DWORD start = GetTickCount();
  while (cpu->samples[58] != -1 && GetTickCount() - start < 4000) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    PumpMessages();
  }
  EXPECT_EQ(cpu->samples[58], -1);
  EXPECT_LT(GetTickCount() - start, 3000u);
}

TEST_F(MonitorTest, CpuPopupDiscardsOnEscAndOpensOnlyOnce) {
  CCpuUsage* cpu = Place<CCpuUsage>(u"CpuUsage", 200, 100);
  CDiskUsage* disk = Place<CDiskUsage>(u"DiskUsage", 200, 50);
  ASSERT_NE(cpu, nullptr);
  ASSERT_NE(disk, nullptr);
  HWND popup = OpenPopup(*cpu);
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(OpenPopup(*disk), popup);  // refused: the CPU popup is still the one
  EXPECT_EQ(OpenPopup(*cpu), popup);
  CheckRadioButton(popup, IDC_CPU_PERIOD_1S, IDC_CPU_PERIOD_10S, IDC_CPU_PERIOD_10S);
  Tick(popup, IDC_CPU_VARIABLE_Y, false);
  PressEsc(popup);
  EXPECT_EQ(activeDialog, nullptr);
  EXPECT_FALSE(IsWindow(popup));
  EXPECT_EQ(cpu->period, 5);
  EXPECT_TRUE(cpu->variableY);
  // A new widget starts from the defaults: nothing of another one's options is kept.
  cpu->period = 2;
  CCpuUsage* another = Place<CCpuUsage>(u"CpuUsage", 200, 100);
  ASSERT_NE(another, nullptr);
  EXPECT_EQ(another->period, 5);
}

// ---- Memory ------------------------------------------------------------------

TEST_F(MonitorTest, MemoryPollsAtOnceAndShowsTheLoadInBlue) {
  CMemUsage* memory = Place<CMemUsage>(u"MemUsage", 200, 50);
  ASSERT_NE(memory, nullptr);
  EXPECT_GT(memory->memStatus.ullTotalPhys, 0u);
  EXPECT_LE(memory->memStatus.dwMemoryLoad, 100u);
  Repaint(*memory);
  ASSERT_TRUE(memory->backBuffer);
  EXPECT_GT(CountPixels(*memory, {100, 0, 200, 50}, Blueish), 10);
  // The two black lines on the left.
  EXPECT_GT(CountPixels(*memory, {4, 5, 60, 45}, Dark), 10);
}

// ---- Disk --------------------------------------------------------------------

TEST_F(MonitorTest, DiskRowsDrawBoxesAndUsedShares) {
  CDiskUsage* disk = Place<CDiskUsage>(u"DiskUsage", 200, 120);
  ASSERT_NE(disk, nullptr);
  ASSERT_GT(disk->drives.count(), 0);  // Wine's C: at least
  EXPECT_EQ(disk->drives[0].letter, u'C');
  Repaint(*disk);
  const auto rows = DiskRows(disk->drives, 200, true);
  const DiskRow& first = rows.front();
  EXPECT_EQ(BitmapPixel(disk->backBuffer, 20, first.y), RGB(192, 192, 192));
  EXPECT_EQ(BitmapPixel(disk->backBuffer, first.box.right - 1, first.y), RGB(192, 192, 192));
  if (first.used.right > 22) {
    EXPECT_EQ(BitmapPixel(disk->backBuffer, 21, first.y), RGB(0, 255, 0));
  }
  if (first.used.right < first.box.right - 2) {
    EXPECT_EQ(BitmapPixel(disk->backBuffer, first.box.right - 2, first.y), kWhite);
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
  int fixed = 0;
  int remote = 0;
  for (wchar_t letter = L'C'; letter <= L'Z'; ++letter) {
    const wchar_t root[] = {letter, L':', L'\\', 0};
    const UINT type = GetDriveTypeW(root);
    fixed += type == DRIVE_FIXED;
    remote += type == DRIVE_REMOTE;
  }
  disk->drives.Clear();  // stale until the next poll
  Tick(popup, IDC_DISK_REMOVABLE, false);
  Tick(popup, IDC_DISK_NETWORK, true);
  Tick(popup, IDC_DISK_PROPORTIONAL, false);
  ClickAway(popup);
  EXPECT_EQ(activeDialog, nullptr);
  EXPECT_FALSE(disk->removable);
  EXPECT_TRUE(disk->network);
  EXPECT_FALSE(disk->proportional);
  EXPECT_EQ(disk->drives.count(), fixed + remote);  // polled again at once

  HWND again = OpenPopup(*disk);
  ASSERT_NE(again, nullptr);
  EXPECT_FALSE(Ticked(again, IDC_DISK_REMOVABLE));
  Tick(again, IDC_DISK_PROPORTIONAL, true);
  PressEsc(again);
  EXPECT_FALSE(disk->proportional);
}

// ---- Battery -----------------------------------------------------------------

TEST_F(MonitorTest, BatteryWithoutAChargeFigureDrawsAnEmptyBox) {
  CBattery* battery = Place<CBattery>(u"Battery", 200, 50);
  ASSERT_NE(battery, nullptr);
  battery->powerStatus.ACLineStatus = 1;
  battery->powerStatus.BatteryLifePercent = 255;
  Repaint(*battery);
  EXPECT_EQ(BitmapPixel(battery->backBuffer, 5, 30), RGB(0, 0, 0));  // the outline
  EXPECT_EQ(CountPixels(*battery, {0, 0, 200, 50}, Reddish), 0);
  EXPECT_EQ(BitmapPixel(battery->backBuffer, 100, 35), kWhite);
}

TEST_F(MonitorTest, BatteryLevelFollowsTheBarOrientation) {
  CBattery* battery = Place<CBattery>(u"Battery", 200, 50);
  ASSERT_NE(battery, nullptr);
  battery->powerStatus.ACLineStatus = 0;
  battery->powerStatus.BatteryLifePercent = 50;
  battery->powerStatus.BatteryLifeTime = 1800;
  Repaint(*battery);
  // Wide strip: box (5, 25)-(195, 45), level up to x = 100.
  EXPECT_EQ(BitmapPixel(battery->backBuffer, 50, 35), kRed);
  EXPECT_EQ(BitmapPixel(battery->backBuffer, 150, 35), kWhite);

  barSettings.vertical = false;
  SetWindowPos(battery->hwnd, nullptr, 0, 0, 120, 120, SWP_NOZORDER | SWP_NOMOVE);
  Repaint(*battery);
  // Tall column: box around x = 90 from 5 to 115, the level rising from the bottom.
  EXPECT_EQ(BitmapPixel(battery->backBuffer, 90, 100), kRed);
  EXPECT_EQ(BitmapPixel(battery->backBuffer, 90, 20), kWhite);
  EXPECT_EQ(BitmapPixel(battery->backBuffer, 20, 100), RGB(135, 206, 250));  // LightSkyBlue background
}

// ---- All four ----------------------------------------------------------------

TEST_F(MonitorTest, ThousandTicksAndPaintsLeaveNoGdiObjects) {
  CWidget* widgets[] = {Place<CCpuUsage>(u"CpuUsage", 200, 100), Place<CMemUsage>(u"MemUsage", 200, 50),
                        Place<CDiskUsage>(u"DiskUsage", 200, 50), Place<CBattery>(u"Battery", 200, 50)};
  for (CWidget* widget : widgets) {
    ASSERT_NE(widget, nullptr);
    Repaint(*widget);
  }
  const int live = gdi::LiveObjects();
  for (int i = 0; i < 1000; ++i) {
    CWidget* widget = widgets[i % 4];
    if (i % 250 == 0) barSettings.vertical = !barSettings.vertical;
    SendMessageW(widget->hwnd, WM_TIMER, 1, 0);
    Repaint(*widget);
  }
  EXPECT_EQ(gdi::LiveObjects(), live);
}

}  // namespace
