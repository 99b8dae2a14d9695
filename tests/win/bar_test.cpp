// The real bar window over records of its own test kinds: layout applied to child
// windows, hit tests, cursors, snapping, splitter drags, painting, commands and menu.
#include "app/bar_win.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/bar_settings.h"
#include "app/bar_buttons_win.h"
#include "app/bar_lists.h"
#include "app/bar_state.h"
#include "app/layout_win.h"
#include "app/message_loop_win.h"
#include "app/screen_sharing_win.h"
#include "core/fonts_win.h"
#include "core/tooltip_win.h"
#include "app/tray_win.h"
#include "core/geometry_win.h"
#include "core/records.h"
#include "core/wide_win.h"
#include "res/resource.h"
#include "support/bar_bench.h"
#include "support/win_test_support.h"
#include "widgets/calc/calc_win.h"
#include "widgets/base/dget_win.h"
#include "widgets/base/popup_win.h"
#include "widgets/memo/memo_win.h"
#include "widgets/music/music_win.h"

namespace {

using test_support::At;
using test_support::MouseDown;
using test_support::MouseMove;
using test_support::MouseUp;
using test_support::PumpMessages;
using test_support::Snapshot;

constexpr COLORREF kIndigo = RGB(0x4B, 0x00, 0x82);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kDarkEdge = RGB(136, 136, 136);
constexpr COLORREF kTidgetGreen = RGB(0, 128, 0);

// Kinds no factory knows, so the bar makes no window for them and the test puts its
// own plain panels and buttons in their place.
class TestPanel : public CWidget {
 public:
  using CWidget::CWidget;
};

class TestTidget : public CTidget {
 public:
  using CTidget::CTidget;
  void Activate() override {}
};

// A child's rectangle in its parent's client coordinates.
Rect ChildRect(HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return ToRect(r);
}

MONITORINFO MonitorOf(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
  return monitor;
}

SIZE WindowSize(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

class BarTest : public test_support::BarBench {
 protected:
  void SetUp() override {
    barSettings = BarSettings{};
    barState = BarState{};
    widgetList.Clear();
    tidgetList.Clear();
  }

  void TearDown() override {
    if (mainWindow.hwnd) DestroyWindow(mainWindow.hwnd);
    for (WidgetInfo& record : widgetList) record.widget = nullptr;
    for (TidgetInfo& record : tidgetList) record.tidget = nullptr;
    panels_.clear();
    buttons_.clear();
    widgetList.Clear();
    tidgetList.Clear();
    PumpMessages();
  }

  // A record of the test kind, PapayaWhip, as wide across a horizontal bar as it is thick plus 40.
  void AddPanel(int thickness, bool merged = false, bool visible = true) {
    widgetList.Append(ParseWidgetLine(u"패널§TestPanel§TestPanel_" + FormatInt(widgetList.count() + 1) +
                                      (visible ? u"§1§" : u"§0§") + FormatInt(thickness) + u"§" +
                                      FormatInt(thickness + 40) + (merged ? u"§14020607§1§100" : u"§14020607§0§100")));
  }

  // The bar with test panels in place of the records' (unknown) kinds, shown.
  HWND CreateBar() {
    HWND bar = CreateBarWindow();
    if (!bar) return nullptr;
    for (WidgetInfo& record : widgetList) {
      auto panel = std::make_unique<TestPanel>(mainWindow, AsWide(record.caption), AsWide(record.name));
      panel->height = record.vertHeight;
      panel->width = record.horzWidth;
      panel->bgBrush = gdi::SolidBrush(record.bgColor);
      panel->Create(bar, 0, L"", WS_CHILD | WS_VISIBLE);
      record.widget = panel.get();
      panels_.push_back(std::move(panel));
    }
    for (TidgetInfo& record : tidgetList) {
      auto button = std::make_unique<TestTidget>(mainWindow, AsWide(record.caption), AsWide(record.name));
      button->bgBrush = gdi::SolidBrush(kTidgetGreen);
      button->Create(trayWindow.hwnd, 0, L"", WS_CHILD | WS_VISIBLE);
      record.tidget = button.get();
      buttons_.push_back(std::move(button));
    }
    LayoutBar();
    ShowWindow(bar, SW_SHOWNOACTIVATE);
    UpdateWindow(bar);
    PumpMessages();
    return bar;
  }

  // The default set's shape: clock, CPU, memory with the battery merged, disk, seven tidgets.
  HWND CreateDefaultShapedBar() {
    for (auto [thickness, merged] : {std::pair{80, false}, {100, false}, {50, false}, {50, true}, {50, false}})
      AddPanel(thickness, merged);
    for (int i = 1; i <= 7; ++i)
      tidgetList.Append(ParseTidgetLine(u"§TestTidget§TestTidget_" + FormatInt(i) + u"§1"));
    return CreateBar();
  }

  // The bar after a full repaint, as shown.
  static Snapshot Repainted(HWND bar) {
    RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages();
    return Snapshot::OfWindow(bar);
  }

  std::vector<std::unique_ptr<TestPanel>> panels_;
  std::vector<std::unique_ptr<TestTidget>> buttons_;
};

// --- Layout on real windows --------------------------------------------------------

TEST_F(BarTest, DefaultShapedBarPlacesEveryChild) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  RECT window{};
  GetWindowRect(bar, &window);
  EXPECT_EQ(window.left, 100);
  EXPECT_EQ(window.top, 100);
  EXPECT_EQ(window.right - window.left, 200);
  // 28 + (80 + 5) + (100 + 5) + (50 + 5) + (50 + 5) + 60 + 4
  EXPECT_EQ(window.bottom - window.top, 392);
  EXPECT_EQ(barState.barHeight, 392);
  EXPECT_EQ(barState.stripExtent, 60);

  const Rect panels[] = {{4, 28, 196, 108}, {4, 113, 196, 213}, {4, 218, 97, 268}, {102, 218, 196, 268},
                         {4, 273, 196, 323}};
  for (size_t i = 0; i < panels_.size(); ++i) EXPECT_EQ(ChildRect(panels_[i]->hwnd), panels[i]) << i;
  EXPECT_EQ(panels_[1]->top, 113);
  EXPECT_EQ(panels_[3]->top, 218);

  ASSERT_TRUE(trayWindow.hwnd);
  EXPECT_EQ(GetParent(trayWindow.hwnd), bar);
  EXPECT_EQ(GetDlgCtrlID(trayWindow.hwnd), static_cast<int>(kTrayChildId));
  EXPECT_NE(kTrayChildId, kMenuButtonId);
  EXPECT_EQ(ChildRect(trayWindow.hwnd), (Rect{4, 328, 196, 388}));
  EXPECT_EQ(trayWindow.top, 328);
  EXPECT_EQ(ChildRect(buttons_[0]->hwnd), (Rect{4, 4, 28, 28}));
  EXPECT_EQ(ChildRect(buttons_[5]->hwnd), (Rect{144, 4, 168, 28}));
  EXPECT_EQ(ChildRect(buttons_[6]->hwnd), (Rect{4, 32, 28, 56}));

  EXPECT_EQ(ChildRect(GetDlgItem(bar, kCloseButtonId)), (Rect{178, 8, 194, 24}));
  EXPECT_EQ(ChildRect(mainWindow.menuButton), (Rect{158, 8, 174, 24}));

  // The program's icon comes once the start has settled.
  SetClassLongPtrW(bar, GCLP_HICON, 0);
  mainWindow.GiveIconWhenSettled();
  EXPECT_TRUE(test_support::PumpUntil([&] { return GetClassLongPtrW(bar, GCLP_HICON) != 0; }));
}

TEST_F(BarTest, HiddenAndUnknownRecordsGetNoPlaceButAreKept) {
  AddPanel(80);
  AddPanel(60, false, false);
  AddPanel(70);
  HWND bar = CreateBar();
  ASSERT_TRUE(bar);
  // An unknown kind added afterwards has no window: the layout passes it over.
  widgetList.Insert(0, ParseWidgetLine(u"미래§FutureKind§FutureKind_1§1§70§120§255§0§100"));
  LayoutBar();
  EXPECT_EQ(ChildRect(panels_[0]->hwnd), (Rect{4, 28, 196, 108}));
  EXPECT_EQ(ChildRect(panels_[1]->hwnd), (Rect{0, 0, 0, 0}));
  EXPECT_EQ(ChildRect(panels_[2]->hwnd).top, 113);

  barState.listsChanged = true;
  DestroyWindow(bar);
  EXPECT_EQ(ini.Int(L"main", L"wnum"), 4);
  EXPECT_EQ(ini.String(L"main", L"widget_0"), L"미래§FutureKind§FutureKind_1§1§70§120§255§0§100");
  EXPECT_EQ(ini.String(L"main", L"widget_2"), L"패널§TestPanel§TestPanel_2§0§60§100§14020607§0§100");
}

TEST_F(BarTest, ToggleDirectionLaysTheBarOutHorizontallyAndBack) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  barState.placementChanged = false;
  SendMessageW(bar, WM_COMMAND, ID_TOGGLE_DIRECTION, 0);
  EXPECT_FALSE(barSettings.vertical);
  EXPECT_TRUE(barState.placementChanged);
  EXPECT_EQ(WindowSize(bar).cy, 120);
  EXPECT_EQ(WindowSize(bar).cx, barState.barWidth);
  // Widths are the records' horizontal ones (thickness + 40 here).
  EXPECT_EQ(ChildRect(panels_[0]->hwnd), (Rect{28, 4, 148, 116}));
  EXPECT_EQ(ChildRect(panels_[2]->hwnd), (Rect{298, 4, 388, 57}));
  EXPECT_EQ(ChildRect(panels_[3]->hwnd), (Rect{298, 62, 388, 116}));
  EXPECT_EQ(panels_[3]->left, 298);
  EXPECT_EQ(ChildRect(trayWindow.hwnd).left, trayWindow.left);
  EXPECT_EQ(ChildRect(GetDlgItem(bar, kCloseButtonId)), (Rect{8, 96, 24, 112}));

