// The bitmap button "GrpBtn" and the slider "GrpScrl" as real child windows of a
// test parent that records the notifications they send it.
#include <gtest/gtest.h>
#include <windows.h>

#include <utility>
#include <vector>

#include "core/gdi_win.h"
#include "res/resource.h"
#include "support/win_test_support.h"
#include "widgets/grpbtn_win.h"
#include "widgets/grpscrl.h"
#include "widgets/grpscrl_win.h"

namespace {

using test_support::PumpMessages;
using test_support::WindowPixel;

constexpr wchar_t kParentClass[] = L"ControlsTestParent";
constexpr int kButtonId = 5;
constexpr int kSliderId = 9;

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
  switch (msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CONTEXTMENU:
      notices.push_back({msg, wParam, lParam});
      if (destroyOnNotice) DestroyWindow(std::exchange(destroyOnNotice, nullptr));
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

void RegisterParentClass() {
  static const ATOM atom = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kParentClass;
    return RegisterClassW(&wc);
  }();
  ASSERT_NE(atom, 0);
}

HWND CreateParent(int x) {
  return CreateWindowExW(0, kParentClass, L"", WS_POPUP | WS_VISIBLE, x, 100, 300, 200, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

// Pumps until the condition holds or the time is up; answers the condition.
template <class Condition>
bool PumpUntil(Condition condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    PumpMessages();
  }
  return true;
}

void PumpFor(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

LPARAM At(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

COLORREF Painted(HWND hwnd, int x, int y) {
  UpdateWindow(hwnd);
  return WindowPixel(hwnd, x, y);
}

class Controls : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterParentClass();
    notices.clear();
    destroyOnNotice = nullptr;
    // Keep the real pointer away from the test windows, so it sends them nothing.
    SetCursorPos(1270, 1010);
    parent = CreateParent(100);
    ASSERT_NE(parent, nullptr);
    SetForegroundWindow(parent);
    PumpMessages();
  }
  void TearDown() override {
    if (GetCapture()) ReleaseCapture();
    if (IsWindow(parent)) DestroyWindow(parent);
    PumpMessages();
  }

  HWND Button(DWORD extraStyle = 0) {
    return CreateWindowExW(0, kGrpBtnClass, L"", WS_CHILD | WS_VISIBLE | extraStyle, 10, 10, 16, 16, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(kButtonId)), GetModuleHandleW(nullptr),
                           nullptr);
  }
  HWND Slider(DWORD extraStyle, int width, int height, int y = 40) {
    return CreateWindowExW(0, kGrpScrlClass, L"", WS_CHILD | WS_VISIBLE | extraStyle, 10, y, width, height,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSliderId)),
                           GetModuleHandleW(nullptr), nullptr);
  }
  // Range 0 … 1000 on a horizontal slider 128 × 14 with the default thumb of 20.
  HWND ExampleSlider() {
    HWND slider = Slider(GSS_HORZ, 128, 14);
    SendMessageW(slider, GSM_SETRANGE, 0, 1000);
    return slider;
  }

  HWND parent = nullptr;
};

int State(HWND button) { return static_cast<int>(SendMessageW(button, GBM_GETSTATE, 0, 0)); }
int Pos(HWND slider) { return static_cast<int>(SendMessageW(slider, GSM_GETPOS, 0, 0)); }

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

TEST_F(Controls, BothClassesAreRegisteredWithRoomForAPointer) {
  WNDCLASSW button{};
  ASSERT_TRUE(GetClassInfoW(GetModuleHandleW(nullptr), kGrpBtnClass, &button));
  EXPECT_EQ(button.style, 0u);
  EXPECT_GE(button.cbWndExtra, static_cast<int>(sizeof(void*)));
  EXPECT_EQ(button.hbrBackground, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
  WNDCLASSW slider{};
  ASSERT_TRUE(GetClassInfoW(GetModuleHandleW(nullptr), kGrpScrlClass, &slider));
  EXPECT_EQ(slider.style, 0u);
  EXPECT_GE(slider.cbWndExtra, static_cast<int>(sizeof(void*)));
  EXPECT_EQ(slider.hbrBackground, nullptr);
}

// ---------------------------------------------------------------------------
// GrpBtn
// ---------------------------------------------------------------------------

TEST_F(Controls, PushButtonClickedInsideNotifiesAndSpringsBack) {
  HWND button = Button();
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, At(8, 8));
  EXPECT_EQ(State(button), grpbtn::kPressed);
  EXPECT_EQ(GetCapture(), button);
  SendMessageW(button, WM_LBUTTONUP, 0, At(8, 8));
  EXPECT_EQ(State(button), grpbtn::kNormal);
  EXPECT_EQ(GetCapture(), nullptr);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_TRUE(IsClickFrom(notices[0], button));
}

