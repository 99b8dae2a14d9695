#include "app/bar_win.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/bar_settings.h"
#include "app/bar_state.h"
#include "app/layout_win.h"
#include "app/shell_win.h"
#include "app/tray_win.h"
#include "core/geometry_win.h"
#include "core/records.h"
#include "core/settings_win.h"
#include "core/wide_win.h"
#include "res/resource.h"
#include "support/win_test_support.h"
#include "widgets/dget_win.h"

namespace {

using test_support::PumpMessages;
using test_support::WindowPixel;

constexpr COLORREF kIndigo = RGB(0x4B, 0x00, 0x82);

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

class BarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    iniPath_ = std::wstring(temp) + L"pelgra-bar-test.ini";
    DeleteFileW(iniPath_.c_str());
    savedIniPath_ = settings.iniPath;
    settings.iniPath = iniPath_;
    barSettings = BarSettings{};
    barState = BarState{};
    widgetList.Clear();
    tidgetList.Clear();
    trayWindow.bgBrush.reset();
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
    DeleteFileW(iniPath_.c_str());
    settings.iniPath = savedIniPath_;
  }

  void AddPanel(int thickness, bool merged = false, int ratio = 100, bool visible = true) {
    WidgetInfo record;
    CopyField(record.caption, u"패널");
    CopyField(record.kind, u"TestPanel");
    CopyField(record.name, u"TestPanel_" + FormatInt(widgetList.count() + 1));
    record.visible = visible;
    record.vertHeight = thickness;
    record.horzWidth = thickness + 40;
    record.bgColor = RGB(255, 239, 213);
    record.merged = merged;
    record.ratio = ratio;
    widgetList.Append(std::move(record));
  }

  void AddTidgets(int count) {
    for (int i = 0; i < count; ++i) {
      TidgetInfo record;
      CopyField(record.kind, u"TestTidget");
      CopyField(record.name, u"TestTidget_" + FormatInt(tidgetList.count() + 1));
      record.visible = true;
      tidgetList.Append(std::move(record));
    }
  }

  // The bar with test panels in place of the records' (unknown) kinds, shown.
  HWND CreateBar() {
    HWND bar = CreateBarWindow();
    if (!bar) return nullptr;
    for (WidgetInfo& record : widgetList) {
      auto panel = std::make_unique<TestPanel>(AsWide(record.caption), AsWide(record.name));
      panel->height = record.vertHeight;
      panel->width = record.horzWidth;
      panel->bgBrush = gdi::SolidBrush(record.bgColor);
      panel->Create(bar, 0, L"", WS_CHILD | WS_VISIBLE);
      record.widget = panel.get();
      panels_.push_back(std::move(panel));
    }
    for (TidgetInfo& record : tidgetList) {
      auto button = std::make_unique<TestTidget>(AsWide(record.caption), AsWide(record.name));
      button->bgBrush = gdi::SolidBrush(RGB(0, 128, 0));
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

  // The default set's shape: clock, CPU, memory with the battery merged, disk.
  HWND CreateDefaultShapedBar() {
    AddPanel(80);
    AddPanel(100);
    AddPanel(50);
    AddPanel(50, true);
    AddPanel(50);
    AddTidgets(7);
    return CreateBar();
  }

  LPARAM ClientPoint(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

  LPARAM ScreenPoint(HWND bar, int x, int y) {
    POINT p{x, y};
    ClientToScreen(bar, &p);
    return ClientPoint(p.x, p.y);
  }

  bool IniExists() const { return GetFileAttributesW(iniPath_.c_str()) != INVALID_FILE_ATTRIBUTES; }
  int IniInt(const wchar_t* key) const { return static_cast<int>(GetPrivateProfileIntW(L"main", key, -1, iniPath_.c_str())); }
  std::wstring IniString(const wchar_t* key) const {
    wchar_t value[300] = {};
    GetPrivateProfileStringW(L"main", key, L"<missing>", value, 300, iniPath_.c_str());
    return value;
  }

  std::vector<std::unique_ptr<TestPanel>> panels_;
  std::vector<std::unique_ptr<TestTidget>> buttons_;
  std::wstring iniPath_;
  std::wstring savedIniPath_;
};

// --- Modal boxes and menus, answered from a timer inside their own loops ----------

struct ModalCapture {
  std::wstring text;
  std::wstring caption;
  bool seen = false;
  UINT checkState = 0;
  int items = 0;
};
ModalCapture modal;

BOOL CALLBACK CloseDialog(HWND window, LPARAM) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (!IsWindowVisible(window) || std::wstring(name) != L"#32770") return TRUE;
  wchar_t text[512] = {};
  GetDlgItemTextW(window, 0xFFFF, text, 512);
  wchar_t caption[64] = {};
  GetWindowTextW(window, caption, 64);
  modal.text = text;
  modal.caption = caption;
  modal.seen = true;
  PostMessageW(window, WM_COMMAND, IDOK, 0);
  return FALSE;
}

void CALLBACK CloseDialogTimer(HWND, UINT, UINT_PTR id, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), CloseDialog, 0);
  if (modal.seen) KillTimer(nullptr, id);
}