  SendMessageW(bar, WM_COMMAND, ID_TOGGLE_DIRECTION, 0);
  EXPECT_EQ(WindowSize(bar).cx, 200);
  EXPECT_EQ(WindowSize(bar).cy, 392);
}

TEST_F(BarTest, ResizingTheThicknessRelaysTheBar) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  barState.placementChanged = false;
  SetWindowPos(bar, nullptr, 0, 0, 250, 300, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(barSettings.vertThick, 250);
  EXPECT_TRUE(barState.placementChanged);
  EXPECT_EQ(ChildRect(panels_[0]->hwnd).Width(), 242);
  EXPECT_EQ(ChildRect(GetDlgItem(bar, kCloseButtonId)).left, 228);
  // The length follows the content: all seven tidgets now fit on one line.
  EXPECT_EQ(WindowSize(bar).cy, 392 - 28);
  // A minimised bar's empty client is not a new thickness.
  SendMessageW(bar, WM_SIZE, SIZE_MINIMIZED, 0);
  EXPECT_EQ(barSettings.vertThick, 250);
}

// --- Hit tests, cursor, limits, snapping --------------------------------------------

TEST_F(BarTest, HitTestCodesFollowTheOrientation) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  auto hit = [&](int x, int y) {
    POINT p{x, y};
    ClientToScreen(bar, &p);
    return SendMessageW(bar, WM_NCHITTEST, 0, At(p.x, p.y));
  };
  const std::pair<POINT, LRESULT> vertical[] = {{{1, 200}, HTLEFT},    {{197, 200}, HTRIGHT}, {{60, 0}, HTCAPTION},
                                                {{60, 24}, HTCAPTION}, {{60, 110}, HTCLIENT}, {{100, 390}, HTCLIENT},
                                                {{-5, 200}, HTNOWHERE}};  // outside: the default answer
  for (const auto& [at, code] : vertical) EXPECT_EQ(hit(at.x, at.y), code) << at.x << "," << at.y;
  SendMessageW(bar, WM_COMMAND, ID_TOGGLE_DIRECTION, 0);
  const std::pair<POINT, LRESULT> horizontal[] = {
      {{200, 1}, HTTOP}, {{200, 118}, HTBOTTOM}, {{10, 60}, HTCAPTION}, {{150, 60}, HTCLIENT}};
  for (const auto& [at, code] : horizontal) EXPECT_EQ(hit(at.x, at.y), code) << at.x << "," << at.y;
}