TEST_F(Controls, PushButtonDraggedOffAndReleasedOutsideSendsNothing) {
  HWND button = Button();
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, At(8, 8));
  SendMessageW(button, WM_MOUSEMOVE, MK_LBUTTON, At(30, 8));
  EXPECT_EQ(State(button), grpbtn::kNormal);
  SendMessageW(button, WM_MOUSEMOVE, MK_LBUTTON, At(15, 15));
  EXPECT_EQ(State(button), grpbtn::kPressed);
  SendMessageW(button, WM_MOUSEMOVE, MK_LBUTTON, At(-3, 8));
  EXPECT_EQ(State(button), grpbtn::kNormal);
  SendMessageW(button, WM_LBUTTONUP, 0, At(-3, 8));
  EXPECT_EQ(State(button), grpbtn::kNormal);
  EXPECT_TRUE(notices.empty());
  // The first pixel past the right edge is outside too.
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, At(8, 8));
  SendMessageW(button, WM_LBUTTONUP, 0, At(16, 8));
  EXPECT_TRUE(notices.empty());
}

TEST_F(Controls, ToggleButtonClickFlipsAndNotifiesEachTime) {
  HWND button = Button(GBS_TOGGLE);
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, At(4, 4));
  EXPECT_EQ(State(button), grpbtn::kPressed);
  SendMessageW(button, WM_LBUTTONUP, 0, At(4, 4));
  EXPECT_EQ(State(button), grpbtn::kPressed);
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, At(4, 4));
  EXPECT_EQ(State(button), grpbtn::kNormal);
  SendMessageW(button, WM_LBUTTONUP, 0, At(4, 4));
  EXPECT_EQ(State(button), grpbtn::kNormal);
  ASSERT_EQ(notices.size(), 2u);
  EXPECT_TRUE(IsClickFrom(notices[0], button));
  EXPECT_TRUE(IsClickFrom(notices[1], button));
}

TEST_F(Controls, ToggleButtonReleasedOutsideReturnsToItsPreviousState) {
  HWND button = Button(GBS_TOGGLE);
  for (int before : {grpbtn::kNormal, grpbtn::kPressed}) {
    SendMessageW(button, GBM_SETSTATE, before, 0);
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, At(4, 4));
    EXPECT_NE(State(button), before);
    SendMessageW(button, WM_MOUSEMOVE, MK_LBUTTON, At(40, 4));
    EXPECT_EQ(State(button), before);
    SendMessageW(button, WM_LBUTTONUP, 0, At(40, 4));
    EXPECT_EQ(State(button), before);
  }
  EXPECT_TRUE(notices.empty());
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

TEST_F(Controls, ParentMayDestroyTheButtonWhileHandlingItsClick) {
  HWND button = Button();
  SendMessageW(button, GBM_SETIMAGES, GrpBtnImagesW(IDB_CLOSE_BLUE, IDB_CLOSE_YELLOW),
               GrpBtnImagesL(IDB_CLOSE_AMBER, IDB_CLOSE_BLUE));
  const int liveBefore = gdi::LiveObjects();
  destroyOnNotice = button;
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, At(8, 8));
  SendMessageW(button, WM_LBUTTONUP, 0, At(8, 8));
  EXPECT_FALSE(IsWindow(button));
  EXPECT_EQ(notices.size(), 1u);
  EXPECT_EQ(gdi::LiveObjects(), liveBefore - 4);  // its four faces went with it
}