BOOL CALLBACK ReadMenu(HWND window, LPARAM) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (std::wstring(name) != L"#32768" || !IsWindowVisible(window)) return TRUE;
  HMENU shown = reinterpret_cast<HMENU>(SendMessageW(window, 0x01E1 /* MN_GETHMENU */, 0, 0));
  if (!shown) return TRUE;
  modal.items = GetMenuItemCount(shown);
  modal.checkState = GetMenuState(shown, ID_ALWAYS_ON_TOP, MF_BYCOMMAND) & MF_CHECKED;
  modal.seen = true;
  return FALSE;
}

void CALLBACK ReadMenuTimer(HWND, UINT, UINT_PTR id, DWORD) {
  EnumWindows(ReadMenu, 0);
  if (modal.seen) {
    KillTimer(nullptr, id);
    EndMenu();
  }
}

// Runs a command that opens a modal box; the timer reads it and closes it.
ModalCapture RunModalCommand(HWND bar, UINT command, TIMERPROC answer = CloseDialogTimer) {
  modal = ModalCapture{};
  UINT_PTR timer = SetTimer(nullptr, 0, 50, answer);
  SendMessageW(bar, WM_COMMAND, command, 0);
  KillTimer(nullptr, timer);
  return modal;
}

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

  EXPECT_EQ(ChildRect(panels_[0]->hwnd), (Rect{4, 28, 196, 108}));
  EXPECT_EQ(ChildRect(panels_[1]->hwnd), (Rect{4, 113, 196, 213}));
  EXPECT_EQ(ChildRect(panels_[2]->hwnd), (Rect{4, 218, 97, 268}));
  EXPECT_EQ(ChildRect(panels_[3]->hwnd), (Rect{102, 218, 196, 268}));
  EXPECT_EQ(ChildRect(panels_[4]->hwnd), (Rect{4, 273, 196, 323}));
  EXPECT_EQ(panels_[1]->top, 113);
  EXPECT_EQ(panels_[3]->top, 218);

  ASSERT_TRUE(trayWindow.hwnd);
  EXPECT_EQ(GetParent(trayWindow.hwnd), bar);
  EXPECT_EQ(GetDlgCtrlID(trayWindow.hwnd), 2);
  EXPECT_EQ(ChildRect(trayWindow.hwnd), (Rect{4, 328, 196, 388}));
  EXPECT_EQ(trayWindow.top, 328);
  EXPECT_EQ(ChildRect(buttons_[0]->hwnd), (Rect{4, 4, 28, 28}));
  EXPECT_EQ(ChildRect(buttons_[5]->hwnd), (Rect{144, 4, 168, 28}));
  EXPECT_EQ(ChildRect(buttons_[6]->hwnd), (Rect{4, 32, 28, 56}));

  HWND close = GetDlgItem(bar, 1);
  ASSERT_TRUE(close);
  EXPECT_EQ(ChildRect(close), (Rect{178, 8, 194, 24}));
  EXPECT_EQ(ChildRect(mainWindow.menuButton), (Rect{158, 8, 174, 24}));
}