TEST_F(BarTest, SplitterCursorShowsOnlyOverAGap) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  const HCURSOR upDown = LoadCursorW(appInstance, MAKEINTRESOURCEW(IDC_SPLIT_UPDOWN));
  const HCURSOR leftRight = LoadCursorW(appInstance, MAKEINTRESOURCEW(IDC_SPLIT_LEFTRIGHT));
  ASSERT_TRUE(upDown && leftRight);
  auto hotSpot = [](HCURSOR cursor) {
    ICONINFO info{};
    GetIconInfo(cursor, &info);
    gdi::Bitmap mask(info.hbmMask), color(info.hbmColor);
    return std::make_pair(info.xHotspot, info.yHotspot);
  };
  EXPECT_EQ(hotSpot(leftRight), std::make_pair(DWORD{15}, DWORD{15}));
  EXPECT_EQ(hotSpot(upDown), std::make_pair(DWORD{16}, DWORD{15}));
  auto cursorAt = [&](int x, int y, WORD code) {
    POINT p{x, y};
    ClientToScreen(bar, &p);
    SetCursorPos(p.x, p.y);
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    LRESULT result = SendMessageW(bar, WM_SETCURSOR, reinterpret_cast<WPARAM>(bar), MAKELPARAM(code, WM_MOUSEMOVE));
    return std::make_pair(result, GetCursor());
  };
  EXPECT_EQ(cursorAt(100, 110, HTCLIENT), std::make_pair(LRESULT{0}, upDown));
  EXPECT_EQ(cursorAt(100, 324, HTCLIENT).second, upDown);  // the gap before the strip
  EXPECT_NE(cursorAt(100, 60, HTCLIENT).second, upDown);
  // Not the client area: no splitter cursor even on the gap's row.
  EXPECT_NE(cursorAt(100, 110, HTCAPTION).second, upDown);
  SendMessageW(bar, WM_COMMAND, ID_TOGGLE_DIRECTION, 0);
  EXPECT_EQ(cursorAt(150, 60, HTCLIENT).second, leftRight);
}

TEST_F(BarTest, TrackingLimitsBindOnlyTheThickness) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  auto limits = [&] {
    MINMAXINFO info{};
    info.ptMinTrackSize = {11, 12};
    info.ptMaxTrackSize = {13, 14};
    EXPECT_EQ(SendMessageW(bar, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)), 0);
    return std::make_pair(info.ptMinTrackSize, info.ptMaxTrackSize);
  };
  auto [low, high] = limits();
  EXPECT_EQ(low.x, 100);
  EXPECT_EQ(high.x, 640);
  EXPECT_EQ(low.y, 12);
  EXPECT_EQ(high.y, 14);
  SendMessageW(bar, WM_COMMAND, ID_TOGGLE_DIRECTION, 0);
  std::tie(low, high) = limits();
  EXPECT_EQ(low.x, 11);
  EXPECT_EQ(high.x, 13);
  EXPECT_EQ(low.y, 100);
  EXPECT_EQ(high.y, 640);
}

