// The bitmap button "GrpBtn" and the slider "GrpScrl" as real child windows of a
// test parent that records the notifications they send it.
#include <gtest/gtest.h>
#include <windows.h>

#include <utility>
#include <vector>

#include "core/gdi_win.h"
#include "res/resource.h"
#include "support/win_test_support.h"
#include "widgets/controls/grpbtn_win.h"
#include "widgets/controls/grpscrl.h"
#include "widgets/controls/grpscrl_win.h"

namespace {

using test_support::At;
using test_support::MouseDown;
using test_support::MouseMove;
using test_support::MouseUp;
using test_support::ExpectPixels;
using test_support::PumpMessages;
using test_support::Snapshot;

constexpr int kButtonId = 5;
constexpr int kSliderId = 9;
constexpr POINT kFarAway{1270, 1010};

// Colours of the bitmaps 130, 131, 132 and 136.
constexpr COLORREF kFrameGrey = RGB(0x80, 0x80, 0x80);
constexpr COLORREF kCross = RGB(0x30, 0x30, 0x30);
constexpr COLORREF kAmber = RGB(0xFF, 0xCC, 0x00);
constexpr COLORREF kPaleYellow = RGB(0xFF, 0xFF, 0xCC);
constexpr COLORREF kPaleBlue = RGB(0xF0, 0xF8, 0xFF);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

COLORREF Grey(int level) { return RGB(level, level, level); }

struct Notice {
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
};

std::vector<Notice> notices;
// When set, the parent destroys this window as soon as a notification arrives.
HWND destroyOnNotice = nullptr;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_COMMAND && msg != WM_HSCROLL && msg != WM_VSCROLL && msg != WM_CONTEXTMENU)
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  notices.push_back({msg, wParam, lParam});
  if (destroyOnNotice) DestroyWindow(std::exchange(destroyOnNotice, nullptr));
  return 0;
}

HWND CreateParent(int x) {
  static const ATOM atom = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"ControlsTestParent";
    return RegisterClassW(&wc);
  }();
  return CreateWindowExW(0, MAKEINTATOM(atom), L"", WS_POPUP | WS_VISIBLE, x, 100, 300, 200, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

// The control as shown once its pending paint is done.
Snapshot Shown(HWND control) {
  UpdateWindow(control);
  return Snapshot::OfWindow(control);
}

int State(HWND button) { return static_cast<int>(SendMessageW(button, GBM_GETSTATE, 0, 0)); }
int Pos(HWND slider) { return static_cast<int>(SendMessageW(slider, GSM_GETPOS, 0, 0)); }
LRESULT Get(HWND slider, UINT msg) { return SendMessageW(slider, msg, 0, 0); }

// KillTimer fails when there is no such timer, so this also ends a running one.
bool HoverTimerWasRunning(HWND button) { return KillTimer(button, 0) != FALSE; }

bool IsClickFrom(const Notice& notice, HWND button) {
  return notice.msg == WM_COMMAND && notice.wParam == MAKEWPARAM(kButtonId, BN_CLICKED) &&
         notice.lParam == reinterpret_cast<LPARAM>(button);
}

bool IsScroll(const Notice& notice, UINT msg, WORD code, HWND slider) {
  return notice.msg == msg && notice.wParam == MAKEWPARAM(code, 0) &&
         notice.lParam == reinterpret_cast<LPARAM>(slider);
}

class Controls : public ::testing::Test {
 protected:
  void SetUp() override {
    notices.clear();
    destroyOnNotice = nullptr;
    // Keep the real pointer away from the test windows, so it sends them nothing.
    SetCursorPos(kFarAway.x, kFarAway.y);
    parent = CreateParent(100);
    ASSERT_NE(parent, nullptr);
    SetForegroundWindow(parent);
    PumpMessages();
  }
  void TearDown() override {
    if (GetCapture()) ReleaseCapture();
    DestroyWindow(parent);
    PumpMessages();
  }

  HWND Child(const wchar_t* className, int id, DWORD style, int y, int width, int height) {
    return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, 10, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  }
  HWND Button(DWORD style = 0) { return Child(kGrpBtnClass, kButtonId, style, 10, 16, 16); }
  HWND Slider(DWORD style, int width, int height, int y = 40) {
    return Child(kGrpScrlClass, kSliderId, style, y, width, height);
  }
  // Range 0 … 1000 on a horizontal slider 128 × 14 with the default thumb of 20.
  HWND ExampleSlider(int y = 40) {
    HWND slider = Slider(GSS_HORZ, 128, 14, y);
    SendMessageW(slider, GSM_SETRANGE, 0, 1000);
    return slider;
  }
  // Puts the real pointer over the button too, so the hover timer finds it there.
  static void Hover(HWND button) {
    RECT window{};
    GetWindowRect(button, &window);
    SetCursorPos(window.left + 8, window.top + 8);
    MouseMove(button, 8, 8, 0);
  }

  HWND parent = nullptr;
};

TEST_F(Controls, BothClassesAreRegisteredWithRoomForAPointer) {
  const std::pair<const wchar_t*, HBRUSH> classes[] = {
      {kGrpBtnClass, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1))}, {kGrpScrlClass, nullptr}};
  for (const auto& [name, background] : classes) {
    WNDCLASSW info{};
    ASSERT_TRUE(GetClassInfoW(GetModuleHandleW(nullptr), name, &info));
    EXPECT_EQ(info.style, 0u);
    EXPECT_GE(info.cbWndExtra, static_cast<int>(sizeof(void*)));
    EXPECT_EQ(info.hbrBackground, background);
  }
}