TEST_F(BarTest, HiddenAndUnknownRecordsGetNoPlaceButAreKept) {
  AddPanel(80);
  AddPanel(60, false, 100, false);
  AddPanel(70);
  HWND bar = CreateBar();
  ASSERT_TRUE(bar);
  // An unknown kind added afterwards has no window: the layout passes it over.
  WidgetInfo unknown = ParseWidgetLine(u"미래§FutureKind§FutureKind_1§1§70§120§255§0§100");
  widgetList.Insert(0, std::move(unknown));
  LayoutBar();
  EXPECT_EQ(ChildRect(panels_[0]->hwnd), (Rect{4, 28, 196, 108}));
  EXPECT_EQ(ChildRect(panels_[1]->hwnd), (Rect{0, 0, 0, 0}));
  EXPECT_EQ(ChildRect(panels_[2]->hwnd).top, 113);

  barState.listsChanged = true;
  DestroyWindow(bar);
  EXPECT_EQ(IniInt(L"wnum"), 4);
  EXPECT_EQ(IniString(L"widget_0"), L"미래§FutureKind§FutureKind_1§1§70§120§255§0§100");
  EXPECT_EQ(IniString(L"widget_2"), L"패널§TestPanel§TestPanel_2§0§60§100§14020607§0§100");
}

TEST_F(BarTest, ToggleDirectionLaysTheBarOutHorizontally) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  barState.placementChanged = false;
  SendMessageW(bar, WM_COMMAND, ID_TOGGLE_DIRECTION, 0);
  EXPECT_FALSE(barSettings.vertical);
  EXPECT_TRUE(barState.placementChanged);
  RECT window{};
  GetWindowRect(bar, &window);
  EXPECT_EQ(window.bottom - window.top, 120);
  // Widths are the records' horizontal ones (thickness + 40 here).
  EXPECT_EQ(ChildRect(panels_[0]->hwnd), (Rect{28, 4, 148, 116}));
  EXPECT_EQ(ChildRect(panels_[2]->hwnd), (Rect{298, 4, 388, 57}));
  EXPECT_EQ(ChildRect(panels_[3]->hwnd), (Rect{298, 62, 388, 116}));
  EXPECT_EQ(panels_[3]->left, 298);
  EXPECT_EQ(window.right - window.left, barState.barWidth);
  EXPECT_EQ(ChildRect(trayWindow.hwnd).left, trayWindow.left);
  EXPECT_EQ(ChildRect(GetDlgItem(bar, 1)), (Rect{8, 96, 24, 112}));

  SendMessageW(bar, WM_COMMAND, ID_TOGGLE_DIRECTION, 0);
  GetWindowRect(bar, &window);
  EXPECT_EQ(window.right - window.left, 200);
  EXPECT_EQ(window.bottom - window.top, 392);
}

TEST_F(BarTest, ResizingTheThicknessRelaysTheBar) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  barState.placementChanged = false;
  SetWindowPos(bar, nullptr, 0, 0, 250, 300, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(barSettings.vertThick, 250);
  EXPECT_TRUE(barState.placementChanged);
  EXPECT_EQ(ChildRect(panels_[0]->hwnd).Width(), 242);
  EXPECT_EQ(ChildRect(GetDlgItem(bar, 1)).left, 228);
  // The length follows the content: all seven tidgets now fit on one line.
  RECT window{};
  GetWindowRect(bar, &window);
  EXPECT_EQ(window.bottom - window.top, 392 - 28);

  // A minimised bar's empty client is not a new thickness.
  SendMessageW(bar, WM_SIZE, SIZE_MINIMIZED, 0);
  EXPECT_EQ(barSettings.vertThick, 250);
}

// --- Hit tests, cursor, limits, snapping --------------------------------------------