TEST_F(BarTest, MovedBarSnapsToTheWorkAreaEdges) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  const MONITORINFO monitor = MonitorOf(bar);
  const RECT work = monitor.rcWork;
  auto moveTo = [&](int x, int y) {
    SetWindowPos(bar, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT r{};
    GetWindowRect(bar, &r);
    return r;
  };
  barState.placementChanged = false;
  EXPECT_EQ(moveTo(work.left + 29, 300).left, work.left);
  EXPECT_TRUE(barState.placementChanged);
  EXPECT_EQ(moveTo(work.left + 30, 300).left, work.left + 30);
  // The size is the real one even though the move carries none.
  RECT r = moveTo(work.right - 200 + 12, work.bottom - 392 - 20);
  EXPECT_EQ(r.right, work.right);
  EXPECT_EQ(r.bottom, work.bottom);
  EXPECT_EQ(r.bottom - r.top, 392);
  barSettings.magneticEffet = false;
  EXPECT_EQ(moveTo(work.left + 29, 300).left, work.left + 29);
}

// Wine accepts the registration but keeps the work area as it was: what is seen here
// is what the bar holds and gives back.
TEST_F(BarTest, ABarSnappedToAnEdgeReservesItWhileTheOptionIsOn) {
  barSettings.reserveEdge = true;
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  const MONITORINFO monitor = MonitorOf(bar);
  const RECT work = monitor.rcWork;
  const RECT screen = monitor.rcMonitor;
  auto moveTo = [&](int x) { SetWindowPos(bar, nullptr, x, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE); };
  EXPECT_FALSE(mainWindow.screen.HoldsEdge());
  moveTo(work.left + 10);  // snaps to the left edge
  EXPECT_EQ(mainWindow.screen.Edge(), ScreenEdge::Left);
  EXPECT_EQ(mainWindow.screen.Band(), (Rect{screen.left, screen.top, screen.left + 200, screen.bottom}));
  moveTo(work.right - 200);
  EXPECT_EQ(mainWindow.screen.Edge(), ScreenEdge::Right);
  moveTo(work.left + 100);
  EXPECT_FALSE(mainWindow.screen.HoldsEdge());
  moveTo(work.left);
  EXPECT_TRUE(mainWindow.screen.HoldsEdge());
  BarSettings off = barSettings;
  off.reserveEdge = false;
  mainWindow.ApplyOptions(off);
  EXPECT_FALSE(mainWindow.screen.HoldsEdge());
}

// --- Splitter drag ----------------------------------------------------------------

TEST_F(BarTest, DraggingASplitterResizesItsRowWithinTheLimits) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  barState.listsChanged = false;
  MouseDown(bar, 100, 60);  // away from any gap: no capture
  EXPECT_EQ(mainWindow.dragIndex, -1);
  EXPECT_NE(GetCapture(), bar);

  MouseDown(bar, 100, 110);
  EXPECT_EQ(mainWindow.dragIndex, 0);
  EXPECT_EQ(GetCapture(), bar);
  MouseMove(bar, 100, 128);
  EXPECT_EQ(panels_[0]->height, 100);
  EXPECT_EQ(widgetList[0].vertHeight, 100);
  EXPECT_TRUE(barState.listsChanged);
  EXPECT_EQ(ChildRect(panels_[1]->hwnd).top, 133);
  MouseMove(bar, 100, 110 + 500);
  EXPECT_EQ(widgetList[0].vertHeight, 300);
  MouseMove(bar, 100, -40);  // above the bar: negative as a signed 16-bit value
  EXPECT_EQ(widgetList[0].vertHeight, 30);
  EXPECT_EQ(ChildRect(panels_[0]->hwnd).Height(), 30);
  MouseUp(bar, 100, -40);
  EXPECT_EQ(mainWindow.dragIndex, -1);
  EXPECT_NE(GetCapture(), bar);
  MouseMove(bar, 100, 200);  // without the capture a move changes nothing
  EXPECT_EQ(widgetList[0].vertHeight, 30);
}

TEST_F(BarTest, DraggingAGroupSplitterResizesTheWholeRow) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  // The memory row (218..268) has its gap at 268..273.
  MouseDown(bar, 150, 273);
  EXPECT_EQ(mainWindow.dragIndex, 2);
  MouseMove(bar, 150, 298);
  MouseUp(bar, 150, 298);
  EXPECT_EQ(widgetList[2].vertHeight, 80);
  EXPECT_EQ(widgetList[3].vertHeight, 50);  // the follower's own is not touched
  EXPECT_EQ(ChildRect(panels_[2]->hwnd).Height(), 80);
  EXPECT_EQ(ChildRect(panels_[3]->hwnd).Height(), 80);
}

