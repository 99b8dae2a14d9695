// The clock widget made through the factory under a stand-in bar: its timer, its two
// faces read back from its own bitmap, its settings in a real .ini and its popup.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "core/fonts_win.h"
#include "res/resource.h"
#include "support/widget_bench.h"
#include "widgets/clock/clock_win.h"

namespace {

using test_support::Snapshot;

constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr int kWidth = 160;
constexpr int kHeight = 100;
constexpr RECT kWhole{0, 0, kWidth, kHeight};

auto Inked = [](COLORREF c) { return c != kYellow; };
// Grey text over yellow keeps some blue; black text over yellow has none.
auto GreyInk = [](COLORREF c) { return GetBValue(c) > 0 && c != kWhite; };
auto Exactly(COLORREF wanted) {
  return [wanted](COLORREF c) { return c == wanted; };
}

class ClockWidget : public test_support::WidgetBench {
 protected:
  CClock* AddClock(int y = 0) {
    WidgetInfo record = MakeWidgetInfo(u"Clock", widgetList);
    record.bgColor = kYellow;
    return dynamic_cast<CClock*>(Place(std::move(record), kWidth, kHeight, y));
  }

  // A fixed time, painted at once (no message is pumped, so no tick reads the real time).
  static Snapshot Show(CClock& clock, int hour, int minute, int second) {
    clock.TakeReading(LocalTime{3, 6, 5, hour, minute, second});
    Snapshot shown = Snapshot::Repainted(clock);
    EXPECT_EQ(shown.height(), kHeight);
    return shown;
  }
};

TEST_F(ClockWidget, FactoryMakesAClockThatReadsTheTimeBeforeItsFirstPaint) {
  SYSTEMTIME before{};
  GetLocalTime(&before);
  CClock* clock = AddClock();
  ASSERT_NE(clock, nullptr);
  EXPECT_STREQ(clock->Section(), L"Clock_1");
  EXPECT_EQ(std::u16string(clock->caption), u"시계");
  EXPECT_EQ(clock->month, before.wMonth);
  EXPECT_EQ(clock->day, before.wDay);
  EXPECT_EQ(clock->weekday, before.wDayOfWeek);
  const int secondsOfDay = clock->hour * 3600 + clock->minute * 60 + clock->second;
  const int beforeSeconds = before.wHour * 3600 + before.wMinute * 60 + before.wSecond;
  EXPECT_GE(secondsOfDay, beforeSeconds);
  EXPECT_LE(secondsOfDay, beforeSeconds + 2);
  EXPECT_EQ(host.heartbeat.PeriodOf(*clock, 1), 1);  // ticks with id 1 every second
}

TEST_F(ClockWidget, TickRepaintsOnlyWhenTheShownTimeChanges) {
  CClock* clock = AddClock();
  ASSERT_NE(clock, nullptr);
  clock->outSec = false;
  auto tick = [&] { SendMessageW(clock->hwnd, WM_TIMER, 1, 0); };
  // Retried in the rare case that a minute turns over during the check.
  bool checked = false;
  for (int attempt = 0; attempt < 3 && !checked; ++attempt) {
    tick();
    const int minute = clock->minute;
    // Seconds are not shown: a new second alone changes nothing.
    const std::optional<RECT> painted = RepaintedBy(*clock, [&] {
      clock->second = -1;
      tick();
    });
    if (clock->minute != minute) continue;
    EXPECT_FALSE(painted);
    checked = true;
  }
  EXPECT_TRUE(checked);

  EXPECT_TRUE(RepaintedBy(*clock, [&] {
    clock->minute = -1;
    tick();
  }));
  // A new second repaints the band of the time only; the date line above stays.
  clock->outSec = true;
  const std::optional<RECT> band = RepaintedBy(*clock, [&] {
    clock->second = -1;
    tick();
  });
  ASSERT_TRUE(band);
  EXPECT_EQ((Rect{band->left, band->top, band->right, band->bottom}), clock->TimeBand(kWidth, kHeight));

  // Out of view a tick keeps its reading and repaints nothing.
  clock->SetInView(false);
  EXPECT_FALSE(RepaintedBy(*clock, [&] {
    clock->second = -1;
    tick();
  }));
  EXPECT_NE(clock->second, -1);
}

TEST_F(ClockWidget, OptionsAreReadFromTheInstanceSection) {
  ini.Write(L"Clock_1", L"faceType", L"1");
  ini.Write(L"Clock_1", L"hour24", L"5");  // any non-zero value is on
  ini.Write(L"Clock_1", L"outSec", L"0");
  ini.Write(L"Clock_1", L"digit2", L"0");
  ini.Write(L"Clock_2", L"faceType", L"7");
  ini.Write(L"Clock", L"outSec", L"0");  // a section of another name is not read
  CClock* first = AddClock();
  CClock* second = AddClock(kHeight);
  ASSERT_TRUE(first && second);
  EXPECT_STREQ(second->Section(), L"Clock_2");
  EXPECT_EQ(first->faceType, kAnalogueFace);
  EXPECT_TRUE(first->hour24);
  EXPECT_FALSE(first->outSec);
  EXPECT_FALSE(first->digit2);
  EXPECT_EQ(second->faceType, 7);
  // Missing keys take the defaults.
  EXPECT_FALSE(second->hour24);
  EXPECT_TRUE(second->outSec);
  EXPECT_TRUE(second->digit2);
}

TEST_F(ClockWidget, DigitalFaceDrawsDateTimeAndTheAfternoonLabel) {
  CClock* clock = AddClock();
  ASSERT_NE(clock, nullptr);
  const Snapshot face = Show(*clock, 15, 7, 9);
  // Layout: time anchored at (80, 47), date line at (80, 27).
  EXPECT_GT(face.Count({20, 27, 140, 47}, Inked), 20);
  EXPECT_GT(face.Count({20, 47, 140, 72}, Inked), 40);
  EXPECT_EQ(face.Count({0, 0, kWidth, 20}, Inked), 0);
  EXPECT_EQ(face.At(2, kHeight - 2), kYellow);
  // The date and the time are black; only the label is grey, right of the time.
  EXPECT_EQ(face.Count({0, 0, 100, kHeight}, GreyInk), 0);
  EXPECT_GT(face.Count({100, 47, kWidth, kHeight}, GreyInk), 5);

  clock->hour24 = true;
  EXPECT_EQ(Show(*clock, 15, 7, 9).Count(kWhole, GreyInk), 0);
}

TEST_F(ClockWidget, LargerTimeWithoutSeconds) {
  CClock* clock = AddClock();
  ASSERT_NE(clock, nullptr);
  clock->hour24 = true;
  auto lowestInk = [](const Snapshot& face) {
    for (int y = kHeight - 1; y >= 0; --y)
      if (face.Count({0, y, kWidth, y + 1}, Inked) > 0) return y;
    return -1;
  };
  const int withSeconds = lowestInk(Show(*clock, 10, 10, 10));
  clock->outSec = false;
  EXPECT_GT(lowestInk(Show(*clock, 10, 10, 10)), withSeconds + 5);  // 35 pixels high instead of 25
}

TEST_F(ClockWidget, AnalogueFaceDrawsMarksDateAndHands) {
  CClock* clock = AddClock();
  ASSERT_NE(clock, nullptr);
  clock->faceType = kAnalogueFace;
  // 3:00:45 - hour hand to the right, minute hand a hair past 12, second hand to the left.
  const Snapshot face = Show(*clock, 3, 0, 45);
  const Dial dial = DialOf(kWidth, kHeight);  // centre (80, 50), radius 45
  const int cx = dial.centre.x, cy = dial.centre.y;
  // Hour hand: 3 pixels wide, 27 long (0.6 R).
  EXPECT_EQ(face.At(cx + 20, cy), kRed);
  EXPECT_GE(face.Count({cx + 5, cy - 2, cx + 27, cy + 3}, Exactly(kRed)), 3 * (27 - 5));
  EXPECT_EQ(face.Count({cx + 30, cy - 3, kWidth, cy + 4}, Exactly(kRed)), 0);
  // Minute hand: 2 wide, 36 long (0.8 R), upwards and a little to the right.
  EXPECT_GE(face.Count({cx - 1, cy - 36, cx + 5, cy - 5}, Exactly(kBlue)), 2 * (36 - 5));
  EXPECT_EQ(face.Count({cx - 3, 0, cx + 6, cy - 38}, Exactly(kBlue)), 0);
  // Second hand: 1 wide, as long as the minute hand, to the left.
  EXPECT_GE(face.Count({cx - 36, cy - 1, cx - 5, cy + 2}, Exactly(kGrey)), 30);
  EXPECT_EQ(face.Count({0, cy - 1, cx - 37, cy + 2}, Exactly(kGrey)), 0);
  // Marks: a white fill inside a black outline, the quarter marks larger.
  const auto marks = HourMarks(dial);
  EXPECT_EQ(face.At(marks[0].left + 3, marks[0].top + 3), kWhite);
  EXPECT_EQ(face.At(marks[0].left + 3, marks[0].top), kBlack);
  EXPECT_EQ(face.At(marks[9].left + 3, marks[9].top + 3), kWhite);
  EXPECT_EQ(face.At(marks[1].left + 2, marks[1].top + 2), kWhite);
  EXPECT_EQ(face.At(marks[1].left, marks[1].top + 2), kBlack);
  // Month and day left of the centre, the weekday right of it above the hour hand.
  auto dark = [](COLORREF c) { return GetRValue(c) < 160 && GetGValue(c) < 160; };
  EXPECT_GT(face.Count({cx - 32, cy - 20, cx - 12, cy - 3}, dark), 5);
  EXPECT_GT(face.Count({cx - 32, cy + 3, cx - 12, cy + 20}, dark), 5);
  EXPECT_GT(face.Count({cx + 12, cy - 12, cx + 34, cy - 2}, dark), 5);

  clock->outSec = false;
  EXPECT_EQ(Show(*clock, 3, 0, 45).Count(kWhole, Exactly(kGrey)), 0);
  clock->faceType = 2;  // no such face: nothing is drawn
  EXPECT_EQ(Show(*clock, 12, 34, 56).Count(kWhole, Inked), 0);
}

TEST_F(ClockWidget, TicksAndRepaintsLeaveNoGdiObjectsBehind) {
  CClock* clock = AddClock();
  ASSERT_NE(clock, nullptr);
  Show(*clock, 1, 2, 3);  // the back buffer exists from here on
  const int live = gdi::LiveObjects();
  for (int face : {kDigitalFace, kAnalogueFace}) {
    clock->faceType = face;
    for (int i = 0; i < 10; ++i) {
      clock->minute = -1;
      SendMessageW(clock->hwnd, WM_TIMER, 1, 0);
      UpdateWindow(clock->hwnd);
      Show(*clock, 13, i, i);
    }
  }
  EXPECT_EQ(gdi::LiveObjects(), live);
}

// ---------------------------------------------------------------------------
// Popup 144
// ---------------------------------------------------------------------------

std::wstring ItemText(HWND dialog, int id) { return test_support::TextOf(GetDlgItem(dialog, id)); }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

// Ticks the popup's options away from the defaults: analogue, 24 hours, no seconds, no zeros.
void ChangeEverything(HWND dialog) {
  CheckDlgButton(dialog, IDC_CLOCK_HOUR24, BST_CHECKED);
  CheckDlgButton(dialog, IDC_CLOCK_SECONDS, BST_UNCHECKED);
  CheckDlgButton(dialog, IDC_CLOCK_DIGIT2, BST_UNCHECKED);
  SendDlgItemMessageW(dialog, IDC_CLOCK_FACE, LB_SETCURSEL, 1, 0);
}

TEST_F(ClockWidget, PopupShowsTheOptionsAndTheStartupLine) {
  ini.Write(L"Clock_1", L"faceType", L"1");
  ini.Write(L"Clock_1", L"hour24", L"1");
  ini.Write(L"Clock_1", L"digit2", L"0");
  CClock* clock = AddClock();
  ASSERT_NE(clock, nullptr);
  HWND dialog = OpenPopup(*clock);
  ASSERT_TRUE(IsWindow(dialog));
  EXPECT_TRUE(IsWindowVisible(dialog));
  HWND faces = GetDlgItem(dialog, IDC_CLOCK_FACE);
  ASSERT_EQ(SendMessageW(faces, LB_GETCOUNT, 0, 0), 2);
  wchar_t face[2][16] = {};
  for (int i = 0; i < 2; ++i) SendMessageW(faces, LB_GETTEXT, i, reinterpret_cast<LPARAM>(face[i]));
  EXPECT_STREQ(face[0], L"디지털");
  EXPECT_STREQ(face[1], L"아날로그");
  EXPECT_EQ(SendMessageW(faces, LB_GETCURSEL, 0, 0), 1);
  EXPECT_TRUE(Checked(dialog, IDC_CLOCK_HOUR24));
  EXPECT_TRUE(Checked(dialog, IDC_CLOCK_SECONDS));
  EXPECT_FALSE(Checked(dialog, IDC_CLOCK_DIGIT2));
  EXPECT_EQ(ItemText(dialog, IDC_CLOCK_HOUR24), L"24시간제");
  EXPECT_EQ(ItemText(dialog, IDC_CLOCK_SECONDS), L"초 표시");
  EXPECT_EQ(ItemText(dialog, IDC_CLOCK_DIGIT2), L"선행 제로");
  // The start-up line, computed when the popup opened (a minute may have turned since).
  const std::wstring line = ItemText(dialog, IDC_CLOCK_STARTUP);
  const std::u16string now = CurrentStartupLine(host.texts);
  ASSERT_NE(line.find(L"부팅("), std::wstring::npos);
  EXPECT_EQ(line.substr(line.find(L'(')), std::wstring(now.begin() + now.find(u'('), now.end()));
  // No caption bar and no buttons: options apply on deactivation only.
  EXPECT_NE(GetWindowLongW(dialog, GWL_STYLE) & WS_CAPTION, static_cast<LONG>(WS_CAPTION));
  EXPECT_EQ(GetDlgItem(dialog, IDOK), nullptr);
}

TEST_F(ClockWidget, SecondRightClickOnAnotherClockOpensNothing) {
  CClock* first = AddClock();
  CClock* second = AddClock(kHeight);
  ASSERT_TRUE(first && second);
  HWND dialog = OpenPopup(*first);
  ASSERT_TRUE(IsWindow(dialog));
  EXPECT_EQ(OpenPopup(*second), dialog);
  EXPECT_EQ(OpenPopup(*first), dialog);
  EXPECT_EQ(test_support::CountDialogs(), 1);
}

TEST_F(ClockWidget, EscapeLeavesTheOptionsAndTheFileAlone) {
  CClock* clock = AddClock();
  ASSERT_NE(clock, nullptr);
  HWND dialog = OpenPopup(*clock);
  ASSERT_TRUE(IsWindow(dialog));
  ChangeEverything(dialog);
  PressEscape(dialog);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(activeDialog, nullptr);
  EXPECT_FALSE(clock->hour24);
  EXPECT_TRUE(clock->outSec);
  EXPECT_EQ(clock->faceType, kDigitalFace);
  EXPECT_FALSE(ini.HasSection(L"Clock_1"));
}

TEST_F(ClockWidget, DeactivationAppliesRepaintsAndSaves) {
  CClock* clock = AddClock();
  ASSERT_NE(clock, nullptr);
  HWND dialog = OpenPopup(*clock);
  ASSERT_TRUE(IsWindow(dialog));
  ChangeEverything(dialog);
  ValidateRect(clock->hwnd, nullptr);
  SendMessageW(dialog, WM_NCACTIVATE, TRUE, 0);  // gaining activation changes nothing
  EXPECT_TRUE(IsWindow(dialog));
  Deactivate(dialog);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(activeDialog, nullptr);
  EXPECT_TRUE(clock->hour24);
  EXPECT_FALSE(clock->outSec);
  EXPECT_FALSE(clock->digit2);
  EXPECT_EQ(clock->faceType, kAnalogueFace);
  RECT dirty{};
  EXPECT_TRUE(GetUpdateRect(clock->hwnd, &dirty, FALSE));
  EXPECT_EQ(ini.Int(L"Clock_1", L"faceType"), 1);
  EXPECT_EQ(ini.Int(L"Clock_1", L"hour24"), 1);
  EXPECT_EQ(ini.Int(L"Clock_1", L"outSec"), 0);
  EXPECT_EQ(ini.Int(L"Clock_1", L"digit2"), 0);
}

TEST_F(ClockWidget, UnknownFaceSurvivesAPopupThatChoseNone) {
  ini.Write(L"Clock_1", L"faceType", L"4");
  CClock* clock = AddClock();
  ASSERT_NE(clock, nullptr);
  HWND dialog = OpenPopup(*clock);
  ASSERT_TRUE(IsWindow(dialog));
  EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_CLOCK_FACE, LB_GETCURSEL, 0, 0), LB_ERR);
  Deactivate(dialog);
  EXPECT_EQ(clock->faceType, 4);
  EXPECT_EQ(ini.Int(L"Clock_1", L"faceType"), 4);
}