TEST_F(BarTest, HitTestCodesFollowTheOrientation) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  auto hit = [&](int x, int y) { return SendMessageW(bar, WM_NCHITTEST, 0, ScreenPoint(bar, x, y)); };
  EXPECT_EQ(hit(1, 200), HTLEFT);
  EXPECT_EQ(hit(197, 200), HTRIGHT);
  EXPECT_EQ(hit(60, 0), HTCAPTION);
  EXPECT_EQ(hit(60, 24), HTCAPTION);
  EXPECT_EQ(hit(60, 110), HTCLIENT);
  EXPECT_EQ(hit(100, 390), HTCLIENT);
  // Outside the window the default answer stands.
  EXPECT_EQ(hit(-5, 200), HTNOWHERE);

  SendMessageW(bar, WM_COMMAND, ID_TOGGLE_DIRECTION, 0);
  EXPECT_EQ(hit(200, 1), HTTOP);
  EXPECT_EQ(hit(200, 118), HTBOTTOM);
  EXPECT_EQ(hit(10, 60), HTCAPTION);
  EXPECT_EQ(hit(150, 60), HTCLIENT);
}

TEST_F(BarTest, SplitterCursorShowsOnlyOverAGap) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  const HCURSOR upDown = LoadCursorW(appInstance, MAKEINTRESOURCEW(IDC_SPLIT_UPDOWN));
  const HCURSOR leftRight = LoadCursorW(appInstance, MAKEINTRESOURCEW(IDC_SPLIT_LEFTRIGHT));
  ASSERT_TRUE(upDown);
  ASSERT_TRUE(leftRight);
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
  MINMAXINFO info{};
  info.ptMinTrackSize = {11, 12};
  info.ptMaxTrackSize = {13, 14};
  EXPECT_EQ(SendMessageW(bar, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)), 0);
  EXPECT_EQ(info.ptMinTrackSize.x, 100);
  EXPECT_EQ(info.ptMaxTrackSize.x, 640);
  EXPECT_EQ(info.ptMinTrackSize.y, 12);
  EXPECT_EQ(info.ptMaxTrackSize.y, 14);

  SendMessageW(bar, WM_COMMAND, ID_TOGGLE_DIRECTION, 0);
  info.ptMinTrackSize = {11, 12};
  info.ptMaxTrackSize = {13, 14};
  SendMessageW(bar, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 11);
  EXPECT_EQ(info.ptMaxTrackSize.x, 13);
  EXPECT_EQ(info.ptMinTrackSize.y, 100);
  EXPECT_EQ(info.ptMaxTrackSize.y, 640);
}

TEST_F(BarTest, MovedBarSnapsToTheWorkAreaEdges) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(bar, MONITOR_DEFAULTTONEAREST), &monitor);
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

// --- Splitter drag ----------------------------------------------------------------

TEST_F(BarTest, DraggingASplitterResizesItsRowWithinTheLimits) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  barState.listsChanged = false;
  // A press away from any gap takes no capture.
  SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(100, 60));
  EXPECT_EQ(mainWindow.dragIndex, -1);
  EXPECT_NE(GetCapture(), bar);

  SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(100, 110));
  EXPECT_EQ(mainWindow.dragIndex, 0);
  EXPECT_EQ(GetCapture(), bar);
  SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(100, 128));
  EXPECT_EQ(panels_[0]->height, 100);
  EXPECT_EQ(widgetList[0].vertHeight, 100);
  EXPECT_TRUE(barState.listsChanged);
  EXPECT_EQ(ChildRect(panels_[1]->hwnd).top, 133);
  SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(100, 110 + 500));
  EXPECT_EQ(widgetList[0].vertHeight, 300);
  // Above the bar: the y is negative as a signed 16-bit value.
  SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(100, -40));
  EXPECT_EQ(widgetList[0].vertHeight, 30);
  EXPECT_EQ(ChildRect(panels_[0]->hwnd).Height(), 30);
  SendMessageW(bar, WM_LBUTTONUP, 0, ClientPoint(100, -40));
  EXPECT_EQ(mainWindow.dragIndex, -1);
  EXPECT_NE(GetCapture(), bar);
  // Without the capture a move changes nothing.
  SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(100, 200));
  EXPECT_EQ(widgetList[0].vertHeight, 30);
}