TEST_F(Controls, HoverLightsAPushButtonUntilThePointerLeaves) {
  ASSERT_EQ(GetForegroundWindow(), parent);
  HWND button = Button();
  RECT window{};
  GetWindowRect(button, &window);
  SetCursorPos(window.left + 8, window.top + 8);
  SendMessageW(button, WM_MOUSEMOVE, 0, At(8, 8));
  EXPECT_EQ(State(button), grpbtn::kHover);
  PumpFor(150);  // several ticks with the pointer inside
  EXPECT_EQ(State(button), grpbtn::kHover);
  SetCursorPos(1270, 1010);
  EXPECT_TRUE(PumpUntil([&] { return State(button) == grpbtn::kNormal; }, 2000));
  EXPECT_FALSE(HoverTimerWasRunning(button));
}

TEST_F(Controls, NoHoverWhenTheTopLevelWindowIsNotInTheForeground) {
  HWND button = Button();
  HWND other = CreateParent(500);
  SetForegroundWindow(other);
  PumpMessages();
  ASSERT_EQ(GetForegroundWindow(), other);
  SendMessageW(button, WM_MOUSEMOVE, 0, At(8, 8));
  EXPECT_EQ(State(button), grpbtn::kNormal);
  EXPECT_FALSE(HoverTimerWasRunning(button));
  DestroyWindow(other);
}

TEST_F(Controls, ToggleButtonNeverShowsHover) {
  ASSERT_EQ(GetForegroundWindow(), parent);
  HWND button = Button(GBS_TOGGLE);
  SendMessageW(button, WM_MOUSEMOVE, 0, At(8, 8));
  EXPECT_EQ(State(button), grpbtn::kNormal);
  EXPECT_FALSE(HoverTimerWasRunning(button));
  SendMessageW(button, GBM_SETSTATE, grpbtn::kPressed, 0);
  SendMessageW(button, WM_MOUSEMOVE, 0, At(8, 8));
  EXPECT_EQ(State(button), grpbtn::kPressed);
}

TEST_F(Controls, SetImagesGivesEachStateItsFace) {
  ASSERT_EQ(GetForegroundWindow(), parent);
  HWND button = Button();
  SendMessageW(button, GBM_SETIMAGES, MAKEWPARAM(132, 131), MAKELPARAM(130, 132));
  EXPECT_EQ(Painted(button, 0, 0), kFrameGrey);
  EXPECT_EQ(Painted(button, 2, 2), kPaleBlue);
  EXPECT_EQ(Painted(button, 4, 4), kCross);
  EXPECT_EQ(Painted(button, 15, 15), kFrameGrey);

  SendMessageW(button, WM_MOUSEMOVE, 0, At(8, 8));
  ASSERT_EQ(State(button), grpbtn::kHover);
  EXPECT_EQ(Painted(button, 2, 2), kPaleYellow);

  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, At(8, 8));
  EXPECT_EQ(Painted(button, 2, 2), kAmber);
  EXPECT_EQ(Painted(button, 7, 7), kCross);
  SendMessageW(button, WM_LBUTTONUP, 0, At(8, 8));

  EnableWindow(button, FALSE);
  EXPECT_EQ(Painted(button, 2, 2), kPaleBlue);
}

TEST_F(Controls, DisablingAHoveredButtonShowsStateThreeAndStopsTheTimer) {
  ASSERT_EQ(GetForegroundWindow(), parent);
  HWND button = Button();
  SendMessageW(button, GBM_SETIMAGES, GrpBtnImagesW(IDB_CLOSE_BLUE, IDB_CLOSE_YELLOW),
               GrpBtnImagesL(IDB_CLOSE_AMBER, IDB_MENU));
  RECT window{};
  GetWindowRect(button, &window);
  SetCursorPos(window.left + 8, window.top + 8);
  SendMessageW(button, WM_MOUSEMOVE, 0, At(8, 8));
  ASSERT_EQ(State(button), grpbtn::kHover);

  EnableWindow(button, FALSE);
  EXPECT_EQ(State(button), grpbtn::kDisabled);
  EXPECT_EQ(Painted(button, 2, 2), kWhite);  // the menu face
  EXPECT_EQ(Painted(button, 3, 4), kBlue);
  EXPECT_FALSE(HoverTimerWasRunning(button));

  EnableWindow(button, TRUE);
  EXPECT_EQ(State(button), grpbtn::kNormal);
  EXPECT_EQ(Painted(button, 2, 2), kPaleBlue);
}