TEST_F(BarTest, HorizontalDragChangesTheWidth) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  SendMessageW(bar, WM_COMMAND, ID_TOGGLE_DIRECTION, 0);
  MouseDown(bar, 150, 60);  // the first column ends at 28 + 120 = 148
  EXPECT_EQ(mainWindow.dragIndex, 0);
  MouseMove(bar, 128, 60);
  MouseUp(bar, 128, 60);
  EXPECT_EQ(widgetList[0].horzWidth, 100);
  EXPECT_EQ(widgetList[0].vertHeight, 80);
  EXPECT_EQ(ChildRect(panels_[1]->hwnd).left, 133);
}

// --- A bar longer than the screen ----------------------------------------------------

TEST_F(BarTest, RowsThatDoNotFitEvenAtTheirMinimumScrollBetweenTwoArrows) {
  barSettings.widgetMinThick = 200;
  for (int i = 0; i < 6; ++i) AddPanel(250);
  for (int i = 1; i <= 7; ++i) tidgetList.Append(ParseTidgetLine(u"§TestTidget§TestTidget_" + FormatInt(i) + u"§1"));
  HWND bar = CreateBar();
  ASSERT_TRUE(bar);
  const MONITORINFO monitor = MonitorOf(bar);
  RECT shown{};
  GetWindowRect(bar, &shown);
  EXPECT_EQ(shown.top, monitor.rcWork.top);  // moved up into the work area, as long as it
  EXPECT_EQ(shown.bottom, monitor.rcWork.bottom);
  const Rect strip = ChildRect(trayWindow.hwnd);
  HWND back = GetDlgItem(bar, kScrollBackId);
  HWND on = GetDlgItem(bar, kScrollOnId);
  auto inView = [&](int i) { return ChildRect(panels_[i]->hwnd).bottom <= strip.top; };
  EXPECT_FALSE(IsWindowVisible(back));
  EXPECT_TRUE(IsWindowVisible(on));
  EXPECT_TRUE(inView(0));
  EXPECT_FALSE(inView(5));
  EXPECT_TRUE(panels_[0]->InView());  // a widget scrolled out paints nothing until it is back
  EXPECT_FALSE(panels_[5]->InView());
  // Each click brings the next row in, until the last one shows and its arrow goes.
  int clicks = 0;
  for (; IsWindowVisible(on) && clicks < 6; ++clicks) {
    MouseDown(on, 8, 8);
    MouseUp(on, 8, 8);
  }
  EXPECT_EQ(clicks, 2);
  EXPECT_TRUE(inView(5));
  EXPECT_FALSE(inView(0));
  EXPECT_TRUE(panels_[5]->InView());
  EXPECT_FALSE(panels_[0]->InView());
  EXPECT_TRUE(IsWindowVisible(back));
  EXPECT_EQ(ChildRect(trayWindow.hwnd), strip);
  // The rows are at their minimum whatever their thickness: no splitter to drag.
  const Rect first = ChildRect(panels_[2]->hwnd);
  EXPECT_EQ(first.Height(), 200);
  MouseDown(bar, 100, first.bottom + 2);
  EXPECT_EQ(mainWindow.dragIndex, -1);
  // Showing it shorter and scrolling it leave nothing to be written.
  EXPECT_FALSE(barState.placementChanged || barState.listsChanged);
  // Moved along its length it stays on the screen; sideways it goes where it is put.
  SetWindowPos(bar, nullptr, shown.left + 50, shown.top + 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT moved{};
  GetWindowRect(bar, &moved);
  EXPECT_EQ(moved.left, shown.left + 50);
  EXPECT_EQ(moved.top, monitor.rcWork.top);
}

// --- Painting ---------------------------------------------------------------------

TEST_F(BarTest, PaintsBorderEdgesCaptionSplittersAndTheStrip) {
  barSettings.bdColor = RGB(200, 200, 200);
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  const Snapshot shown = Repainted(bar);
  const int h = barState.barHeight;
  const COLORREF caption = GetSysColor(COLOR_ACTIVECAPTION);
  const std::pair<POINT, COLORREF> expected[] = {
      {{0, 200}, kWhite},          {{100, 0}, kWhite},         // light outer left and top
      {{2, 200}, RGB(200, 200, 200)},                          // the band itself
      {{199, 200}, kDarkEdge},     {{100, h - 1}, kDarkEdge},  // dark outer right and bottom
      {{196, 200}, kWhite},        {{100, h - 4}, kWhite},     // light inner right and bottom
      {{130, 14}, caption},        {{100, 4}, caption},        // the band covers the inner dark line
      {{100, 110}, kIndigo},       {{100, 325}, kIndigo},      // splitter gaps
      {{6, 330}, kIndigo},         {{100, 380}, kIndigo},      // the strip between its buttons
      {{10, 335}, kTidgetGreen}};
  for (const auto& [at, color] : expected) EXPECT_EQ(shown.At(at.x, at.y), color) << at.x << "," << at.y;
  EXPECT_GT(shown.CountNot({4, 4, 60, 28}, caption), 20);  // the title in the band's left part
}

TEST_F(BarTest, FlatBorderHasNoEdgeLines) {
  barSettings.bdStyle = 1;
  barSettings.bdColor = RGB(40, 40, 40);
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  const Snapshot shown = Repainted(bar);
  for (POINT at : {POINT{0, 200}, POINT{199, 200}, POINT{100, 0}, POINT{196, 200}})
    EXPECT_EQ(shown.At(at.x, at.y), RGB(40, 40, 40)) << at.x << "," << at.y;
}

TEST_F(BarTest, HorizontalCaptionRunsDownTheLeftWithTheTitleUpwards) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  SendMessageW(bar, WM_COMMAND, ID_TOGGLE_DIRECTION, 0);
  const Snapshot shown = Repainted(bar);
  const COLORREF caption = GetSysColor(COLOR_ACTIVECAPTION);
  EXPECT_EQ(shown.At(5, 8), caption);
  EXPECT_EQ(shown.At(150, 60), kIndigo);  // the gap after the first column
  // The title starts 50 pixels above the bottom and runs upwards from there.
  EXPECT_GT(shown.CountNot({4, 8, 28, 70}, caption), 20);
  EXPECT_EQ(shown.CountNot({4, 71, 28, 76}, caption), 0);
}