TEST_F(BarTest, DraggingAGroupSplitterResizesTheWholeRow) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  // The memory row (218..268) has its gap at 268..273.
  SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(150, 273));
  EXPECT_EQ(mainWindow.dragIndex, 2);
  SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(150, 298));
  SendMessageW(bar, WM_LBUTTONUP, 0, ClientPoint(150, 298));
  EXPECT_EQ(widgetList[2].vertHeight, 80);
  EXPECT_EQ(widgetList[3].vertHeight, 50);  // the follower's own is not touched
  EXPECT_EQ(ChildRect(panels_[2]->hwnd).Height(), 80);
  EXPECT_EQ(ChildRect(panels_[3]->hwnd).Height(), 80);
}

TEST_F(BarTest, HorizontalDragChangesTheWidth) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  SendMessageW(bar, WM_COMMAND, ID_TOGGLE_DIRECTION, 0);
  // The first column ends at 28 + 120 = 148.
  SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(150, 60));
  EXPECT_EQ(mainWindow.dragIndex, 0);
  SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(128, 60));
  SendMessageW(bar, WM_LBUTTONUP, 0, ClientPoint(128, 60));
  EXPECT_EQ(widgetList[0].horzWidth, 100);
  EXPECT_EQ(widgetList[0].vertHeight, 80);
  EXPECT_EQ(ChildRect(panels_[1]->hwnd).left, 133);
}

// --- Painting ---------------------------------------------------------------------

void Repaint(HWND bar) {
  RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  PumpMessages();
}

TEST_F(BarTest, PaintsBorderEdgesCaptionAndSplitters) {
  barSettings.bdColor = RGB(200, 200, 200);
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  Repaint(bar);
  const int h = barState.barHeight;
  EXPECT_EQ(WindowPixel(bar, 0, 200), RGB(255, 255, 255));  // light outer left
  EXPECT_EQ(WindowPixel(bar, 100, 0), RGB(255, 255, 255));  // light outer top
  EXPECT_EQ(WindowPixel(bar, 2, 200), RGB(200, 200, 200));  // the band itself
  EXPECT_EQ(WindowPixel(bar, 199, 200), RGB(136, 136, 136));  // dark outer right
  EXPECT_EQ(WindowPixel(bar, 100, h - 1), RGB(136, 136, 136));  // dark outer bottom
  EXPECT_EQ(WindowPixel(bar, 196, 200), RGB(255, 255, 255));  // light inner right
  EXPECT_EQ(WindowPixel(bar, 100, h - 4), RGB(255, 255, 255));  // light inner bottom
  const COLORREF caption = GetSysColor(COLOR_ACTIVECAPTION);
  EXPECT_EQ(WindowPixel(bar, 130, 14), caption);
  EXPECT_EQ(WindowPixel(bar, 100, 4), caption);  // the band covers the inner dark line
  EXPECT_EQ(WindowPixel(bar, 100, 110), kIndigo);  // splitter gap
  EXPECT_EQ(WindowPixel(bar, 100, 325), kIndigo);  // gap before the strip
  // The title is written in the band's left part.
  int titlePixels = 0;
  for (int x = 4; x < 60; ++x)
    for (int y = 4; y < 28; ++y) titlePixels += WindowPixel(bar, x, y) != caption ? 1 : 0;
  EXPECT_GT(titlePixels, 20);
  // The strip shows the content colour between its buttons.
  EXPECT_EQ(WindowPixel(trayWindow.hwnd, 2, 2), kIndigo);
  EXPECT_EQ(WindowPixel(trayWindow.hwnd, 100, 50), kIndigo);
  EXPECT_EQ(WindowPixel(buttons_[0]->hwnd, 5, 5), RGB(0, 128, 0));
}