TEST_F(Controls, ButtonCreatedDisabledStartsInStateThree) {
  HWND button = Button(WS_DISABLED);
  EXPECT_EQ(State(button), grpbtn::kDisabled);
  EnableWindow(button, TRUE);
  EXPECT_EQ(State(button), grpbtn::kNormal);
}

TEST_F(Controls, StatesWithoutAFaceShowTheClassBackground) {
  HWND button = Button();
  SendMessageW(button, GBM_SETIMAGES, MAKEWPARAM(0, 0), MAKELPARAM(999, 0));  // 999 does not exist
  EXPECT_EQ(Painted(button, 2, 2), GetSysColor(COLOR_BTNFACE));
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, At(8, 8));
  EXPECT_EQ(Painted(button, 2, 2), GetSysColor(COLOR_BTNFACE));
  SendMessageW(button, WM_LBUTTONUP, 0, At(8, 8));
}

TEST_F(Controls, FacesAreReplacedNotLeakedAndFreedWithTheButton) {
  const int start = gdi::LiveObjects();
  HWND button = Button();
  SetGrpBtnImages(button, IDB_CLOSE_BLUE, IDB_CLOSE_YELLOW, IDB_CLOSE_AMBER, 0);
  EXPECT_EQ(gdi::LiveObjects(), start + 3);
  SetGrpBtnImages(button, IDB_MENU, IDB_MENU, IDB_MENU, IDB_MENU);
  EXPECT_EQ(gdi::LiveObjects(), start + 4);
  InvalidateRect(button, nullptr, FALSE);
  EXPECT_EQ(Painted(button, 2, 2), kWhite);
  EXPECT_EQ(gdi::LiveObjects(), start + 4);
  DestroyWindow(button);
  EXPECT_EQ(gdi::LiveObjects(), start);
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
  for (int a : values) {
    for (int b : values) {
      for (int c : values) {
        ASSERT_EQ(grpscrl::MulDiv(a, b, c), ::MulDiv(a, b, c)) << a << " * " << b << " / " << c;
      }
    }
  }
}

TEST_F(Controls, SliderStartsWithItsDefaultsAndTakesNewValues) {
  HWND slider = Slider(GSS_HORZ, 128, 14);
  EXPECT_EQ(SendMessageW(slider, GSM_GETMAX, 0, 0), 0);
  EXPECT_EQ(SendMessageW(slider, GSM_GETMIN, 0, 0), 0);
  EXPECT_EQ(Pos(slider), 0);
  EXPECT_EQ(SendMessageW(slider, GSM_GETTHUMBLENGTH, 0, 0), 20);
  EXPECT_EQ(SendMessageW(slider, GSM_GETINSET, 0, 0), 2);
  EXPECT_EQ(Painted(slider, 100, 0), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(Painted(slider, 10, 7), kWhite);  // thumb fill

  SendMessageW(slider, GSM_SETRANGE, static_cast<WPARAM>(-50), 50);
  EXPECT_EQ(SendMessageW(slider, GSM_GETMIN, 0, 0), -50);
  SendMessageW(slider, GSM_SETPOS, 80, 0);
  EXPECT_EQ(Pos(slider), 50);
  SendMessageW(slider, GSM_SETTRACKCOLOR, RGB(10, 200, 30), 0);
  SendMessageW(slider, GSM_SETTHUMBCOLOR, RGB(200, 20, 100), 0);
  EXPECT_EQ(Painted(slider, 100, 0), RGB(10, 200, 30));
  EXPECT_EQ(Painted(slider, 120, 7), RGB(200, 20, 100));
  EXPECT_TRUE(notices.empty());
}

TEST_F(Controls, SliderPaintsGrooveTrackAndThumbAtItsPosition) {
  HWND slider = ExampleSlider();
  SendMessageW(slider, GSM_SETPOS, 500, 0);
  const COLORREF track = GetSysColor(COLOR_BTNFACE);
  // Groove rows 5 … 9 (14 / 2 - 2 + i), darkest on top.
  EXPECT_EQ(Painted(slider, 20, 4), track);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Painted(slider, 20, 5 + i), Grey(32 * (i + 1))) << "row " << 5 + i;
  EXPECT_EQ(Painted(slider, 20, 10), track);
  // Thumb from x = 54 to 74 (exclusive), black border, white fill.
  EXPECT_EQ(Painted(slider, 53, 7), Grey(96));
  EXPECT_EQ(Painted(slider, 54, 7), kBlack);
  EXPECT_EQ(Painted(slider, 64, 7), kWhite);
  EXPECT_EQ(Painted(slider, 73, 7), kBlack);
  EXPECT_EQ(Painted(slider, 74, 7), Grey(96));
  EXPECT_EQ(Painted(slider, 64, 2), kBlack);  // inset 2 from the top
  EXPECT_EQ(Painted(slider, 64, 1), track);
}