// The same convention holds on every other path that ends a popup.

TEST_F(ClockWidget, PopupSitsBesideTheBarAndActivatingAnotherWindowAppliesIt) {
  CClock* clock = AddClock();
  ASSERT_NE(clock, nullptr);
  HWND dialog = OpenPopup(*clock);
  ASSERT_TRUE(IsWindow(dialog));
  RECT barRect{}, popup{}, overlap{};
  GetWindowRect(bar.hwnd(), &barRect);
  GetWindowRect(dialog, &popup);
  EXPECT_FALSE(IntersectRect(&overlap, &barRect, &popup));
  SetActiveWindow(dialog);
  test_support::PumpMessages();
  ASSERT_TRUE(IsWindow(dialog));
  test_support::HostWindow other(600, 600, 50, 50);
  SetActiveWindow(other.hwnd());
  test_support::PumpMessages();
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(activeDialog, nullptr);
  EXPECT_EQ(ini.Int(L"Clock_1", L"faceType"), kDigitalFace);  // applied and saved
}

TEST_F(ClockWidget, PopupDestroyedFromOutsideOrNamedByAStaleHandleFreesThePlace) {
  CClock* first = AddClock();
  CClock* second = AddClock(kHeight);
  ASSERT_TRUE(first && second);
  HWND dialog = OpenPopup(*first);
  ASSERT_TRUE(IsWindow(dialog));
  DestroyWindow(dialog);  // it may apply on the way out; nothing may keep naming it
  EXPECT_EQ(activeDialog, nullptr);
  activeDialog = test_support::HostWindow(0, 0, 10, 10).hwnd();  // gone at once
  dialog = OpenPopup(*second);
  EXPECT_TRUE(IsWindow(dialog));
  EXPECT_EQ(activeDialog, dialog);
}

TEST_F(ClockWidget, OwnerGoingAwayTakesItsPopupWithoutApplying) {
  CClock* first = AddClock();
  CClock* second = AddClock(kHeight);
  ASSERT_TRUE(first && second);
  HWND dialog = OpenPopup(*first);
  ASSERT_TRUE(IsWindow(dialog));
  DestroyWindow(first->hwnd);
  // The window is gone but the object lives: a deactivation closes without applying.
  Deactivate(dialog);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_FALSE(ini.HasSection(L"Clock_1"));

  dialog = OpenPopup(*second);
  ASSERT_TRUE(IsWindow(dialog));
  delete std::exchange(widgetList[0].widget, nullptr);  // someone else's popup stays
  EXPECT_TRUE(IsWindow(dialog));
  DestroyWindow(second->hwnd);
  delete std::exchange(widgetList[1].widget, nullptr);  // its own goes along
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(activeDialog, nullptr);
  EXPECT_FALSE(ini.HasSection(L"Clock_2"));
}

}  // namespace