TEST_F(BarTest, FlatBorderHasNoEdgeLines) {
  barSettings.bdStyle = 1;
  barSettings.bdColor = RGB(40, 40, 40);
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  Repaint(bar);
  EXPECT_EQ(WindowPixel(bar, 0, 200), RGB(40, 40, 40));
  EXPECT_EQ(WindowPixel(bar, 199, 200), RGB(40, 40, 40));
  EXPECT_EQ(WindowPixel(bar, 100, 0), RGB(40, 40, 40));
  EXPECT_EQ(WindowPixel(bar, 196, 200), RGB(40, 40, 40));
}

TEST_F(BarTest, HorizontalCaptionRunsDownTheLeftWithTheTitleUpwards) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  SendMessageW(bar, WM_COMMAND, ID_TOGGLE_DIRECTION, 0);
  Repaint(bar);
  const COLORREF caption = GetSysColor(COLOR_ACTIVECAPTION);
  EXPECT_EQ(WindowPixel(bar, 5, 8), caption);
  EXPECT_EQ(WindowPixel(bar, 150, 60), kIndigo);  // the gap after the first column
  // The title starts 50 pixels above the bottom and runs upwards from there;
  // nothing of it lies below that line.
  int above = 0;
  int below = 0;
  for (int x = 4; x < 28; ++x) {
    for (int y = 8; y < 70; ++y) above += WindowPixel(bar, x, y) != caption ? 1 : 0;
    for (int y = 71; y < 76; ++y) below += WindowPixel(bar, x, y) != caption ? 1 : 0;
  }
  EXPECT_GT(above, 20);
  EXPECT_EQ(below, 0);
}

TEST_F(BarTest, RepaintsAndLayoutsLeaveTheGdiCountUnchanged) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  Repaint(bar);
  const int before = gdi::LiveObjects();
  for (int i = 0; i < 5; ++i) {
    Repaint(bar);
    LayoutBar();
    PumpMessages();
  }
  EXPECT_EQ(gdi::LiveObjects(), before);
}

// --- Commands and the menu ----------------------------------------------------------

TEST_F(BarTest, BarStartsWithoutTopmostWhenTheOptionIsOff) {
  barSettings.alwaysontop = false;
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  EXPECT_FALSE(GetWindowLongW(bar, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetWindowLongW(bar, GWL_STYLE) & (WS_POPUP | WS_CLIPCHILDREN | WS_CAPTION),
            static_cast<LONG>(WS_POPUP | WS_CLIPCHILDREN));
}

TEST_F(BarTest, NoticesShowTheirTextsUnderTheProgramName) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  barState.placementChanged = false;
  ModalCapture help = RunModalCommand(bar, ID_HELP_NOTICE);
  ASSERT_TRUE(help.seen);
  EXPECT_EQ(help.text, L"도움말은 차후 기능이 어느 정도 완성된 후에 제공할 예정입니다.\r\n");
  EXPECT_EQ(help.caption, L"Pelgra");
  EXPECT_FALSE(barState.placementChanged);
  ModalCapture about = RunModalCommand(bar, ID_ABOUT);
  EXPECT_EQ(about.text, AboutText());
  EXPECT_FALSE(barState.placementChanged);
  ModalCapture preferences = RunModalCommand(bar, ID_PREFERENCES);
  EXPECT_EQ(preferences.text, L"설정 대화상자 아직 미작성\r\n");
  EXPECT_TRUE(barState.placementChanged);
}

TEST_F(BarTest, SelectionCommandsMarkTheListsChanged) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  barState.listsChanged = false;
  RunModalCommand(bar, ID_SELECT_WIDGETS);
  EXPECT_TRUE(barState.listsChanged);
  barState.listsChanged = false;
  RunModalCommand(bar, ID_SELECT_TIDGETS);
  EXPECT_TRUE(barState.listsChanged);
  EXPECT_TRUE(IsWindow(bar));
}