// ---------------------------------------------------------------------------
// GrpBtn
// ---------------------------------------------------------------------------

TEST_F(Controls, PushButtonNotifiesOnlyWhenReleasedInside) {
  HWND button = Button();
  MouseDown(button, 8, 8);
  EXPECT_EQ(State(button), grpbtn::kPressed);
  EXPECT_EQ(GetCapture(), button);
  MouseUp(button, 8, 8);
  EXPECT_EQ(State(button), grpbtn::kNormal);
  EXPECT_EQ(GetCapture(), nullptr);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_TRUE(IsClickFrom(notices[0], button));
  // Pressed, dragged off, back on, off again and released outside: nothing.
  MouseDown(button, 8, 8);
  MouseMove(button, 30, 8);
  EXPECT_EQ(State(button), grpbtn::kNormal);
  MouseMove(button, 15, 15);
  EXPECT_EQ(State(button), grpbtn::kPressed);
  MouseMove(button, -3, 8);
  EXPECT_EQ(State(button), grpbtn::kNormal);
  MouseUp(button, -3, 8);
  EXPECT_EQ(State(button), grpbtn::kNormal);
  // The first pixel past the right edge is outside too.
  MouseDown(button, 8, 8);
  MouseUp(button, 16, 8);
  EXPECT_EQ(notices.size(), 1u);
}

TEST_F(Controls, ToggleButtonClickFlipsAndNotifiesAndAReleaseOutsideRestoresIt) {
  HWND button = Button(GBS_TOGGLE);
  for (int expected : {grpbtn::kPressed, grpbtn::kNormal}) {
    MouseDown(button, 4, 4);
    EXPECT_EQ(State(button), expected);
    MouseUp(button, 4, 4);
    EXPECT_EQ(State(button), expected);
  }
  ASSERT_EQ(notices.size(), 2u);
  EXPECT_TRUE(IsClickFrom(notices[0], button));
  EXPECT_TRUE(IsClickFrom(notices[1], button));

  for (int before : {grpbtn::kNormal, grpbtn::kPressed}) {
    SendMessageW(button, GBM_SETSTATE, before, 0);
    MouseDown(button, 4, 4);
    EXPECT_NE(State(button), before);
    MouseMove(button, 40, 4);
    EXPECT_EQ(State(button), before);
    MouseUp(button, 40, 4);
    EXPECT_EQ(State(button), before);
  }
  EXPECT_EQ(notices.size(), 2u);
}