TEST_F(BarTest, RepaintsAndLayoutsLeaveTheGdiCountUnchanged) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  Repainted(bar);
  const int before = gdi::LiveObjects();
  for (int i = 0; i < 5; ++i) {
    Repainted(bar);
    LayoutBar();
  }
  EXPECT_EQ(gdi::LiveObjects(), before);
}

// --- Commands and the menu ----------------------------------------------------------

TEST_F(BarTest, StylesFollowTheTopmostOption) {
  barSettings.alwaysontop = false;
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  EXPECT_FALSE(GetWindowLongW(bar, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetWindowLongW(bar, GWL_STYLE) & (WS_POPUP | WS_CLIPCHILDREN | WS_CAPTION),
            static_cast<LONG>(WS_POPUP | WS_CLIPCHILDREN));
  SendMessageW(bar, WM_COMMAND, ID_ALWAYS_ON_TOP, 0);
  EXPECT_TRUE(GetWindowLongW(bar, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(barSettings.alwaysontop);
}

TEST_F(BarTest, NoticesShowTheirTextsUnderTheProgramName) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  barState.placementChanged = false;
  auto run = [&](UINT command) {
    return test_support::AnswerModal(bar, IDOK, [&] { SendMessageW(bar, WM_COMMAND, command, 0); });
  };
  const test_support::Answered help = run(ID_HELP_NOTICE);
  ASSERT_TRUE(help.seen);
  EXPECT_EQ(help.text, L"도움말은 차후 기능이 어느 정도 완성된 후에 제공할 예정입니다.\r\n");
  EXPECT_EQ(help.caption, L"Pelgra");
  EXPECT_EQ(run(ID_ABOUT).text, AsWide(AboutText(mainWindow.texts).c_str()));
  EXPECT_FALSE(barState.placementChanged);
  // "환경 설정" opens its dialog; the command also marks the placement to be saved.
  const test_support::Answered preferences = test_support::AnswerModal(
      bar, IDCANCEL, [&] { SendMessageW(bar, WM_COMMAND, ID_PREFERENCES, 0); });
  EXPECT_EQ(preferences.caption, L"환경 설정");
  EXPECT_TRUE(barState.placementChanged);
}

TEST_F(BarTest, MenuHoldsBothPopupsInOrder) {
  HMENU menu = LoadBarMenu(Language::Korean, false);
  ASSERT_TRUE(menu);
  auto text = [](HMENU popup, int position) {
    wchar_t item[64] = {};
    GetMenuStringW(popup, position, item, 64, MF_BYPOSITION);
    return std::wstring(item);
  };
  EXPECT_EQ(text(menu, 0), L"메인 팝업");
  EXPECT_EQ(text(menu, 1), L"계산기팝업");
  const std::pair<UINT, const wchar_t*> items[] = {
      {ID_TOGGLE_DIRECTION, L"방향 전환"}, {ID_ALWAYS_ON_TOP, L"항상 위"}, {ID_PREFERENCES, L"환경 설정"},
      {ID_SELECT_WIDGETS, L"위젯 선택"},   {ID_SELECT_TIDGETS, L"티젯 선택"}, {0, L""},
      {ID_ABOUT, L"프로그램 소개"},        {ID_HELP_NOTICE, L"도움말"}};
  HMENU bar = GetSubMenu(menu, 0);
  ASSERT_EQ(GetMenuItemCount(bar), 8);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(GetMenuItemID(bar, i), items[i].first) << i;
    EXPECT_EQ(text(bar, i), items[i].second) << i;
  }
  EXPECT_TRUE(GetMenuState(bar, 5, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_FALSE(GetMenuState(bar, ID_ALWAYS_ON_TOP, MF_BYCOMMAND) & MF_CHECKED);
  HMENU calc = GetSubMenu(menu, 1);
  ASSERT_EQ(GetMenuItemCount(calc), 2);
  EXPECT_EQ(GetMenuItemID(calc, 0), static_cast<UINT>(ID_CALC_REINPUT));
  EXPECT_EQ(text(calc, 0), L"계산 결과 재입력\tTab");
  EXPECT_EQ(GetMenuItemID(calc, 1), static_cast<UINT>(ID_CALC_AUTOCOPY));
  EXPECT_EQ(text(calc, 1), L"계산 결과 자동 복사");
  DestroyMenu(menu);
}

// Opens the popup from the menu button and answers whether "항상 위" is checked in it.
std::optional<bool> ShownTopmostCheck(HWND bar) {
  std::optional<bool> checked;
  auto readShownMenu = [&] {
    for (HWND shown = nullptr; (shown = FindWindowExW(nullptr, shown, L"#32768", nullptr));) {
      auto menu = reinterpret_cast<HMENU>(SendMessageW(shown, 0x01E1 /* MN_GETHMENU */, 0, 0));
      if (!IsWindowVisible(shown) || !menu) continue;
      if (GetMenuItemCount(menu) == 8) checked = (GetMenuState(menu, ID_ALWAYS_ON_TOP, MF_BYCOMMAND) & MF_CHECKED) != 0;
      EndMenu();
      return true;
    }
    return false;
  };
  test_support::WhileModal([&] { SendMessageW(bar, WM_COMMAND, kMenuButtonId, 0); }, readShownMenu);
  return checked;
}

TEST_F(BarTest, MenuButtonShowsThePopupCheckedWhileTopmost) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  EXPECT_EQ(ShownTopmostCheck(bar), true);
  SendMessageW(bar, WM_COMMAND, ID_ALWAYS_ON_TOP, 0);
  EXPECT_EQ(ShownTopmostCheck(bar), false);
}

// --- Creation and destruction ------------------------------------------------------

TEST_F(BarTest, CreationMakesTheSharedFontsAndDestructionReleasesAll) {
  const int before = gdi::LiveObjects();
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  EXPECT_EQ(mainWindow.BarWindow(), bar);
  EXPECT_TRUE(normalFont && smallFont && largeFont);
  LOGFONTW font{};
  GetObjectW(largeFont, sizeof font, &font);
  EXPECT_EQ(font.lfHeight, 28);
  EXPECT_STREQ(font.lfFaceName, L"맑은 고딕");
  EXPECT_EQ(font.lfCharSet, HANGEUL_CHARSET);
  DestroyWindow(bar);
  EXPECT_FALSE(normalFont || smallFont || largeFont);
  EXPECT_EQ(mainWindow.BarWindow(), nullptr);
  panels_.clear();
  buttons_.clear();
  trayWindow.bgBrush.reset();
  trayWindow.backBuffer.reset();
  EXPECT_EQ(gdi::LiveObjects(), before);
  EXPECT_FALSE(ini.Exists());  // nothing changed: nothing written
}

// --- Tooltips ----------------------------------------------------------------------

// Every tool of the bar's tooltip: the control it names and its text.
std::map<HWND, std::wstring> TooltipTexts(HWND bar) {
  std::map<HWND, std::wstring> texts;
  HWND tip = TooltipOf(bar);
  const auto count = static_cast<int>(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t text[80] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.lpszText = text;
    if (SendMessageW(tip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&tool)))
      texts[reinterpret_cast<HWND>(tool.uId)] = text;
  }
  return texts;
}

TEST_F(BarTest, IconOnlyButtonsOfTheDefaultSetSayWhatTheyDo) {
  BuildDefaultSet(widgetList, tidgetList);
  HWND bar = CreateBarWindow();
  ASSERT_TRUE(bar);
  auto widget = [this](const char16_t* kind) -> CWidget* {
    for (WidgetInfo& record : widgetList)
      if (FieldView(record.kind) == kind) return record.widget;
    return nullptr;
  };
  auto tidget = [this](const char16_t* kind) -> HWND {
    for (TidgetInfo& record : tidgetList)
      if (FieldView(record.kind) == kind && record.tidget) return record.tidget->hwnd;
    return nullptr;
  };
  auto* player = dynamic_cast<CMusicPlayer*>(widget(u"MusicPlayer"));
  auto* memo = dynamic_cast<CMemo*>(widget(u"Memo"));
  auto* calc = dynamic_cast<CCalc*>(widget(u"Calc"));
  ASSERT_TRUE(player && memo && calc);
  auto control = [&](int id) { return GetDlgItem(player->hwnd, id); };
  const std::pair<HWND, std::wstring> expected[] = {
      {mainWindow.closeButton, L"닫기"},        {mainWindow.menuButton, L"메뉴"},
      {tidget(u"LCDTest"), L"LCD 테스트"},      {tidget(u"SizeMeter"), L"크기 측정"},
      {tidget(u"OneImage"), L"참조 이미지"},    {tidget(u"MoveCursor"), L"커서 이동"},
      {tidget(u"TextClip"), L"클립보드 변환"},  {tidget(u"Tetris"), L"테트리스"},
      {tidget(u"ColorTable"), L"색상표"},       {control(kPlayButton), L"재생/일시 정지"},
      {control(kStopButton), L"정지"},          {control(kPreviousButton), L"이전 곡"},
      {control(kNextButton), L"다음 곡"},       {control(kRandomButton), L"무작위 재생"},
      {control(kTabOfList0), L"목록 1"},        {control(kTabOfList0 + 1), L"목록 2"},
      {control(kTabOfList0 + 2), L"목록 3"},    {control(kTabOfList0 + 3), L"목록 4"},
      {control(kAddButton), L"파일 추가"},      {control(kClearButton), L"목록 비우기"},
      {memo->addButton, L"새 메모"},            {memo->deleteButton, L"메모 삭제"},
      {memo->openButton, L"메모 창 열기"},      {calc->copyButton, L"결과 복사"},
  };
  // The tools reach the tooltip with the first mouse message, not while the bar starts.
  HWND tip = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM found) {
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        if (std::wstring(name) != TOOLTIPS_CLASSW) return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&tip));
  EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 0);
  MSG move{};
  move.hwnd = mainWindow.menuButton;
  move.message = WM_MOUSEMOVE;
  RelayToTooltip(move);
  EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), static_cast<LRESULT>(std::size(expected)));
  EXPECT_EQ(tip, TooltipOf(bar));
  std::map<HWND, std::wstring> texts = TooltipTexts(bar);
  EXPECT_EQ(texts.size(), std::size(expected));
  for (const auto& [window, text] : expected) {
    EXPECT_TRUE(IsWindow(window)) << text;
    EXPECT_EQ(texts[window], text);
    EXPECT_EQ(test_support::TextOf(window), text);  // the name screen readers read
  }
  DestroyWindow(calc->hwnd);  // a removed widget takes its tool along
  EXPECT_EQ(TooltipTexts(bar).size(), std::size(expected) - 1);
  DestroyWindow(bar);
  ReleaseRecordObjects();
}