TEST_F(BarTest, MenuResourceHoldsBothPopupsInOrder) {
  HMENU menu = LoadBarMenu(false);
  ASSERT_TRUE(menu);
  wchar_t text[64] = {};
  GetMenuStringW(menu, 0, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"메인 팝업");
  GetMenuStringW(menu, 1, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"계산기팝업");
  HMENU bar = GetSubMenu(menu, 0);
  const UINT ids[] = {ID_TOGGLE_DIRECTION, ID_ALWAYS_ON_TOP, ID_PREFERENCES, ID_SELECT_WIDGETS,
                      ID_SELECT_TIDGETS,   0,                ID_ABOUT,       ID_HELP_NOTICE};
  const wchar_t* texts[] = {L"방향 전환", L"항상 위", L"환경 설정", L"위젯 선택",
                            L"티젯 선택", L"",        L"프로그램 소개", L"도움말"};
  ASSERT_EQ(GetMenuItemCount(bar), 8);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(GetMenuItemID(bar, i), ids[i]) << i;
    GetMenuStringW(bar, i, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, texts[i]) << i;
  }
  EXPECT_TRUE(GetMenuState(bar, 5, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_FALSE(GetMenuState(bar, ID_ALWAYS_ON_TOP, MF_BYCOMMAND) & MF_CHECKED);
  HMENU calc = GetSubMenu(menu, 1);
  ASSERT_EQ(GetMenuItemCount(calc), 2);
  EXPECT_EQ(GetMenuItemID(calc, 0), static_cast<UINT>(ID_CALC_REINPUT));
  GetMenuStringW(calc, 0, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"계산 결과 재입력\tTab");
  EXPECT_EQ(GetMenuItemID(calc, 1), static_cast<UINT>(ID_CALC_AUTOCOPY));
  GetMenuStringW(calc, 1, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"계산 결과 자동 복사");
  DestroyMenu(menu);

  HMENU checked = LoadBarMenu(true);
  EXPECT_TRUE(GetMenuState(GetSubMenu(checked, 0), ID_ALWAYS_ON_TOP, MF_BYCOMMAND) & MF_CHECKED);
  DestroyMenu(checked);
}

TEST_F(BarTest, MenuButtonShowsThePopupCheckedWhileTopmost) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  ModalCapture shown = RunModalCommand(bar, kMenuButtonId, ReadMenuTimer);
  ASSERT_TRUE(shown.seen);
  EXPECT_EQ(shown.items, 8);
  EXPECT_EQ(shown.checkState, static_cast<UINT>(MF_CHECKED));
  SendMessageW(bar, WM_COMMAND, ID_ALWAYS_ON_TOP, 0);
  shown = RunModalCommand(bar, kMenuButtonId, ReadMenuTimer);
  ASSERT_TRUE(shown.seen);
  EXPECT_EQ(shown.checkState, 0u);
}

// --- Creation, destruction, saving ------------------------------------------------------

TEST_F(BarTest, CreationMakesTheSharedFontsAndDestructionReleasesAll) {
  const int before = gdi::LiveObjects();
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  EXPECT_EQ(barHandle, bar);
  EXPECT_TRUE(normalFont);
  EXPECT_TRUE(smallFont);
  EXPECT_TRUE(largeFont);
  LOGFONTW font{};
  GetObjectW(largeFont, sizeof font, &font);
  EXPECT_EQ(font.lfHeight, 28);
  EXPECT_STREQ(font.lfFaceName, L"맑은 고딕");
  EXPECT_EQ(font.lfCharSet, HANGEUL_CHARSET);
  DestroyWindow(bar);
  EXPECT_FALSE(normalFont);
  EXPECT_FALSE(smallFont);
  EXPECT_FALSE(largeFont);
  EXPECT_EQ(barHandle, nullptr);
  panels_.clear();
  buttons_.clear();
  trayWindow.bgBrush.reset();
  EXPECT_EQ(gdi::LiveObjects(), before);
}

TEST_F(BarTest, CloseWithoutChangesWritesNothing) {
  HWND bar = CreateDefaultShapedBar();
  ASSERT_TRUE(bar);
  EXPECT_FALSE(barState.placementChanged);
  EXPECT_FALSE(barState.listsChanged);
  SendMessageW(bar, WM_COMMAND, kCloseButtonId, 0);
  EXPECT_FALSE(IsWindow(bar));
  EXPECT_FALSE(IniExists());
}

}  // namespace