TEST_F(Controls, RightClickReachesTheParentAsItsOwnContextMenu) {
  HWND button = Button();
  SendMessageW(button, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(button), At(150, 160));
  EXPECT_TRUE(notices.empty());  // posted, not sent
  PumpMessages();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].msg, static_cast<UINT>(WM_CONTEXTMENU));
  EXPECT_EQ(notices[0].wParam, reinterpret_cast<WPARAM>(button));
  EXPECT_EQ(notices[0].lParam, At(150, 160));
}

TEST_F(Controls, HoverLightsAPushButtonOnlyInTheForegroundAndUntilThePointerLeaves) {
  ASSERT_EQ(GetForegroundWindow(), parent);
  HWND button = Button();
  HWND toggle = Button(GBS_TOGGLE);
  MoveWindow(toggle, 40, 10, 16, 16, FALSE);
  for (int state : {grpbtn::kNormal, grpbtn::kPressed}) {  // a toggle button never shows hover
    SendMessageW(toggle, GBM_SETSTATE, state, 0);
    MouseMove(toggle, 8, 8, 0);
    EXPECT_EQ(State(toggle), state);
    EXPECT_FALSE(HoverTimerWasRunning(toggle));
  }
  Hover(button);
  EXPECT_EQ(State(button), grpbtn::kHover);
  test_support::PumpFor(150);  // several ticks with the pointer inside
  EXPECT_EQ(State(button), grpbtn::kHover);
  SetCursorPos(kFarAway.x, kFarAway.y);
  EXPECT_TRUE(test_support::PumpUntil([&] { return State(button) == grpbtn::kNormal; }, 2000));
  EXPECT_FALSE(HoverTimerWasRunning(button));

  HWND other = CreateParent(500);
  SetForegroundWindow(other);
  PumpMessages();
  ASSERT_EQ(GetForegroundWindow(), other);
  MouseMove(button, 8, 8, 0);
  EXPECT_EQ(State(button), grpbtn::kNormal);
  EXPECT_FALSE(HoverTimerWasRunning(button));
  DestroyWindow(other);
}

TEST_F(Controls, SetImagesGivesEachStateItsFace) {
  ASSERT_EQ(GetForegroundWindow(), parent);
  HWND button = Button();
  SendMessageW(button, GBM_SETIMAGES, MAKEWPARAM(132, 131), MAKELPARAM(130, 132));
  ExpectPixels(Shown(button), {{0, 0, kFrameGrey}, {2, 2, kPaleBlue}, {4, 4, kCross}, {15, 15, kFrameGrey}});
  MouseMove(button, 8, 8, 0);
  ASSERT_EQ(State(button), grpbtn::kHover);
  ExpectPixels(Shown(button), {{2, 2, kPaleYellow}});
  MouseDown(button, 8, 8);
  ExpectPixels(Shown(button), {{2, 2, kAmber}, {7, 7, kCross}});
  MouseUp(button, 8, 8);
  EnableWindow(button, FALSE);
  ExpectPixels(Shown(button), {{2, 2, kPaleBlue}});

  // Faces and a state given before the first paint show at that paint.
  HWND fresh = Child(kGrpBtnClass, kButtonId + 1, GBS_TOGGLE, 40, 16, 16);
  SendMessageW(fresh, GBM_SETIMAGES, MAKEWPARAM(132, 131), MAKELPARAM(130, 132));
  SendMessageW(fresh, GBM_SETSTATE, grpbtn::kPressed, 0);
  ExpectPixels(Shown(fresh), {{2, 2, kAmber}});
}

TEST_F(Controls, DisablingAHoveredButtonShowsStateThreeAndStopsTheTimer) {
  ASSERT_EQ(GetForegroundWindow(), parent);
  HWND button = Button();
  SendMessageW(button, GBM_SETIMAGES, GrpBtnImagesW(IDB_CLOSE_BLUE, IDB_CLOSE_YELLOW),
               GrpBtnImagesL(IDB_CLOSE_AMBER, IDB_MENU));
  Hover(button);
  ASSERT_EQ(State(button), grpbtn::kHover);
  EnableWindow(button, FALSE);
  EXPECT_EQ(State(button), grpbtn::kDisabled);
  ExpectPixels(Shown(button), {{2, 2, kWhite}, {3, 4, kBlue}});  // the menu face
  EXPECT_FALSE(HoverTimerWasRunning(button));
  EnableWindow(button, TRUE);
  EXPECT_EQ(State(button), grpbtn::kNormal);
  ExpectPixels(Shown(button), {{2, 2, kPaleBlue}});

  HWND createdDisabled = Button(WS_DISABLED);
  EXPECT_EQ(State(createdDisabled), grpbtn::kDisabled);
}