// The program's loop keeps the beat while a message box runs a loop of its own, takes
// it back afterwards, and never beats twice in one period.
namespace loop_case {
std::vector<ULONGLONG> beats;
int inBox = 0, after = 0;
bool boxOpen = false;
constexpr wchar_t kCaption[] = L"PelgraLoopTest";

void CloseBox() {
  if (HWND box = FindWindowW(L"#32770", kCaption)) PostMessageW(box, WM_COMMAND, IDOK, 0);
}

void CALLBACK OpenBox(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  boxOpen = true;
  MessageBoxW(nullptr, L"beat", kCaption, MB_OK);
  boxOpen = false;
}

// Should the beat stop in the box, the test ends with what it has.
void CALLBACK GiveUp(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  CloseBox();
  PostQuitMessage(1);
}

void Beat() {
  beats.push_back(GetTickCount64());
  if (boxOpen && ++inBox == 2) CloseBox();
  if (!boxOpen && inBox >= 2 && ++after == 2) PostQuitMessage(0);
}
}  // namespace loop_case

TEST(MessageLoop, KeepsTheBeatThroughAModalLoopAndNeverDoublesIt) {
  SetTimer(nullptr, 0, 10, loop_case::OpenBox);
  const UINT_PTR watchdog = SetTimer(nullptr, 0, 15000, loop_case::GiveUp);
  OpenPopup popup;
  EXPECT_EQ(RunMessageLoop(popup, loop_case::Beat), 0);
  KillTimer(nullptr, watchdog);
  EXPECT_EQ(loop_case::inBox, 2);
  EXPECT_EQ(loop_case::after, 2);
  // A beat taken late is followed by one on time, so a busy machine shortens a gap;
  // a beat from both the loop and its timer would come within some 50 ms.
  for (size_t i = 1; i < loop_case::beats.size(); ++i)
    EXPECT_GE(loop_case::beats[i] - loop_case::beats[i - 1], 500u) << "beat " << i;
}