TEST_F(Controls, TrackClickCentresTheThumbAndNotifiesWithoutCapture) {
  HWND slider = ExampleSlider();
  SendMessageW(slider, WM_LBUTTONDOWN, MK_LBUTTON, At(100, 7));
  EXPECT_EQ(Pos(slider), 833);
  EXPECT_NE(GetCapture(), slider);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_TRUE(IsScroll(notices[0], WM_HSCROLL, SB_THUMBPOSITION, slider));
  // The thumb is drawn where the new position puts it: 833 of 1000 over 108 pixels = 90.
  EXPECT_EQ(Painted(slider, 90, 7), kBlack);
  EXPECT_EQ(Painted(slider, 89, 7), Grey(96));
}

TEST_F(Controls, ThumbDragTracksAndHoldsTheRangeEnds) {
  HWND slider = ExampleSlider();
  SendMessageW(slider, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 7));  // on the thumb, 10 right of its edge
  EXPECT_EQ(GetCapture(), slider);
  EXPECT_TRUE(notices.empty());
  SendMessageW(slider, WM_MOUSEMOVE, MK_LBUTTON, At(60, 7));
  EXPECT_EQ(Pos(slider), grpscrl::MulDiv(50, 1000, 108));
  SendMessageW(slider, WM_MOUSEMOVE, MK_LBUTTON, At(-300, 7));
  EXPECT_EQ(Pos(slider), 0);
  SendMessageW(slider, WM_MOUSEMOVE, MK_LBUTTON, At(5000, 7));
  EXPECT_EQ(Pos(slider), 1000);
  SendMessageW(slider, WM_MOUSEMOVE, MK_LBUTTON, At(-32768, 7));
  EXPECT_EQ(Pos(slider), 0);
  SendMessageW(slider, WM_LBUTTONUP, 0, At(-32768, 7));
  EXPECT_NE(GetCapture(), slider);
  ASSERT_EQ(notices.size(), 5u);
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(IsScroll(notices[i], WM_HSCROLL, SB_THUMBTRACK, slider));
  EXPECT_TRUE(IsScroll(notices[4], WM_HSCROLL, SB_THUMBPOSITION, slider));
  // Without the capture a move does nothing.
  SendMessageW(slider, WM_MOUSEMOVE, 0, At(60, 7));
  EXPECT_EQ(Pos(slider), 0);
  EXPECT_EQ(notices.size(), 5u);
}

TEST_F(Controls, VerticalSliderWorksAlongYAndReportsVScroll) {
  HWND slider = Slider(0, 14, 128);
  SendMessageW(slider, GSM_SETRANGE, 0, 1000);
  SendMessageW(slider, WM_LBUTTONDOWN, MK_LBUTTON, At(7, 100));
  EXPECT_EQ(Pos(slider), 833);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_TRUE(IsScroll(notices[0], WM_VSCROLL, SB_THUMBPOSITION, slider));
  // Groove columns 5 … 9, thumb from y = 90, inset 2 from the left.
  EXPECT_EQ(Painted(slider, 5, 20), Grey(32));
  EXPECT_EQ(Painted(slider, 9, 20), Grey(160));
  EXPECT_EQ(Painted(slider, 7, 90), kBlack);
  EXPECT_EQ(Painted(slider, 7, 100), kWhite);
  EXPECT_EQ(Painted(slider, 2, 100), kBlack);
  // Horizontal motion does not move a vertical thumb: only y counts.
  SendMessageW(slider, WM_LBUTTONDOWN, MK_LBUTTON, At(7, 95));
  ASSERT_EQ(GetCapture(), slider);
  SendMessageW(slider, WM_MOUSEMOVE, MK_LBUTTON, At(300, 95));
  EXPECT_EQ(Pos(slider), 833);
  SendMessageW(slider, WM_LBUTTONUP, 0, At(300, 95));
  EXPECT_TRUE(IsScroll(notices.back(), WM_VSCROLL, SB_THUMBPOSITION, slider));
}

