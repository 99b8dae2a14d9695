// The whole default bar on a display at 150 %: tools/wine-dpi runs this executable in
// a copy of the Wine prefix whose LogPixels is 144. Its size and text, a change of
// scale to 100 % (today's bar, exactly) and to and fro, what the .ini keeps, and the
// dialogs' texts within their controls.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/bar_state.h"
#include "app/bar_store_win.h"
#include "app/bar_win.h"
#include "app/layout_win.h"
#include "core/bar_settings.h"
#include "core/dpi_win.h"
#include "core/geometry_win.h"
#include "core/wide_win.h"
#include "core/records.h"
#include "core/tooltip_win.h"
#include "support/bar_bench.h"
#include "support/dialog_fit.h"
#include "support/win_test_support.h"
#include "widgets/base/dget_win.h"
#include "widgets/memo/memo_win.h"

namespace {

using test_support::PumpMessages;
using test_support::Snapshot;

Rect ChildRect(HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return ToRect(r);
}

Rect WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return ToRect(r);
}

// Rows of a widget's face that hold anything but its background, first to last.
int InkHeight(CWindow& widget) {
  const Snapshot shot = Snapshot::Repainted(widget);
  const COLORREF back = shot.At(0, 0);
  int top = -1, bottom = -1;
  for (int y = 0; y < shot.height(); ++y)
    if (shot.CountNot({0, y, shot.width(), y + 1}, back) > 0) {
      if (top < 0) top = y;
      bottom = y;
    }
  return bottom - top + 1;
}

// The height of the font the bar's tooltips show their texts in.
int TooltipFontHeight(HWND bar) {
  LOGFONTW font{};
  const auto handle = reinterpret_cast<HFONT>(SendMessageW(TooltipOf(bar), WM_GETFONT, 0, 0));
  return handle && GetObjectW(handle, sizeof font, &font) ? font.lfHeight : 0;
}

// What the system sends when the bar reaches a monitor of `dpi`: the same place, the
// size in proportion.
void ChangeScale(HWND bar, int dpi) {
  const Rect now = WindowRect(bar);
  const int from = ScaleOf(bar).dpi();
  RECT suggested{now.left, now.top, now.left + MulDiv(now.Width(), dpi, from),
                 now.top + MulDiv(now.Height(), dpi, from)};
  SendMessageW(bar, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  RedrawWindow(bar, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  PumpMessages();
}

class DisplayScale : public test_support::BarBench {
 protected:
  void SetUp() override {
    const char* dpi = std::getenv("PELGRA_TEST_DPI");
    if (!dpi || std::atoi(dpi) != 144) GTEST_SKIP() << "made for a display at 144 DPI: tools/wine-dpi 144 dpi_test.exe";
    mainWindow.dataProgramPath = folder_.Path(L"pelgra.exe");
    barSettings = BarSettings{};
    barState = BarState{};
    mainWindow.Load();
    bar = CreateBarWindow();
    ASSERT_TRUE(bar);
    ShowWindow(bar, SW_SHOWNOACTIVATE);
    RedrawWindow(bar, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages();
  }

  void TearDown() override {
    if (bar && IsWindow(bar)) DestroyWindow(bar);
    PumpMessages();
    ReleaseRecordObjects();
    widgetList.Clear();
    tidgetList.Clear();
  }

  HWND bar = nullptr;

 private:
  test_support::TempFolder folder_;
};

TEST_F(DisplayScale, BarFitsItsMonitorAndAChangeOfScaleGivesTodaysBarBack) {
  ASSERT_EQ(ScaleOf(bar).dpi(), 144);
  EXPECT_EQ(WindowRect(bar).Width(), 300);
  EXPECT_EQ(barState.caption, 36);
  CWidget& clock = *widgetList[0].widget;
  EXPECT_EQ(ChildRect(clock.hwnd), (Rect{6, 42, 294, 162}));
  const int tallText = InkHeight(clock);
  const int tallTips = TooltipFontHeight(bar);
  ASSERT_NE(tallTips, 0);
  // The close button's face is drawn at the button's size: its grey frame runs along both edges.
  const Snapshot face = Snapshot::OfWindow(mainWindow.closeButton);
  EXPECT_EQ(face.width(), 24);
  EXPECT_EQ(face.At(0, 12), RGB(128, 128, 128));
  EXPECT_EQ(face.At(23, 12), RGB(128, 128, 128));

  ChangeScale(bar, 96);
  EXPECT_EQ(TooltipFontHeight(bar), MulDiv(tallTips, 96, 144));
  std::vector<bool> tidgets(static_cast<std::size_t>(tidgetList.count()), true);
  const BarLayout today = ComputeBarLayout(barSettings, LiveLayoutWidgets(widgetList, barSettings.vertical), tidgets);
  EXPECT_EQ(WindowRect(bar).Width(), 200);
  EXPECT_EQ(WindowRect(bar).Height(), today.barHeight);
  EXPECT_EQ(ChildRect(clock.hwnd), (Rect{4, 28, 196, 108}));
  for (int i = 0; i < widgetList.count(); ++i) {
    if (!today.widgets[i]) continue;
    EXPECT_EQ(ChildRect(widgetList[i].widget->hwnd), *today.widgets[i]) << i;
  }
  for (int i = 0; i < tidgetList.count(); ++i)
    EXPECT_EQ(ChildRect(tidgetList[i].tidget->hwnd).left, today.tidgets[i]->x) << i;
  EXPECT_NEAR(tallText / static_cast<double>(InkHeight(clock)), 1.5, 0.1);

  const int objects = gdi::LiveObjects();
  for (int i = 0; i < 10; ++i) {
    ChangeScale(bar, 144);
    ChangeScale(bar, 96);
  }
  EXPECT_EQ(gdi::LiveObjects(), objects);

  // At 150 % again, the clock's row dragged 30 pixels taller: 20 units.
  ChangeScale(bar, 144);
  const int splitter = ChildRect(clock.hwnd).bottom;
  test_support::MouseDown(bar, 100, splitter);
  test_support::MouseMove(bar, 100, splitter + 30);
  test_support::MouseUp(bar, 100, splitter + 30);
  EXPECT_EQ(ChildRect(clock.hwnd).Height(), 150);
  const Rect shown = WindowRect(bar);
  DestroyWindow(bar);
  PumpMessages();
  EXPECT_EQ(ini.Int(L"main", L"vertThick"), 200);
  EXPECT_EQ(ini.Int(L"main", L"left"), shown.left);
  EXPECT_EQ(ini.Int(L"main", L"right") - ini.Int(L"main", L"left"), 200);
  EXPECT_EQ(ini.Int(L"main", L"bottom") - ini.Int(L"main", L"top"), today.barHeight + 20);
  EXPECT_EQ(ParseWidgetLine(AsU16(ini.String(L"main", L"widget_0").c_str())).vertHeight, 100);
}

// The dialogs of both languages at 150 %: every text still fits its control.
TEST_F(DisplayScale, DialogTextsFitAt150Percent) {
  EXPECT_EQ(test_support::CutOffDialogTexts(Language::Korean), std::vector<std::wstring>{});
  EXPECT_EQ(test_support::CutOffDialogTexts(Language::English), std::vector<std::wstring>{});
}

}  // namespace