// A bar in front asks nothing at its beats; once another window takes the foreground,
// the next beat looks again and steps back behind a full-screen one.
namespace front_case {
ScreenSharing* sharing = nullptr;
BarSettings options;
LRESULT CALLBACK BarProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (sharing) sharing->Handle(hwnd, options, msg, wParam);
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}
}  // namespace front_case

TEST(FrontWatch, ABarInFrontLooksAgainOnceItLosesTheForeground) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = front_case::BarProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"PelgraFrontBar";
  RegisterClassW(&wc);
  ScreenSharing screen;
  front_case::sharing = &screen;
  front_case::options.alwaysontop = front_case::options.fullScreenStepBack = true;
  HWND bar = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                             nullptr, wc.hInstance, nullptr);
  SetForegroundWindow(bar);
  PumpMessages();
  screen.LookAtFront(bar, front_case::options, true);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(bar, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& m = monitor.rcMonitor;
  HWND cover = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, m.left, m.top, m.right - m.left,
                               m.bottom - m.top, nullptr, nullptr, wc.hInstance, nullptr);
  SetForegroundWindow(cover);
  PumpMessages();
  screen.LookAtFront(bar, front_case::options, true);
  EXPECT_EQ(GetWindowLongW(bar, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  DestroyWindow(cover);
  DestroyWindow(bar);
  front_case::sharing = nullptr;
}

}  // namespace