TEST_F(Controls, ThumbLengthAndInsetAreClampedToTheSize) {
  HWND slider = Slider(GSS_HORZ, 128, 14);
  SendMessageW(slider, GSM_SETTHUMBLENGTH, 200, 0);
  EXPECT_EQ(SendMessageW(slider, GSM_GETTHUMBLENGTH, 0, 0), 118);
  SendMessageW(slider, GSM_SETTHUMBLENGTH, 2, 0);
  EXPECT_EQ(SendMessageW(slider, GSM_GETTHUMBLENGTH, 0, 0), 4);
  SendMessageW(slider, GSM_SETINSET, 10, 0);
  EXPECT_EQ(SendMessageW(slider, GSM_GETINSET, 0, 0), 5);
}

TEST_F(Controls, ResizingReclampsThumbLengthAndInset) {
  HWND slider = Slider(GSS_HORZ, 128, 20);
  SendMessageW(slider, GSM_SETTHUMBLENGTH, 100, 0);
  SendMessageW(slider, GSM_SETINSET, 6, 0);
  ASSERT_EQ(SendMessageW(slider, GSM_GETINSET, 0, 0), 6);
  SetWindowPos(slider, nullptr, 0, 0, 60, 10, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(SendMessageW(slider, GSM_GETTHUMBLENGTH, 0, 0), 50);
  EXPECT_EQ(SendMessageW(slider, GSM_GETINSET, 0, 0), 3);
}

TEST_F(Controls, ZeroWidthRangeIsAcceptedAndPaints) {
  HWND slider = Slider(GSS_HORZ, 128, 14);
  SendMessageW(slider, GSM_SETPOS, 40, 0);
  EXPECT_EQ(Pos(slider), 0);
  SendMessageW(slider, WM_LBUTTONDOWN, MK_LBUTTON, At(100, 7));
  EXPECT_EQ(Pos(slider), 0);
  EXPECT_EQ(Painted(slider, 10, 7), kWhite);  // thumb from x = -1
}

TEST_F(Controls, ParentMayDestroyTheSliderWhileHandlingItsNotification) {
  HWND slider = ExampleSlider();
  destroyOnNotice = slider;
  SendMessageW(slider, WM_LBUTTONDOWN, MK_LBUTTON, At(100, 7));
  EXPECT_FALSE(IsWindow(slider));
  HWND dragged = ExampleSlider();
  SendMessageW(dragged, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 7));
  destroyOnNotice = dragged;
  SendMessageW(dragged, WM_MOUSEMOVE, MK_LBUTTON, At(60, 7));
  EXPECT_FALSE(IsWindow(dragged));
  EXPECT_EQ(notices.size(), 2u);
}

TEST_F(Controls, GroovePensOutliveTheFirstOfTwoSliders) {
  const int start = gdi::LiveObjects();
  HWND first = ExampleSlider();
  HWND second = Slider(GSS_HORZ, 128, 14, 80);
  EXPECT_EQ(GrpScrlCount(), 2);
  EXPECT_EQ(gdi::LiveObjects(), start + 5);
  Painted(first, 0, 0);
  Painted(second, 0, 0);
  EXPECT_EQ(gdi::LiveObjects(), start + 5);  // painting leaves nothing behind

  DestroyWindow(first);
  EXPECT_TRUE(GrpScrlPensAlive());
  InvalidateRect(second, nullptr, TRUE);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Painted(second, 100, 5 + i), Grey(32 * (i + 1))) << "row " << 5 + i;

  DestroyWindow(second);
  EXPECT_EQ(GrpScrlCount(), 0);
  EXPECT_FALSE(GrpScrlPensAlive());
  EXPECT_EQ(gdi::LiveObjects(), start);

  HWND again = ExampleSlider();  // a later slider makes them anew
  EXPECT_EQ(Painted(again, 100, 5), Grey(32));
  DestroyWindow(again);
  EXPECT_EQ(gdi::LiveObjects(), start);
}

}  // namespace