TEST_F(Controls, FacesAreReplacedNotLeakedAndFreedWithTheButton) {
  const int start = gdi::LiveObjects();
  HWND button = Button();
  // States without a face (none, or no such bitmap) show the class background.
  SendMessageW(button, GBM_SETIMAGES, MAKEWPARAM(0, 0), MAKELPARAM(999, 0));
  EXPECT_EQ(gdi::LiveObjects(), start);
  MouseDown(button, 8, 8);
  ExpectPixels(Shown(button), {{2, 2, GetSysColor(COLOR_BTNFACE)}});
  MouseUp(button, 8, 8);
  // A face is loaded when first shown, once; replacing the set frees what was loaded.
  SetGrpBtnImages(button, IDB_CLOSE_BLUE, IDB_CLOSE_YELLOW, IDB_CLOSE_AMBER, 0);
  EXPECT_EQ(gdi::LiveObjects(), start);
  Shown(button);
  Shown(button);
  EXPECT_EQ(gdi::LiveObjects(), start + 1);
  SetGrpBtnImages(button, IDB_MENU, IDB_MENU, IDB_MENU, IDB_MENU);
  EXPECT_EQ(gdi::LiveObjects(), start);
  InvalidateRect(button, nullptr, FALSE);
  ExpectPixels(Shown(button), {{2, 2, kWhite}});
  MouseDown(button, 8, 8);
  Shown(button);
  EXPECT_EQ(gdi::LiveObjects(), start + 2);
  MouseUp(button, 8, 8);
  DestroyWindow(button);
  EXPECT_EQ(gdi::LiveObjects(), start);
}

TEST_F(Controls, ParentMayDestroyAControlWhileHandlingItsNotification) {
  const int liveBefore = gdi::LiveObjects();
  HWND button = Button();
  SetGrpBtnImages(button, IDB_CLOSE_BLUE, IDB_CLOSE_YELLOW, IDB_CLOSE_AMBER, IDB_CLOSE_BLUE);
  Shown(button);
  destroyOnNotice = button;
  MouseDown(button, 8, 8);
  Shown(button);
  MouseUp(button, 8, 8);
  EXPECT_FALSE(IsWindow(button));
  EXPECT_EQ(gdi::LiveObjects(), liveBefore);  // the faces it loaded went with it

  HWND clicked = ExampleSlider();
  destroyOnNotice = clicked;
  MouseDown(clicked, 100, 7);
  EXPECT_FALSE(IsWindow(clicked));
  HWND dragged = ExampleSlider();
  MouseDown(dragged, 10, 7);
  destroyOnNotice = dragged;
  MouseMove(dragged, 60, 7);
  EXPECT_FALSE(IsWindow(dragged));
  EXPECT_EQ(notices.size(), 3u);
}

// ---------------------------------------------------------------------------
// GrpScrl
// ---------------------------------------------------------------------------

// -2^31 is left out: Wine negates it in 32 bits, where it stays negative, while
// ours rounds the true quotient.
TEST(GrpScrlPlatform, MulDivMatchesThePlatform) {
  const int values[] = {0,    1,    -1,    2,     -2,     3,       -3,         7,
                        -7,   54,   108,   -108,  999,    1000,    -1000,      1001,
                        46341, 65535, 65536, 100000, -100000, 2147483647, -2147483647};
  for (int a : values)
    for (int b : values)
      for (int c : values) ASSERT_EQ(grpscrl::MulDiv(a, b, c), ::MulDiv(a, b, c)) << a << " * " << b << " / " << c;
}

TEST_F(Controls, SliderStartsWithItsDefaultsAndTakesNewValues) {
  HWND slider = Slider(GSS_HORZ, 128, 14);
  EXPECT_EQ(Get(slider, GSM_GETMAX), 0);
  EXPECT_EQ(Get(slider, GSM_GETMIN), 0);
  EXPECT_EQ(Pos(slider), 0);
  EXPECT_EQ(Get(slider, GSM_GETTHUMBLENGTH), 20);
  EXPECT_EQ(Get(slider, GSM_GETINSET), 2);
  ExpectPixels(Shown(slider), {{100, 0, GetSysColor(COLOR_BTNFACE)}, {10, 7, kWhite}});  // track, thumb
  // A zero-width range holds every position at 0, even from a click.
  SendMessageW(slider, GSM_SETPOS, 40, 0);
  MouseDown(slider, 100, 7);
  EXPECT_EQ(Pos(slider), 0);

  SendMessageW(slider, GSM_SETRANGE, static_cast<WPARAM>(-50), 50);
  EXPECT_EQ(Get(slider, GSM_GETMIN), -50);
  SendMessageW(slider, GSM_SETPOS, 80, 0);
  EXPECT_EQ(Pos(slider), 50);
  SendMessageW(slider, GSM_SETTRACKCOLOR, RGB(10, 200, 30), 0);
  SendMessageW(slider, GSM_SETTHUMBCOLOR, RGB(200, 20, 100), 0);
  ExpectPixels(Shown(slider), {{100, 0, RGB(10, 200, 30)}, {120, 7, RGB(200, 20, 100)}});
}

TEST_F(Controls, SliderPaintsGrooveTrackAndThumbAtItsPosition) {
  HWND slider = ExampleSlider();
  SendMessageW(slider, GSM_SETPOS, 500, 0);
  EXPECT_TRUE(notices.empty());  // set by the program: no notification
  const COLORREF track = GetSysColor(COLOR_BTNFACE);
  // Groove rows 5 … 9 (14 / 2 - 2 + i), darkest on top; the thumb from x = 54 to 74
  // (exclusive), black border, white fill, inset 2 from the top.
  ExpectPixels(Shown(slider), {{20, 4, track}, {20, 5, Grey(32)}, {20, 6, Grey(64)}, {20, 7, Grey(96)},
                               {20, 8, Grey(128)}, {20, 9, Grey(160)}, {20, 10, track}, {53, 7, Grey(96)},
                               {54, 7, kBlack}, {64, 7, kWhite}, {73, 7, kBlack}, {74, 7, Grey(96)},
                               {64, 2, kBlack}, {64, 1, track}});
}

TEST_F(Controls, TrackClickCentresTheThumbAndNotifiesWithoutCapture) {
  HWND slider = ExampleSlider();
  MouseDown(slider, 100, 7);
  EXPECT_EQ(Pos(slider), 833);
  EXPECT_NE(GetCapture(), slider);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_TRUE(IsScroll(notices[0], WM_HSCROLL, SB_THUMBPOSITION, slider));
  // Drawn where the new position puts it: 833 of 1000 over 108 pixels = 90.
  ExpectPixels(Shown(slider), {{90, 7, kBlack}, {89, 7, Grey(96)}});
}

TEST_F(Controls, ThumbDragTracksAndHoldsTheRangeEnds) {
  HWND slider = ExampleSlider();
  MouseDown(slider, 10, 7);  // on the thumb, 10 right of its edge
  EXPECT_EQ(GetCapture(), slider);
  EXPECT_TRUE(notices.empty());
  MouseMove(slider, 60, 7);
  EXPECT_EQ(Pos(slider), grpscrl::MulDiv(50, 1000, 108));
  const std::pair<int, int> drags[] = {{-300, 0}, {5000, 1000}, {-32768, 0}};
  for (const auto& [x, expected] : drags) {
    MouseMove(slider, x, 7);
    EXPECT_EQ(Pos(slider), expected) << x;
  }
  MouseUp(slider, -32768, 7);
  EXPECT_NE(GetCapture(), slider);
  ASSERT_EQ(notices.size(), 5u);
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(IsScroll(notices[i], WM_HSCROLL, SB_THUMBTRACK, slider));
  EXPECT_TRUE(IsScroll(notices[4], WM_HSCROLL, SB_THUMBPOSITION, slider));
  // Without the capture a move does nothing.
  MouseMove(slider, 60, 7, 0);
  EXPECT_EQ(Pos(slider), 0);
  EXPECT_EQ(notices.size(), 5u);
}

TEST_F(Controls, VerticalSliderWorksAlongYAndReportsVScroll) {
  HWND slider = Slider(0, 14, 128);
  SendMessageW(slider, GSM_SETRANGE, 0, 1000);
  MouseDown(slider, 7, 100);
  EXPECT_EQ(Pos(slider), 833);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_TRUE(IsScroll(notices[0], WM_VSCROLL, SB_THUMBPOSITION, slider));
  // Groove columns 5 … 9, thumb from y = 90, inset 2 from the left.
  ExpectPixels(Shown(slider),
               {{5, 20, Grey(32)}, {9, 20, Grey(160)}, {7, 90, kBlack}, {7, 100, kWhite}, {2, 100, kBlack}});
  // Horizontal motion does not move a vertical thumb: only y counts.
  MouseDown(slider, 7, 95);
  ASSERT_EQ(GetCapture(), slider);
  MouseMove(slider, 300, 95);
  EXPECT_EQ(Pos(slider), 833);
  MouseUp(slider, 300, 95);
  EXPECT_TRUE(IsScroll(notices.back(), WM_VSCROLL, SB_THUMBPOSITION, slider));
}

TEST_F(Controls, ThumbLengthAndInsetAreClampedToTheSizeAndAgainOnResizing) {
  HWND slider = Slider(GSS_HORZ, 128, 14);
  const std::pair<int, int> lengths[] = {{200, 118}, {2, 4}};
  for (const auto& [asked, kept] : lengths) {
    SendMessageW(slider, GSM_SETTHUMBLENGTH, asked, 0);
    EXPECT_EQ(Get(slider, GSM_GETTHUMBLENGTH), kept) << asked;
  }
  SendMessageW(slider, GSM_SETINSET, 10, 0);
  EXPECT_EQ(Get(slider, GSM_GETINSET), 5);

  SetWindowPos(slider, nullptr, 0, 0, 128, 20, SWP_NOMOVE | SWP_NOZORDER);
  SendMessageW(slider, GSM_SETTHUMBLENGTH, 100, 0);
  SendMessageW(slider, GSM_SETINSET, 6, 0);
  ASSERT_EQ(Get(slider, GSM_GETINSET), 6);
  SetWindowPos(slider, nullptr, 0, 0, 60, 10, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(Get(slider, GSM_GETTHUMBLENGTH), 50);
  EXPECT_EQ(Get(slider, GSM_GETINSET), 3);
}

TEST_F(Controls, GroovePensOutliveTheFirstOfTwoSliders) {
  const int start = gdi::LiveObjects();
  HWND first = ExampleSlider();
  HWND second = ExampleSlider(80);
  EXPECT_EQ(GrpScrlCount(), 2);
  EXPECT_EQ(gdi::LiveObjects(), start + 5);
  Shown(first);
  Shown(second);
  EXPECT_EQ(gdi::LiveObjects(), start + 5);  // painting leaves nothing behind

  DestroyWindow(first);
  EXPECT_TRUE(GrpScrlPensAlive());
  InvalidateRect(second, nullptr, TRUE);
  ExpectPixels(Shown(second), {{100, 5, Grey(32)}, {100, 7, Grey(96)}, {100, 9, Grey(160)}});

  DestroyWindow(second);
  EXPECT_EQ(GrpScrlCount(), 0);
  EXPECT_FALSE(GrpScrlPensAlive());
  EXPECT_EQ(gdi::LiveObjects(), start);

  HWND again = ExampleSlider();  // a later slider makes them anew
  ExpectPixels(Shown(again), {{100, 5, Grey(32)}});
  DestroyWindow(again);
  EXPECT_EQ(gdi::LiveObjects(), start);
}

}  // namespace
